#include "pelmo/printing/chart_page.h"

#include "pelmo/charts/chart_style.h"
#include "pelmo/printing/printed_legend_cells.h"
#include "sample_charts.h"

#include "shared/canvas/recording_canvas.h"
#include "shared/text/number_text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <set>

namespace pelmo {
namespace {

using shared::BoxCall;
using shared::LineCall;
using shared::RecordingCanvas;
using shared::TextCall;

const std::string kDegree = "\xC2\xB0";

// A landscape page at 600 dpi in twips with the print font, as the print command hands
// it over.
std::unique_ptr<RecordingCanvas> NewPage(shared::PrinterColorMode mode = shared::PrinterColorMode::Color) {
    auto page = std::make_unique<RecordingCanvas>(6300, 4800, 600.0, true);
    page->SetColorMode(mode);
    page->SetScaleMode(shared::ScaleMode::Twips);
    page->SetFontSize(9);
    page->SetFontName("Arial");
    page->ClearCalls();
    return page;
}

std::optional<std::string> TextAt(const RecordingCanvas& page, double x, double y) {
    for (const TextCall& text : page.CallsOf<TextCall>())
        if (text.x == x && text.y == y) return text.text;
    return std::nullopt;
}

// Texts printed inside the table's rows (y of a row's text line), by x.
std::vector<TextCall> TextsOnRow(const RecordingCanvas& page, double y) {
    std::vector<TextCall> row;
    for (const TextCall& text : page.CallsOf<TextCall>())
        if (text.y == y) row.push_back(text);
    return row;
}

// Line samples: short lines from x 1100 to 1400.
std::vector<LineCall> LineSamples(const RecordingCanvas& page) {
    std::vector<LineCall> samples;
    for (const LineCall& line : page.CallsOf<LineCall>())
        if (line.x1 == 1100 && line.x2 == 1400) samples.push_back(line);
    return samples;
}

// Every call after the table's outer box: the table is drawn last.
RecordingCanvas TableOnly(const RecordingCanvas& page) {
    RecordingCanvas table(6300, 4800, 600.0, true);
    bool inTable = false;
    for (const shared::CanvasCall& call : page.Calls()) {
        if (const auto* box = std::get_if<BoxCall>(&call); box != nullptr && box->y1 == 8400) inTable = true;
        if (inTable) {
            if (const auto* line = std::get_if<LineCall>(&call)) {
                table.SetDrawWidth(line->width);
                table.Line(line->x1, line->y1, line->x2, line->y2, line->color);
            } else if (const auto* text = std::get_if<TextCall>(&call)) {
                table.SetCurrentX(text->x);
                table.SetCurrentY(text->y);
                table.Print(text->text);
            }
        }
    }
    return table;
}

class SamplePages : public ::testing::Test {
protected:
    void SetUp() override {
        charts = std::make_unique<testing::SampleCharts>(PELMO_SAMPLE_LIBRARY_DIR);
        modelled = charts->Capacitor(true);
        plain = charts->Capacitor(false);
        coil = charts->Inductor(false);
        ASSERT_GE(modelled, 0);
        ASSERT_GE(plain, 0);
        ASSERT_GE(coil, 0);
    }

    std::unique_ptr<RecordingCanvas> Print(ChartKind kind,
                                           shared::PrinterColorMode mode = shared::PrinterColorMode::Color) {
        auto page = NewPage(mode);
        PrintChart(*page, charts->Window(kind), charts->Context(), charts->Legend(kind));
        return page;
    }

