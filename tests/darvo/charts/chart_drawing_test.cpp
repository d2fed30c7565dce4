// The drawing of darvo's charts as the calls it makes on a RecordingCanvas: labels and
// grid lines of linear and logarithmic axes, titles and note, the in-range segment
// rule with the stored plot positions, and the curve pens on a black-only printer.
#include "darvo/charts/chart_drawing.h"

#include "chart_sample.h"
#include "darvo/charts/chart_axes.h"

#include "shared/canvas/recording_canvas.h"
#include "shared/text/number_text.h"

#include <algorithm>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace darvo {
namespace {

using shared::LineCall;
using shared::TextCall;

const ChartIdentity kRiseOverCurrent{TemperatureRise, Quantity::Current, Quantity::TemperatureRise};
const ChartIdentity kRiseOverFrequency{TemperatureRise, Quantity::Frequency, Quantity::TemperatureRise};
const ChartIdentity kPower{AllowablePower, Quantity::Frequency, Quantity::Current};
const ChartIdentity kCapAc{CapacitanceAcVoltage, Quantity::AcVoltage, Quantity::Capacitance};

shared::RecordingCanvas PictureCanvas() {
    shared::RecordingCanvas canvas(373, 243);
    canvas.SetScale(kPictureScaleLeft, kPictureScaleTop, kPictureScaleWidth, kPictureScaleHeight);
    canvas.ClearCalls();
    return canvas;
}

std::vector<TextCall> TextsOf(const shared::RecordingCanvas& canvas) {
    return canvas.CallsOf<TextCall>();
}

const TextCall* FindText(const std::vector<TextCall>& texts, const std::string& text) {
    const auto found =
        std::find_if(texts.begin(), texts.end(), [&](const TextCall& t) { return t.text == text; });
    return found == texts.end() ? nullptr : &*found;
}

std::vector<LineCall> LinesOf(const shared::RecordingCanvas& canvas, shared::Rgb color) {
    std::vector<LineCall> lines;
    for (const LineCall& line : canvas.CallsOf<LineCall>())
        if (line.color == color) lines.push_back(line);
    return lines;
}

TEST(LinearAxes, LongXLabelsTakeTheExponentFormAndMoveLeft) {
    auto canvas = PictureCanvas();
    // 5 X divisions from 0 to 50000: labels 0, 10000, ... 50000.
    DrawAxes(canvas, kRiseOverCurrent, AxisRange{50000, 80, 0, 0}, {});
    const auto texts = TextsOf(canvas);
    const TextCall* first = FindText(texts, " 0 ");
    ASSERT_NE(first, nullptr);
    EXPECT_DOUBLE_EQ(first->x, -2.0);
    EXPECT_DOUBLE_EQ(first->y, -0.5);
    const TextCall* second = FindText(texts, "1.00E+4");
    ASSERT_NE(second, nullptr);
    EXPECT_DOUBLE_EQ(second->x, 20.0 - 4.0 - 4.0);
    // 1000 has four characters and stays a plain number.
    auto small = PictureCanvas();
    DrawAxes(small, kRiseOverCurrent, AxisRange{5000, 80, 0, 0}, {});
    const std::vector<TextCall> smallTexts = TextsOf(small);
    const TextCall* thousand = FindText(smallTexts, " 1000 ");
    ASSERT_NE(thousand, nullptr);
    EXPECT_DOUBLE_EQ(thousand->x, 20.0 - 4.0);
    // Six vertical and eleven horizontal grid lines of the linear grey.
    EXPECT_EQ(LinesOf(canvas, kLinearGridColor).size(), 6U + 11U);
}

TEST(LinearAxes, YLabelsEndOneUnitLeftOfTheAxisAndLargeOnesUseExponents) {
    auto canvas = PictureCanvas();
    // Magnified (5 divisions) from 0 to 60000000: 12000000 is the second label.
    ChartDrawOptions options;
    options.CustomRange = true;
    DrawAxes(canvas, kCapAc, AxisRange{5, 60000000, 0, 0}, options);
    const auto texts = TextsOf(canvas);
    const TextCall* big = FindText(texts, "1.20E+7");
    ASSERT_NE(big, nullptr);
    EXPECT_DOUBLE_EQ(big->x, -1.0 - canvas.TextWidth("1.20E+7"));
    EXPECT_DOUBLE_EQ(big->y, 20.0 + 4.0);
    const TextCall* zero = FindText(texts, "0");
    ASSERT_NE(zero, nullptr);
    EXPECT_DOUBLE_EQ(zero->y, 6.0);

    auto general = PictureCanvas();
    DrawAxes(general, kCapAc, AxisRange{5, 9999999 * 5.0F, 0, 0}, options);
    EXPECT_NE(FindText(TextsOf(general), "9999999"), nullptr);
}

// The capacitance change of a part whose model gives -244139136 % at 25 V: the Y axis
// is drawn with the capped division count, one grid line each, instead of the 24
// million lines that once hung the window.
TEST(LinearAxes, AChangeFarBeyondAnyCharacteristicGetsTheCappedGrid) {
    auto canvas = PictureCanvas();
    const ChartIdentity capDcChange{CapacitanceDcVoltage, Quantity::DcBiasVoltage,
                                    Quantity::CapacitanceChange};
    DrawAxes(canvas, capDcChange, AxisRange{25.0F, 0.0F, 0.0F, -244139136.0F}, {});
    std::size_t horizontal = 0;
    for (const LineCall& line : LinesOf(canvas, kLinearGridColor))
        if (line.y1 == line.y2) ++horizontal;
    EXPECT_EQ(horizontal, static_cast<std::size_t>(kMaxDivisions) + 1);
    EXPECT_NE(FindText(TextsOf(canvas), "-2.44E+8"), nullptr);
}

TEST(LogXAxis, TwoDecadesOfFrequencyInKilohertz) {
    auto canvas = PictureCanvas();
    DrawAxes(canvas, kRiseOverFrequency, AxisRange{10000000, 80, 100000, 0}, {});
    const auto decadeLines = LinesOf(canvas, shared::colors::kBlack);
    // The decade lines (k = 10) of both decades, then the frame's box is a Box call.
    ASSERT_EQ(decadeLines.size(), 2U);
    EXPECT_NEAR(decadeLines[0].x1, 50.0, 1e-4);
    EXPECT_NEAR(decadeLines[1].x1, 100.0, 1e-4);
    const auto minor = LinesOf(canvas, kMinorLogGridColor);
    ASSERT_EQ(minor.size(), 16U);
    EXPECT_NEAR(minor[0].x1, 50.0 * std::log10(2.0), 1e-4);
    const auto texts = TextsOf(canvas);
    const TextCall* first = FindText(texts, " 100 ");
    const TextCall* middle = FindText(texts, " 1000 ");
    const TextCall* last = FindText(texts, " 10000 ");
    ASSERT_TRUE(first && middle && last);
    EXPECT_NEAR(first->x, 0.0, 1e-4);
    EXPECT_NEAR(middle->x, 50.0 - 3.0, 1e-4);
    EXPECT_NEAR(last->x, 100.0 - 6.0, 1e-4);
    EXPECT_DOUBLE_EQ(last->y, 0.0);
}

TEST(LogYAxis, DecadesOutsideThePlotAreaAreNeitherDrawnNorLabelled) {
    auto canvas = PictureCanvas();
    DrawAxes(canvas, kPower, AxisRange{1000000, 50, 100000, 0.3F}, {});
    const auto texts = TextsOf(canvas);
    EXPECT_NE(FindText(texts, "1"), nullptr);
    EXPECT_NE(FindText(texts, "10"), nullptr);
    EXPECT_EQ(FindText(texts, "0.1"), nullptr);
    EXPECT_EQ(FindText(texts, "100"), nullptr);
    // Horizontal lines only inside 0 ... 100: 0.3 ... 0.9, 1 ... 9, 10 ... 50.
    int horizontal = 0;
    for (const LineCall& line : canvas.CallsOf<LineCall>()) {
        if (line.y1 != line.y2) continue;
        ++horizontal;
        EXPECT_GE(line.y1, 0.0);
        EXPECT_LE(line.y1, 100.0);
    }
    // 0.3 ... 0.9, 1 ... 9, 10 ... 50; the line at exactly Ymin or Ymax may fall a
    // rounding step outside in single precision, where the frame stands anyway.
    EXPECT_GE(horizontal, 7 + 9 + 5 - 1);
    EXPECT_LE(horizontal, 7 + 9 + 5);

    auto small = PictureCanvas();
    DrawAxes(small, kPower, AxisRange{1000000, 0.5F, 100000, 0.002F}, {});
    const auto smallTexts = TextsOf(small);
    EXPECT_NE(FindText(smallTexts, "0.01"), nullptr);
    EXPECT_NE(FindText(smallTexts, "0.1"), nullptr);
}

TEST(AxisTitles, RotatedOnTheWindowUnitOnPaperAndTheNoteOnTemperatureRiseOnly) {
    auto window = PictureCanvas();
    ChartDrawOptions own;
    own.OwnPicture = true;
    DrawAxes(window, kRiseOverCurrent, AxisRange{5, 80, 0, 0}, own);
    const auto rotated = window.CallsOf<shared::RotatedTextCall>();
    ASSERT_EQ(rotated.size(), 1U);
    EXPECT_EQ(rotated[0].text, "Temperature Rise [\u00B0C]");
    EXPECT_EQ(rotated[0].escapementTenths, 900);
    EXPECT_EQ(rotated[0].pixelX, 5);
    EXPECT_EQ(rotated[0].pixelY, 160);
    const auto texts = TextsOf(window);
    const TextCall* xTitle = FindText(texts, "Current [Arms]");
    ASSERT_NE(xTitle, nullptr);
    EXPECT_DOUBLE_EQ(xTitle->x, 35.0);
    EXPECT_DOUBLE_EQ(xTitle->y, -7.0);
    const TextCall* note = FindText(texts, "-Recommendation of temp. Rise is within 20[\u00B0C]-");
    ASSERT_NE(note, nullptr);
    EXPECT_DOUBLE_EQ(note->y, 107.3);

    auto paper = PictureCanvas();
    DrawAxes(paper, kCapAc, AxisRange{5, 1000, 0, 0}, {});
    EXPECT_TRUE(paper.CallsOf<shared::RotatedTextCall>().empty());
    const std::vector<TextCall> paperTexts = TextsOf(paper);
    const TextCall* unit = FindText(paperTexts, "[pF]");
    ASSERT_NE(unit, nullptr);
    EXPECT_DOUBLE_EQ(unit->y, 107.5);
    for (const TextCall& text : TextsOf(paper))
        EXPECT_THAT(text.text, ::testing::Not(::testing::HasSubstr("Recommendation")));
    // The frame closes every drawing.
    const auto boxes = paper.CallsOf<shared::BoxCall>();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().color, shared::colors::kBlack);
}

