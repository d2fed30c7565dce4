// The sheet's layout per shape: the catalogue's measures, and that every control a
// shape shows lies inside the window and clear of the others.
#include "pelmo/size/size_sheet_layout.h"

#include "pelmo/library/records.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelmo {
namespace {

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
    return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

bool Inside(const TwipsRect& inner, int width, int height) {
    return inner.Left >= 0 && inner.Top >= 0 && inner.Right() <= width && inner.Bottom() <= height;
}

struct MeasureCase {
    int shape;
    int windowHeight;
    int chipFrameHeight;
    int landFrameTop;
    int landFrameHeight;
    int okTop;
};

class SizeSheetLayoutTest : public testing::TestWithParam<MeasureCase> {};

TEST_P(SizeSheetLayoutTest, KeepsTheCatalogueMeasures) {
    const MeasureCase& expected = GetParam();
    const SizeSheetLayout layout = LayOutSizeSheet(expected.shape);
    EXPECT_EQ(layout.WindowWidth, 7800);
    EXPECT_EQ(layout.WindowHeight, expected.windowHeight);
    EXPECT_EQ(layout.ChipFrame.Width, 2600);
    EXPECT_EQ(layout.ChipFrame.Height, expected.chipFrameHeight);
    EXPECT_EQ(layout.LandFrame.Width, 4100);
    EXPECT_EQ(layout.LandFrame.Top, expected.landFrameTop);
    EXPECT_EQ(layout.LandFrame.Height, expected.landFrameHeight);
    EXPECT_EQ(layout.Picture.Left, 4300);
    EXPECT_EQ(layout.Picture.Top, 720);
    EXPECT_EQ(layout.Picture.Height, 3100);
    EXPECT_EQ(layout.Ok.Left, 5280);
    EXPECT_EQ(layout.Ok.Top, expected.okTop);
}

TEST_P(SizeSheetLayoutTest, ShownControlsFitTheWindowWithoutOverlapping) {
    const int shape = GetParam().shape;
    const SizeSheetLayout layout = LayOutSizeSheet(shape);
    const bool lands = shape == 1 || shape == 2 || shape == 3 || shape == 5;
    std::vector<std::pair<std::string, TwipsRect>> shown = {
        {"lblPartnumber", layout.PartNumber}, {"lblUse", layout.Use},      {"lblAdd", layout.Note},
        {"fraChip", layout.ChipFrame},        {"picChip", layout.Picture}, {"cmdOk", layout.Ok}};
    if (lands) {
        shown.emplace_back("fraLand", layout.LandFrame);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(Inside(shown[i].second, layout.ClientWidth, layout.ClientHeight)) << shown[i].first;
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(Overlap(shown[i].second, shown[j].second))
                << shown[i].first << " / " << shown[j].first;
        }
    }

    const int chipRows = shape == 2 ? 7 : shape == 3 ? 8 : 5;
    for (std::size_t row = 0; row < static_cast<std::size_t>(chipRows); ++row) {
        EXPECT_TRUE(Inside(layout.ChipNames[row], layout.ChipFrame.Width, layout.ChipFrame.Height)) << row;
        EXPECT_TRUE(Inside(layout.ChipValues[row], layout.ChipFrame.Width, layout.ChipFrame.Height)) << row;
        EXPECT_FALSE(Overlap(layout.ChipNames[row], layout.ChipValues[row])) << row;
        if (row > 0) {
            EXPECT_FALSE(Overlap(layout.ChipValues[row - 1], layout.ChipValues[row])) << row;
        }
    }
    if (lands) {
        const int width = layout.LandFrame.Width;
        const int height = layout.LandFrame.Height;
        const int landRows = shape == 2 ? 5 : shape == 3 ? 7 : 3;
        for (std::size_t row = 0; row < static_cast<std::size_t>(landRows); ++row) {
            EXPECT_TRUE(Inside(layout.LandNames[row], width, height)) << row;
            EXPECT_TRUE(Inside(layout.ReflowValues[row], width, height)) << row;
            EXPECT_FALSE(Overlap(layout.ReflowValues[row], layout.FlowCaption));
            EXPECT_FALSE(Overlap(layout.ReflowValues[row], layout.ReflowCaption));
            if (row > 0) {
                EXPECT_FALSE(Overlap(layout.ReflowValues[row - 1], layout.ReflowValues[row]));
            }
        }
        for (std::size_t row = 0; row < kFlowRowCount; ++row) {
            EXPECT_TRUE(Inside(layout.FlowValues[row], width, height));
            EXPECT_FALSE(Overlap(layout.FlowValues[row], layout.ReflowValues[row]));
            EXPECT_EQ(layout.FlowValues[row].Top, layout.ReflowValues[row].Top);
        }
        EXPECT_FALSE(Overlap(layout.FlowCaption, layout.ReflowCaption));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryShape, SizeSheetLayoutTest, testing::Values(
    MeasureCase{1, 4800, 1500, 2500, 1700, 3900},
    MeasureCase{2, 6400, 2304, 3400, 2400, 5400},
    MeasureCase{3, 6700, 2304, 3400, 2800, 5400},
    MeasureCase{4, 4800, 1500, 2500, 1700, 3900},
    MeasureCase{5, 4800, 1500, 2500, 1700, 3900},
    MeasureCase{6, 4800, 1500, 2500, 1700, 3900}),
    [](const testing::TestParamInfo<MeasureCase>& info) {
        return "Shape" + std::to_string(info.param.shape);
    });
// clang-format on

}  // namespace
}  // namespace pelmo