    std::unique_ptr<testing::SampleCharts> charts;
    int modelled = -1;
    int plain = -1;
    int coil = -1;
};

TEST(PrintChartName, IsTheCaptionBeforeTheBlankBeforeChart) {
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"Impedance Chart",                              "Impedance"},
        {"Impedance & ESR Chart",                        "Impedance & ESR"},
        {"Apparent Capacitance Chart",                   "Apparent Capacitance"},
        {"Smith Chart-KTE105R104-25[C]-0[V]-S11-Series", "Smith"},
        {"Smith Chart-PWA10N22-S21-Series",              "Smith"},
    };
    // clang-format on
    for (const auto& [caption, name] : rows) {
        EXPECT_EQ(PrintChartName(caption), name) << caption;
    }
    EXPECT_EQ(PrintQuestionText("Impedance & ESR"), "Would you print Impedance & ESR Chart ?");
    EXPECT_EQ(PrintQuestionText("Smith"), "Would you print Smith Chart ?");
}

TEST_F(SamplePages, TheHeaderNamesTheChartOfTheWindowCaption) {
    ASSERT_TRUE(charts->Request(ChartKind::Impedance, ProductKind::Capacitor, plain));
    ASSERT_TRUE(charts->Request(ChartKind::ImpedanceAndEsr, ProductKind::Capacitor, plain));
    ASSERT_TRUE(charts->Request(ChartKind::Smith, ProductKind::Inductor, coil, "S11"));
    for (const ChartKind kind : {ChartKind::Impedance, ChartKind::ImpedanceAndEsr, ChartKind::Smith}) {
        const auto page = Print(kind);
        const std::string name = PrintChartName(charts->Caption(kind));
        EXPECT_EQ(TextAt(*page, 550, 850), name + " Chart");
        EXPECT_EQ(TextAt(*page, 10700, 850), "Quenzar");
        const std::vector<BoxCall> boxes = page->CallsOf<BoxCall>();
        ASSERT_GE(boxes.size(), 3U);
        EXPECT_EQ(boxes[0], (BoxCall{500, 800, 14700, 1100, shared::colors::kBlack, false, 3}));
        EXPECT_EQ(boxes[1], (BoxCall{500, 1200, 14700, 8300, shared::colors::kBlack, false, 3}));
        EXPECT_EQ(boxes.back(), (BoxCall{500, 8400, 14700, 10700, shared::colors::kBlack, false, 3}));
    }
}

// The chart lies in its own scale inside the body; the table after it is in twips again,
// and printing reads the window's copy without touching a slot.
TEST_F(SamplePages, TheBodyDrawsTheChartInItsScaleAndRestoresTheTwips) {
    ASSERT_TRUE(charts->Request(ChartKind::Esr, ProductKind::Capacitor, plain));
    ASSERT_TRUE(charts->Request(ChartKind::Esr, ProductKind::Inductor, coil));
    const ChartSlot before = charts->Slots().Slot(1);
    auto page = NewPage();
    const double width = page->ScaleWidth();
    const double height = page->ScaleHeight();
    PrintChart(*page, charts->Window(ChartKind::Esr), charts->Context(), charts->Legend(ChartKind::Esr));
    const std::vector<shared::ScaleCall> scales = page->CallsOf<shared::ScaleCall>();
    ASSERT_EQ(scales.size(), 2U);
    EXPECT_DOUBLE_EQ(scales[0].width, width * 3000 / 10650);
    EXPECT_DOUBLE_EQ(scales[0].height, -height * 3000 / 7100);
    EXPECT_EQ(scales[1], (shared::ScaleCall{0, 0, width, height}));
    EXPECT_EQ(page->GetScaleMode(), shared::ScaleMode::Twips);
    EXPECT_EQ(page->DrawWidth(), 1);
    // Both traces on paper as on the screen, 5 pixels wide in their colours.
    const auto screenLines = charts->Picture(ChartKind::Esr).CallsOf<LineCall>();
    const auto lines = page->CallsOf<LineCall>();
    for (std::size_t k = 0; k < 2; ++k) {
        const auto onScreen =
            std::count_if(screenLines.begin(), screenLines.end(),
                          [&](const LineCall& line) { return line.color == kTraceColors[k]; });
        const auto onPaper = std::count_if(lines.begin(), lines.end(), [&](const LineCall& line) {
            return line.color == kTraceColors[k] && line.width == 5 && line.x1 != 1100;
        });
        EXPECT_GT(onPaper, 150) << "trace " << k + 1;
        EXPECT_EQ(onPaper, onScreen) << "trace " << k + 1;
    }
    EXPECT_EQ(charts->Slots().Slot(1).Srf, before.Srf);
    EXPECT_EQ(charts->Slots().CurrentSlot(), 2);
}

