// The outline drawings: every measure the sheet's rows name is marked by its letter,
// nothing else is lettered, and letters and lines stay on the picture, clear of each
// other and of the chip; the masked picture keeps the window's colour around the chip.
#include "pelmo/size/chip_outline_drawing.h"

#include "pelmo/library/records.h"
#include "pelmo/size/chip_picture.h"
#include "pelmo/size/size_sheet.h"

#include "shared/canvas/draw_masked.h"
#include "shared/canvas/recording_canvas.h"
#include "shared/errors/runtime_error.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelmo {
namespace {

// The sheet a shape's drawing goes with, from a record of that shape.
SizeSheetContent SheetOfShape(int shape) {
    Library library;
    if (shape == kInductorChipShape) {
        library.InductorTable.push_back(InductorRecord{});
        library.InductorTable[0].PartNumber = "PWW15HN1N0S";
        return BuildSizeSheet(library, ProductKind::Inductor, 0, shared::Eia);
    }
    CapacitorRecord record;
    record.PartNumber = {"X", "X"};
    record.ChipShape = static_cast<float>(shape);
    library.CapacitorTable.push_back(record);
    return BuildSizeSheet(library, ProductKind::Capacitor, 0, shared::Eia);
}

// The letters a reader looks for in the drawing: one per shown row name, "g" for g(min).
std::vector<std::string> LettersOfSheet(const SizeSheetContent& sheet) {
    std::vector<std::string> letters;
    for (const SizeSheetRow& row : sheet.Chip) {
        if (row.NameVisible) {
            letters.push_back(row.Name == "g(min)" ? "g" : row.Name);
        }
    }
    if (sheet.LandFrameVisible) {
        for (const SizeSheetRow& row : sheet.Land) {
            if (row.NameVisible) {
                letters.push_back(row.Name);
            }
        }
    }
    std::sort(letters.begin(), letters.end());
    return letters;
}

struct Area {
    double left, top, right, bottom;
};

bool Overlap(const Area& a, const Area& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

struct Drawn {
    shared::RecordingCanvas canvas;
    std::vector<shared::TextCall> texts;
    std::vector<Area> letterAreas;

    Drawn(int shape, int width, int height, double dpi) : canvas(width, height, dpi) {
        DrawChipOutline(canvas, shape);
        texts = canvas.CallsOf<shared::TextCall>();
        for (const shared::TextCall& text : texts) {
            letterAreas.push_back({text.x, text.y, text.x + canvas.TextWidth(text.text),
                                   text.y + canvas.TextHeight(text.text)});
        }
    }
    bool OnPicture(double x, double y) const {
        return x >= canvas.ScaleLeft() && x <= canvas.ScaleLeft() + canvas.ScaleWidth() &&
               y >= canvas.ScaleTop() && y <= canvas.ScaleTop() + canvas.ScaleHeight();
    }
};

class ChipOutlineDrawingTest : public testing::TestWithParam<int> {};

TEST_P(ChipOutlineDrawingTest, LettersEveryMeasureTheRowsName) {
    const int shape = GetParam();
    Drawn drawn(shape, 219, 207, 96);
    std::vector<std::string> letters;
    for (const shared::TextCall& text : drawn.texts) {
        letters.push_back(text.text);
    }
    std::sort(letters.begin(), letters.end());
    EXPECT_EQ(letters, LettersOfSheet(SheetOfShape(shape)));
}

TEST_P(ChipOutlineDrawingTest, StaysOnThePictureAndLettersStayClear) {
    const int shape = GetParam();
    // The sheet's picture at the usual screen resolutions.
    for (const auto& [width, height, dpi] : {std::tuple{219, 207, 96.0}, std::tuple{329, 310, 144.0}}) {
        Drawn drawn(shape, width, height, dpi);
        for (std::size_t i = 0; i < drawn.letterAreas.size(); ++i) {
            const Area& area = drawn.letterAreas[i];
            EXPECT_TRUE(drawn.OnPicture(area.left, area.top) && drawn.OnPicture(area.right, area.bottom))
                << drawn.texts[i].text;
            for (std::size_t j = i + 1; j < drawn.letterAreas.size(); ++j) {
                EXPECT_FALSE(Overlap(area, drawn.letterAreas[j]))
                    << drawn.texts[i].text << " / " << drawn.texts[j].text;
            }
        }
        for (const shared::BoxCall& box : drawn.canvas.CallsOf<shared::BoxCall>()) {
            EXPECT_TRUE(drawn.OnPicture(box.x1, box.y1) && drawn.OnPicture(box.x2, box.y2));
            if (!box.filled) {
                continue;
            }
            // A letter on the chip or a land would be unreadable.
            const Area part{std::min(box.x1, box.x2), std::min(box.y1, box.y2), std::max(box.x1, box.x2),
                            std::max(box.y1, box.y2)};
            for (std::size_t i = 0; i < drawn.letterAreas.size(); ++i) {
                EXPECT_FALSE(Overlap(part, drawn.letterAreas[i])) << drawn.texts[i].text;
            }
        }
        for (const shared::LineCall& line : drawn.canvas.CallsOf<shared::LineCall>()) {
            EXPECT_TRUE(drawn.OnPicture(line.x1, line.y1) && drawn.OnPicture(line.x2, line.y2));
        }
    }
}

TEST_P(ChipOutlineDrawingTest, DrawsOnAWhiteGroundInOtherColours) {
    Drawn drawn(GetParam(), 219, 207, 96);
    const auto& calls = drawn.canvas.Calls();
    const auto cls = std::find_if(calls.begin(), calls.end(), [](const shared::CanvasCall& call) {
        return std::holds_alternative<shared::ClsCall>(call);
    });
    ASSERT_NE(cls, calls.end());
    EXPECT_EQ(drawn.canvas.BackColor(), shared::colors::kWhite);
    // White is the transparent colour of the masked picture: no part may use it.
    for (const shared::BoxCall& box : drawn.canvas.CallsOf<shared::BoxCall>()) {
        EXPECT_NE(box.color, shared::colors::kWhite);
    }
    for (const shared::TextCall& text : drawn.texts) {
        EXPECT_NE(text.color, shared::colors::kWhite);
    }
    EXPECT_FALSE(drawn.canvas.CallsOf<shared::BoxCall>().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryShape, ChipOutlineDrawingTest, testing::Values(1, 2, 3, 4, 5, 6),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Shape" + std::to_string(info.param);
                         });

TEST(ChipOutlineDrawingErrorTest, RefusesShapesWithoutADrawing) {
    shared::RecordingCanvas canvas(219, 207, 96);
    for (const int shape : {0, 7, -1}) {
        try {
            DrawChipOutline(canvas, shape);
            ADD_FAILURE() << shape;
        } catch (const shared::RuntimeError& failure) {
            EXPECT_EQ(failure.Number(), shared::error::kInvalidProcedureCall);
        }
    }
}

TEST(ChipPictureTest, GroundBecomesTransparentAndColoursStay) {
    const shared::Rgb white = shared::colors::kWhite;
    const shared::Rgb ceramic{228, 208, 162};
    const shared::Rgb almostWhite{254, 255, 255};
    shared::PixelImage drawing(3, 2, white);
    drawing.Set(1, 0, ceramic);
    drawing.Set(2, 1, almostWhite);
    drawing.Set(0, 1, shared::colors::kBlack);

    const MaskedPicture picture = SplitMaskedPicture(drawing, white);
    EXPECT_EQ(picture.Mask.At(0, 0), white);
    EXPECT_EQ(picture.Image.At(0, 0), shared::colors::kBlack);
    EXPECT_EQ(picture.Mask.At(1, 0), shared::colors::kBlack);
    EXPECT_EQ(picture.Image.At(1, 0), ceramic);

    // Put on a grey window: the ground shows grey, every drawn pixel keeps its colour,
    // black and near-white included.
    const shared::Rgb grey{239, 239, 239};
    shared::PixelImage window(3, 2, shared::colors::kBlue);
    shared::DrawMasked(window, picture.Image, picture.Mask, grey);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const shared::Rgb expected = drawing.At(x, y) == white ? grey : drawing.At(x, y);
            EXPECT_EQ(window.At(x, y), expected) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace pelmo