TEST(Curves, SegmentsWithAnEndOutsideTheRangeAreOmittedWholeAndPositionsStored) {
    ChartTable table;
    const AxisRange range{10, 10, 0, 0};
    // Point 199 lies 0.001 beyond Xmax; the rest of the line is inside.
    testing::Adopt(table, testing::LineRecord(kCapAc, 0, 0, 10.001F, 10, range));
    // A second curve ending exactly at Xmax is drawn to its end.
    testing::Adopt(table, testing::LineRecord(kCapAc, 0, 0, 10, 5, range));
    auto canvas = PictureCanvas();
    DrawCurves(canvas, table, kCapAc, range, {});
    const auto blue = LinesOf(canvas, CurveColor(0));
    const auto red = LinesOf(canvas, CurveColor(1));
    EXPECT_EQ(blue.size(), 198U);
    EXPECT_EQ(red.size(), 199U);
    EXPECT_NEAR(red.back().x2, 100.0, 1e-4);
    const ChartDataRecord& first = table.At(0);
    EXPECT_NEAR(first.PlotX[199], 100.01F, 1e-3);
    EXPECT_NEAR(first.PlotY[199], 100.0F, 1e-3);
    EXPECT_NEAR(table.At(1).PlotY[199], 50.0F, 1e-3);
}

