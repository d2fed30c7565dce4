#include "darvo/printing/chart_page.h"

#include "darvo/charts/chart_drawing.h"
#include "darvo/charts/chart_legends.h"
#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"

#include "shared/canvas/recording_canvas.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace darvo {
namespace {

using shared::BoxCall;
using shared::LineCall;
using shared::RecordingCanvas;
using shared::TextCall;

const std::string kDegree = "\xC2\xB0";

// A landscape page at 600 dpi in twips, as the print job hands it over.
std::unique_ptr<RecordingCanvas> NewPage(shared::PrinterColorMode mode = shared::PrinterColorMode::Color) {
    auto page = std::make_unique<RecordingCanvas>(6300, 4800, 600.0, true);
    page->SetColorMode(mode);
    page->SetScaleMode(shared::ScaleMode::Twips);
    page->ClearCalls();
    return page;
}

std::optional<std::string> TextAt(const RecordingCanvas& page, double x, double y) {
    for (const TextCall& text : page.CallsOf<TextCall>())
        if (text.x == x && text.y == y) return text.text;
    return std::nullopt;
}

std::vector<std::string> TextsOnRow(const RecordingCanvas& page, double y) {
    std::vector<std::string> row;
    for (const TextCall& text : page.CallsOf<TextCall>())
        if (text.y == y) row.push_back(text.text);
    return row;
}

ProductLibrary TwoParts() {
    ProductLibrary library;
    ProductRecord first;
    first.PartNumber = {"EIA-ONE", "JIS-ONE"};
    ProductRecord second;
    second.PartNumber = {"EIA-TWO", "JIS-TWO"};
    library.ProductTable = {first, second};
    return library;
}

ChartIdentity Identity(darvo::ChartType chartType, const std::string& x, const std::string& y) {
    return {chartType, *QuantityFromName(x), *QuantityFromName(y)};
}

ChartDataRecord Curve(int chartType, const std::string& x, const std::string& y, std::int32_t part) {
    ChartDataRecord record;
    record.ChartType = static_cast<darvo::ChartType>(chartType);
    record.XAxisName = *QuantityFromName(x);
    record.YAxisName = *QuantityFromName(y);
    record.ProductIndex = part;
    record.DCBiasVoltage = 6.3F;
    record.HeatResistance = 120.0F;
    record.Frequency = 100.0F;
    record.AmbientTemperature = -25.0F;
    record.ParameterName = Quantity::Voltage;
    record.ParameterValue = 0.5F;
    record.MaxValue = 0.4567F;
    return record;
}

void Adopt(ChartTable& table, const ChartDataRecord& record) {
    table.Prepare() = record;
    table.AdoptPrepared();
}

struct TableCase {
    const char* name;
    darvo::ChartType chartType;
    const char* x;
    const char* y;
    int columns;
    std::vector<std::string> headings;  // at x 4550, 7050, 9550, 12050
    std::vector<std::string> cells;     // of the first curve, same columns
};

class PrintedTable : public ::testing::TestWithParam<TableCase> {};

// clang-format off
const TableCase kTableCases[] = {
    {"RiseOverCurrent", TemperatureRise, "Current", "Temperature Rise", 4,
     {"DC Bias Voltage[V]", "Heat Resistance[" + kDegree + "C/W]", "Ambient Temperature[" + kDegree + "C]",
      "Frequency[kHz]"},
     {" 6.3 ", " 120 ", "-25 ", " 100 "}},
    {"RiseOverFrequency", TemperatureRise, "Frequency", "Temperature Rise", 4,
     {"DC Bias Voltage[V]", "Heat Resistance[" + kDegree + "C/W]", "Ambient Temperature[" + kDegree + "C]",
      "Parameter"},
     {" 6.3 ", " 120 ", "-25 ", "0.5[Vrms]"}},
    {"AllowablePower", AllowablePower, "Frequency", "Effective Power", 4,
     {"DC Bias Voltage[V]", "Heat Resistance[" + kDegree + "C/W]", "Ambient Temperature[" + kDegree + "C]",
      "Max Effective Power[W]"},
     {" 6.3 ", " 120 ", "-25 ", ".457"}},
    {"CapacitanceTemperature", CapacitanceTemperature, "Temperature", "Capacitance Change", 1,
     {"DC Bias Voltage[V]"}, {" 6.3 "}},
    {"CapacitanceDcVoltage", CapacitanceDcVoltage, "DC Bias Voltage", "Capacitance", 1,
     {"Ambient Temperature[" + kDegree + "C]"}, {"-25 "}},
    {"CapacitanceAcVoltage", CapacitanceAcVoltage, "AC Voltage", "Capacitance Change", 0, {}, {}},
};
// clang-format on

TEST_P(PrintedTable, HasTheChartTypesConditionColumns) {
    const TableCase& c = GetParam();
    EXPECT_EQ(ConditionColumnCount(c.chartType), c.columns);

    const ProductLibrary library = TwoParts();
    ChartTable table;
    Adopt(table, Curve(c.chartType, c.x, c.y, 1));
    auto page = NewPage();
    PrintChartLegend(*page, Identity(c.chartType, c.x, c.y), {table, library, kDegree, '.'});

    // Outer box, then rules spanning exactly the columns in use.
    const auto boxes = page->CallsOf<BoxCall>();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0], (BoxCall{500, 8400, 14700, 10700, shared::colors::kBlack, false, 3}));
    const double right = 4500 + 2500 * c.columns;
    int horizontal = 0;
    std::vector<double> vertical;
    for (const LineCall& line : page->CallsOf<LineCall>()) {
        if (line.y1 == line.y2 && line.x1 == 600) {
            EXPECT_EQ(line.x2, right);
            EXPECT_EQ(line.y1, 8500 + 300 * horizontal);
            ++horizontal;
        } else if (line.x1 == line.x2) {
            EXPECT_EQ(line.y1, 8500);
            EXPECT_EQ(line.y2, 10600);
            vertical.push_back(line.x1);
        }
    }
    EXPECT_EQ(horizontal, 8);
    std::vector<double> expected = {600, 1000, 1500, 4500};
    for (int k = 1; k <= c.columns; ++k) expected.push_back(4500 + 2500 * k);
    EXPECT_EQ(vertical, expected);

    std::vector<std::string> headings = {"No.", "Line", "Orvane Part Number"};
    headings.insert(headings.end(), c.headings.begin(), c.headings.end());
    EXPECT_EQ(TextsOnRow(*page, 8550), headings);
    std::vector<std::string> row = {"1", "EIA-TWO"};
    row.insert(row.end(), c.cells.begin(), c.cells.end());
    EXPECT_EQ(TextsOnRow(*page, 8850), row);
    for (std::size_t k = 0; k < c.cells.size(); ++k)
        EXPECT_EQ(TextAt(*page, 4550 + 2500.0 * static_cast<double>(k), 8850), c.cells[k]);
}