// A Magnitude chart with an S21 trace of a shunt-connected capacitor without a
// temperature model: S21 and Shunt in the last columns, no conditions, five empty rows.
TEST_F(SamplePages, TheWideTableShowsSixRowsAndTheLastTwoValuesOfEachCaption) {
    ASSERT_TRUE(charts->Request(ChartKind::Magnitude, ProductKind::Capacitor, plain, "S21", "Shunt"));
    const auto page = Print(ChartKind::Magnitude);
    const RecordingCanvas table = TableOnly(*page);

    const std::vector<TextCall> headings = TextsOnRow(table, 8550);
    std::vector<std::pair<double, std::string>> found;
    for (const TextCall& text : headings) found.emplace_back(text.x, text.text);
    EXPECT_EQ(found, (std::vector<std::pair<double, std::string>>{{650, "No."},
                                                                  {1050, "Line"},
                                                                  {1550, "Orvane Part Number"},
                                                                  {4550, "Operation Temp[" + kDegree + "C]"},
                                                                  {6250, "DC Bias Voltage[V]"},
                                                                  {7950, "S11 or S21"},
                                                                  {9050, "Circuit Mode"}}));
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(TextAt(table, 650, 8550 + 300 * k), std::to_string(k));

    const std::vector<TextCall> row1 = TextsOnRow(table, 8850);
    ASSERT_EQ(row1.size(), 4U);
    EXPECT_EQ(TextAt(table, 1550, 8850), charts->CapacitorNumber(plain));
    EXPECT_EQ(TextAt(table, 7950, 8850), "S21");
    EXPECT_EQ(TextAt(table, 9050, 8850), "Shunt");
    for (int k = 2; k <= 6; ++k)
        EXPECT_EQ(TextsOnRow(table, 8550 + 300 * k).size(), 1U) << "only the row number on row " << k;

    std::set<double> horizontal;
    std::set<double> vertical;
    for (const LineCall& line : table.CallsOf<LineCall>()) {
        if (line.y1 == line.y2 && line.x1 == 600) {
            EXPECT_EQ(line.x2, 10100);
            horizontal.insert(line.y1);
        } else if (line.x1 == line.x2) {
            EXPECT_EQ(line.y1, 8500);
            EXPECT_EQ(line.y2, 10600);
            vertical.insert(line.x1);
        }
    }
    EXPECT_EQ(horizontal, (std::set<double>{8500, 8800, 9100, 9400, 9700, 10000, 10300, 10600}));
    EXPECT_EQ(vertical, (std::set<double>{600, 1000, 1500, 4500, 6200, 7900, 9000, 10100}));

    const std::vector<LineCall> samples = LineSamples(table);
    ASSERT_EQ(samples.size(), 6U);
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(samples[k].y1, 8950 + 300.0 * static_cast<double>(k));
        EXPECT_EQ(samples[k].color, kTraceColors[k]);
        EXPECT_EQ(samples[k].width, 5);
    }
}