TEST(Curves, ColoursInCurveOrderAndWidthsOnABlackOnlyPrinter) {
    ChartTable table;
    const AxisRange range{10, 10, 0, 0};
    for (int c = 0; c < 3; ++c)
        testing::Adopt(table, testing::LineRecord(kCapAc, 0, 1.0F + c, 10, 2.0F + c, range));
    shared::RecordingCanvas page(1000, 800, 600, true);
    page.SetColorMode(shared::PrinterColorMode::Monochrome);
    page.ClearCalls();
    ChartDrawOptions options;
    options.ButtonTextColor = shared::Rgb{1, 2, 3};
    DrawCurves(page, table, kCapAc, range, options);
    std::vector<int> widths;
    for (const LineCall& line : page.CallsOf<LineCall>()) {
        EXPECT_EQ(line.color, options.ButtonTextColor);
        if (widths.empty() || widths.back() != line.width) widths.push_back(line.width);
    }
    EXPECT_EQ(widths, (std::vector<int>{12, 9, 7}));

    shared::RecordingCanvas colour(1000, 800, 600, true);
    DrawCurves(colour, table, kCapAc, range, options);
    EXPECT_EQ(LinesOf(colour, shared::colors::kBlue).size(), 199U);
    EXPECT_EQ(LinesOf(colour, shared::colors::kRed).size(), 199U);
    EXPECT_EQ(LinesOf(colour, options.ButtonTextColor).size(), 199U);
    EXPECT_EQ(CurveColor(5), (shared::Rgb{192, 64, 0}));
}