INSTANTIATE_TEST_SUITE_P(ChartTypes, PrintedTable, ::testing::ValuesIn(kTableCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintedChartTable, ListsOnlyTheWindowsAdoptedCurvesInTableOrderUnderTheNotationInForce) {
    ProductLibrary library = TwoParts();
    library.CodeSystem = shared::Jis;
    ChartTable table;
    Adopt(table, Curve(2, "Temperature", "Capacitance", 1));
    Adopt(table, Curve(2, "Temperature", "Capacitance Change", 0));  // another window
    ChartDataRecord second = Curve(2, "Temperature", "Capacitance", 0);
    second.DCBiasVoltage = 2.0F;
    Adopt(table, second);
    // A request under way: prepared but not adopted, so no curve of the window yet.
    table.Prepare() = Curve(2, "Temperature", "Capacitance", 1);

    auto page = NewPage();
    PrintChartLegend(*page, Identity(CapacitanceTemperature, "Temperature", "Capacitance"),
                     {table, library, kDegree, '.'});
    EXPECT_EQ(TextsOnRow(*page, 8850), (std::vector<std::string>{"1", "JIS-TWO", " 6.3 "}));
    EXPECT_EQ(TextsOnRow(*page, 9150), (std::vector<std::string>{"2", "JIS-ONE", " 2 "}));
    // Rows without a curve keep their number and nothing else.
    for (int k = 3; k <= 6; ++k)
        EXPECT_EQ(TextsOnRow(*page, 8550 + 300 * k), std::vector<std::string>{std::to_string(k)});
}

TEST(PrintedChartTable, LineSamplesUseLegendColoursOrBlackOnlyWidths) {
    const ProductLibrary library = TwoParts();
    ChartTable table;
    for (const auto mode : {shared::PrinterColorMode::Color, shared::PrinterColorMode::Monochrome}) {
        auto page = NewPage(mode);
        PrintChartLegend(*page, Identity(CapacitanceAcVoltage, "AC Voltage", "Capacitance"),
                         {table, library, kDegree, '.'});
        std::vector<LineCall> samples;
        for (const LineCall& line : page->CallsOf<LineCall>())
            if (line.x1 == 1100 && line.x2 == 1400) samples.push_back(line);
        ASSERT_EQ(samples.size(), 6U);
        for (std::size_t k = 0; k < samples.size(); ++k) {
            EXPECT_EQ(samples[k].y1, 8950 + 300 * static_cast<double>(k));
            if (mode == shared::PrinterColorMode::Color) {
                EXPECT_EQ(samples[k].color, LegendColor(static_cast<int>(k)));
                EXPECT_EQ(samples[k].width, 5);
            } else {
                EXPECT_EQ(samples[k].color, page->ForeColor());
                EXPECT_EQ(samples[k].width, MonochromeCurveWidth(static_cast<int>(k)));
                EXPECT_EQ(samples[k].style, shared::LineStyle::Solid);
            }
        }
        EXPECT_EQ(page->DrawWidth(), 1);
    }
}

TEST(PrintedChartTable, APartOutsideTheLibraryIsAFailureNotACrash) {
    const ProductLibrary library = TwoParts();
    ChartTable table;
    Adopt(table, Curve(4, "AC Voltage", "Capacitance", 7));
    auto page = NewPage();
    EXPECT_THROW(PrintChartLegend(*page, Identity(CapacitanceAcVoltage, "AC Voltage", "Capacitance"),
                                  {table, library, kDegree, '.'}),
                 shared::RuntimeError);
}

TEST(PrintedChartPage, HeaderBodyAndTableInOrderWithTheChartInItsOwnScale) {
    const ProductLibrary library = TwoParts();
    ChartTable table;
    Adopt(table, Curve(0, "Current", "Temperature Rise", 0));
    auto page = NewPage();
    page->SetFontName("Courier New");
    const std::string caption = "Temperature Rise Characteristics(Current,Temperature Rise)";

    std::optional<shared::ScaleCall> scaleWhileDrawing;
    std::optional<shared::FontSpec> fontWhileDrawing;
    const ChartBodyDrawing draw = [&](shared::ChartCanvas& canvas) {
        scaleWhileDrawing = shared::ScaleCall{canvas.ScaleLeft(), canvas.ScaleTop(), canvas.ScaleWidth(),
                                              canvas.ScaleHeight()};
        fontWhileDrawing = canvas.Font();
        // A chart leaves its own pen behind; the table must not inherit it.
        canvas.SetDrawWidth(12);
        canvas.SetDrawStyle(shared::LineStyle::Dot);
        canvas.Line(0, 0, 100, 100, shared::colors::kBlue);
    };
    PrintChart(*page, caption, Identity(TemperatureRise, "Current", "Temperature Rise"), draw,
               {table, library, kDegree, '.'});

    ASSERT_TRUE(scaleWhileDrawing);
    EXPECT_EQ(*scaleWhileDrawing, (shared::ScaleCall{-30, 130, 190, -200}));
    EXPECT_EQ(fontWhileDrawing->name, "Arial");
    EXPECT_EQ(fontWhileDrawing->size, 9.0);

    const auto boxes = page->CallsOf<BoxCall>();
    ASSERT_EQ(boxes.size(), 3U);
    EXPECT_EQ(boxes[0], (BoxCall{500, 800, 14700, 1100, shared::colors::kBlack, false, 3}));
    EXPECT_EQ(boxes[1], (BoxCall{500, 1200, 14700, 8300, shared::colors::kBlack, false, 3}));
    EXPECT_EQ(boxes[2].y1, 8400);
    EXPECT_EQ(TextAt(*page, 550, 850), caption + " Chart");
    EXPECT_EQ(TextAt(*page, 10000, 850), "Tervalon");

    // After the chart the page is back in twips with a thin solid pen.
    const auto lines = page->CallsOf<LineCall>();
    ASSERT_GT(lines.size(), 1U);
    EXPECT_EQ(lines[0].width, 12);
    EXPECT_EQ(lines[1],
              (LineCall{600, 8500, 14500, 8500, shared::colors::kBlack, 1, shared::LineStyle::Solid}));
    EXPECT_EQ(page->GetScaleMode(), shared::ScaleMode::Twips);
    for (const TextCall& text : page->CallsOf<TextCall>()) EXPECT_EQ(text.font.name, "Arial") << text.text;
}

// The printed body is the chart windows' own drawing at the window's range: a window at
// its full range prints its normal divisions, a magnified one 5, as on the screen.
TEST(PrintedChartPage, TheBodyIsTheWindowsChartWithMagnifiedDivisionsWhenMagnified) {
    const ProductLibrary library = TwoParts();
    ChartTable table;
    ChartDataRecord curve = Curve(0, "Current", "Temperature Rise", 0);
    for (int j = 0; j < kChartPoints; ++j) {
        curve.XData[static_cast<std::size_t>(j)] = 0.01F * static_cast<float>(j);
        curve.YData[static_cast<std::size_t>(j)] = 0.1F * static_cast<float>(j);
    }
    curve.Xmin = 0.0F;
    curve.Xmax = 2.0F;
    curve.Ymin = 0.0F;
    curve.Ymax = 20.0F;
    Adopt(table, curve);
    const ChartIdentity identity = Identity(TemperatureRise, "Current", "Temperature Rise");

    struct Case {
        AxisRange range;
        int horizontalGridLines;
    };
    for (const Case& c : {Case{{2.0F, 20.0F, 0.0F, 0.0F}, 11}, Case{{1.0F, 10.0F, 0.0F, 0.0F}, 6}}) {
        auto page = NewPage();
        PrintChartBody(*page, PrintedChartDrawing(table, identity, c.range, kDegree, '.'));
        int grid = 0;
        int curveSegments = 0;
        for (const LineCall& line : page->CallsOf<LineCall>()) {
            if (line.color == shared::Rgb{64, 64, 64} && line.y1 == line.y2) ++grid;
            if (line.color == CurveColor(0)) ++curveSegments;
        }
        EXPECT_EQ(grid, c.horizontalGridLines);
        EXPECT_GT(curveSegments, 0);
        // Not the window's picture: the Y unit stands above the plot area, not turned.
        EXPECT_TRUE(page->CallsOf<shared::RotatedTextCall>().empty());
        EXPECT_EQ(TextAt(*page, 0, 107.5), "[" + kDegree + "C]");
        EXPECT_EQ(page->GetScaleMode(), shared::ScaleMode::Twips);
    }
}

TEST(PrintedChartPage, QuestionNamesTheCaption) {
    EXPECT_EQ(ChartPrintQuestionText("Allowable power(Frequency,Current)"),
              "Would you print Allowable power(Frequency,Current) Chart ?");
}

}  // namespace
}  // namespace darvo