// An Impedance & ESR chart of one condition-dependent capacitor: both rows carry the
// same part, temperature and bias; the narrow table has no S-parameter columns.
TEST_F(SamplePages, ImpedanceAndEsrRowsRepeatTheConditionsOfTheirPart) {
    ASSERT_TRUE(charts->Request(ChartKind::ImpedanceAndEsr, ProductKind::Capacitor, modelled, "", "Series",
                                85.0F, 2.5F));
    const auto page = Print(ChartKind::ImpedanceAndEsr);
    const RecordingCanvas table = TableOnly(*page);
    for (const double y : {8850.0, 9150.0}) {
        EXPECT_EQ(TextAt(table, 1550, y), charts->CapacitorNumber(modelled));
        EXPECT_EQ(TextAt(table, 4550, y), "85");
        EXPECT_EQ(TextAt(table, 6250, y), "2.5");
        EXPECT_EQ(TextsOnRow(table, y).size(), 4U);
    }
    EXPECT_FALSE(TextAt(table, 7950, 8550).has_value());
    std::set<double> vertical;
    for (const LineCall& line : table.CallsOf<LineCall>()) {
        if (line.y1 == line.y2 && line.x1 == 600)
            EXPECT_EQ(line.x2, 7900);
        else if (line.x1 == line.x2)
            vertical.insert(line.x1);
    }
    EXPECT_EQ(vertical, (std::set<double>{600, 1000, 1500, 4500, 6200, 7900}));
}

TEST_F(SamplePages, ASmithChartOfAnInductorPrintsOneRowWithoutConditions) {
    ASSERT_TRUE(charts->Request(ChartKind::Smith, ProductKind::Inductor, coil, "S21", "Series"));
    const auto page = Print(ChartKind::Smith);
    const RecordingCanvas table = TableOnly(*page);
    EXPECT_EQ(TextAt(table, 650, 8850), "1");
    EXPECT_EQ(TextAt(table, 1550, 8850), charts->InductorNumber(coil));
    EXPECT_EQ(TextAt(table, 7950, 8850), "S21");
    EXPECT_EQ(TextAt(table, 9050, 8850), "Series");
    EXPECT_EQ(TextsOnRow(table, 8850).size(), 4U);
    EXPECT_TRUE(TextsOnRow(table, 9150).empty());
    std::set<double> horizontal;
    for (const LineCall& line : table.CallsOf<LineCall>())
        if (line.y1 == line.y2 && line.x1 == 600) horizontal.insert(line.y1);
    EXPECT_EQ(horizontal, (std::set<double>{8500, 8800, 9100}));
    const std::vector<LineCall> samples = LineSamples(table);
    ASSERT_EQ(samples.size(), 1U);
    EXPECT_EQ(samples[0], (LineCall{1100, 8950, 1400, 8950, shared::colors::kBlue, 5}));
}

TEST_F(SamplePages, ASmithChartOfAModelledCapacitorPrintsItsConditionsWithoutUnits) {
    ASSERT_TRUE(
        charts->Request(ChartKind::Smith, ProductKind::Capacitor, modelled, "S11", "Shunt", -25.0F, 4.0F));
    const auto page = Print(ChartKind::Smith);
    const RecordingCanvas table = TableOnly(*page);
    EXPECT_EQ(TextAt(table, 1550, 8850), charts->CapacitorNumber(modelled));
    EXPECT_EQ(TextAt(table, 4550, 8850), "-25");
    EXPECT_EQ(TextAt(table, 6250, 8850), "4");
    EXPECT_EQ(TextAt(table, 7950, 8850), "S11");
    EXPECT_EQ(TextAt(table, 9050, 8850), "Shunt");
}

// On a black-only printer the samples, like the traces, differ by width: 12 ... 1.
TEST_F(SamplePages, BlackOnlyPrintersTellTracesApartByWidth) {
    ASSERT_TRUE(charts->Request(ChartKind::Q, ProductKind::Capacitor, plain));
    const auto page = Print(ChartKind::Q, shared::PrinterColorMode::Monochrome);
    const std::vector<LineCall> samples = LineSamples(TableOnly(*page));
    ASSERT_EQ(samples.size(), 6U);
    std::vector<int> widths;
    for (const LineCall& sample : samples) {
        widths.push_back(sample.width);
        EXPECT_EQ(sample.color, shared::colors::kBlack);
    }
    EXPECT_EQ(widths, (std::vector<int>{12, 9, 7, 5, 3, 1}));
    const auto lines = page->CallsOf<LineCall>();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const LineCall& line) { return line.width == 12 && line.x1 != 1100; }),
              200);

    ASSERT_TRUE(charts->Request(ChartKind::Smith, ProductKind::Inductor, coil, "S11"));
    const auto smith = Print(ChartKind::Smith, shared::PrinterColorMode::Monochrome);
    const std::vector<LineCall> smithSample = LineSamples(TableOnly(*smith));
    ASSERT_EQ(smithSample.size(), 1U);
    EXPECT_EQ(smithSample[0].color, shared::colors::kBlack);
    EXPECT_EQ(smithSample[0].width, 5);
}