TEST(Curves, EngineCurvesOfEveryChartTypeLieInsideTheirFullRange) {
    testing::ChartSample sample;
    const std::vector<ChartIdentity> identities = {
        kRiseOverCurrent,
        kRiseOverFrequency,
        kPower,
        ChartIdentity{CapacitanceTemperature, Quantity::Temperature, Quantity::CapacitanceChange},
        ChartIdentity{CapacitanceDcVoltage, Quantity::DcBiasVoltage, Quantity::Capacitance},
        kCapAc};
    for (const ChartIdentity& identity : identities) {
        sample.AddCurve(identity, 0);
        sample.AddCurve(identity, 1);
        const std::optional<AxisRange> range = FullRange(sample.Table, identity);
        ASSERT_TRUE(range) << ChartCaption(identity);
        auto canvas = PictureCanvas();
        DrawChart(canvas, sample.Table, identity, *range, {});
        for (std::size_t i = 0; i < sample.Table.Size(); ++i) {
            const ChartDataRecord& r = sample.Table.At(i);
            if (!BelongsTo(r, identity)) continue;
            for (int j = 0; j < kChartPoints; ++j) {
                const auto u = static_cast<std::size_t>(j);
                EXPECT_GE(r.PlotX[u], -1e-3F) << ChartCaption(identity) << " point " << j;
                EXPECT_LE(r.PlotX[u], 100.001F) << ChartCaption(identity) << " point " << j;
            }
        }
        EXPECT_GT(LinesOf(canvas, CurveColor(1)).size(), 100U) << ChartCaption(identity);
    }
}

}  // namespace
}  // namespace darvo