// Under a "," locale the temperature holds a comma itself; the bias still reads "3".
TEST_F(SamplePages, ADecimalCommaInTheTemperatureLeavesTheBiasIntact) {
    charts = std::make_unique<testing::SampleCharts>(PELMO_SAMPLE_LIBRARY_DIR, shared::Eia, ',');
    ASSERT_EQ(charts->Capacitor(true), modelled);
    ASSERT_TRUE(charts->Request(ChartKind::Magnitude, ProductKind::Capacitor, modelled, "S11", "Series",
                                22.5F, 3.0F));
    const auto page = Print(ChartKind::Magnitude);
    const RecordingCanvas table = TableOnly(*page);
    EXPECT_EQ(TextAt(table, 4550, 8850), "22,5");
    EXPECT_EQ(TextAt(table, 6250, 8850), "3");
    EXPECT_EQ(TextAt(table, 7950, 8850), "S11");
    EXPECT_EQ(TextAt(table, 9050, 8850), "Series");
}

TEST_F(SamplePages, LegendCaptionsSplitIntoTheirCells) {
    const std::string part = charts->CapacitorNumber(modelled);
    const std::string other = charts->CapacitorNumber(plain);
    const std::string coilNumber = charts->InductorNumber(coil);
    struct Row {
        std::string caption;
        bool wide;
        PrintedLegendCells cells;
    };
    // clang-format off
    const std::vector<Row> rows = {
        {part + " (25[" + kDegree + "C],0[V],S11,Series)",    true,  {part, "25", "0", "S11", "Series"}},
        {part + " (22,5[" + kDegree + "C],3[V],S21,Shunt)",   true,  {part, "22,5", "3", "S21", "Shunt"}},
        {part + "-ESR (85[" + kDegree + "C],6.3[V])",         false, {part, "85", "6.3", "", ""}},
        {part + " (125[C],1[V])",                            false, {part, "125", "1", "", ""}},
        {other + " (S21,Shunt)",                             true,  {other, "", "", "S21", "Shunt"}},
        {other + "-Impedance",                               false, {other, "", "", "", ""}},
        {coilNumber + " (S11,Series)   (See Help 2)",        true,  {coilNumber, "", "", "S11", "Series"}},
        {coilNumber + "   (See Help 2)",                     false, {coilNumber, "", "", "", ""}},
        {"KTX9NOPART (25[C],0[V],S11,Series)",               true,  {"KTX9NOPART", "", "", "S11", "Series"}},
        {"",                                                 true,  {}},
    };
    // clang-format on
    for (const Row& row : rows) {
        const PrintedLegendCells cells =
            RectangularLegendCells(row.caption, row.wide, charts->Parts(), shared::Eia);
        EXPECT_EQ(cells.PartNumber, row.cells.PartNumber) << row.caption;
        EXPECT_EQ(cells.Temperature, row.cells.Temperature) << row.caption;
        EXPECT_EQ(cells.DcBias, row.cells.DcBias) << row.caption;
        EXPECT_EQ(cells.SParameter, row.cells.SParameter) << row.caption;
        EXPECT_EQ(cells.Connection, row.cells.Connection) << row.caption;
    }
}

}  // namespace
}  // namespace pelmo
