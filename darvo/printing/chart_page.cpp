#include "darvo/printing/chart_page.h"

#include "darvo/charts/axis_range_check.h"
#include "darvo/charts/chart_drawing.h"
#include "darvo/charts/chart_legends.h"
#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"

#include "shared/canvas/page_canvas.h"
#include "shared/canvas/print_at.h"
#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <cstddef>
#include <string>
#include <vector>

namespace darvo {

namespace {

using shared::colors::kBlack;

constexpr const char* kProductTitle = "Tervalon";
constexpr int kFrameWidth = 3;

// The page in twips from the printable origin.
constexpr double kPageLeft = 500.0;
constexpr double kPageRight = 14700.0;
constexpr double kHeaderTop = 800.0;
constexpr double kHeaderBottom = 1100.0;
constexpr double kBodyTop = 1200.0;
constexpr double kBodyBottom = 8300.0;
constexpr double kTableTop = 8400.0;
constexpr double kTableBottom = 10700.0;

// The chart's user scale on the page: the plot area (0, 0)-(100, 100) lies inside the body.
constexpr double kChartScaleLeft = -30.0;
constexpr double kChartScaleTop = 130.0;
constexpr double kChartScaleWidth = 190.0;
constexpr double kChartScaleHeight = -200.0;

// The table: a heading row from 8500 and six curve rows of 300 twips each.
constexpr double kRulesTop = 8500.0;
constexpr double kRowHeight = 300.0;
constexpr double kTextInset = 50.0;
constexpr double kSampleInset = 150.0;
constexpr int kTableRows = 6;
constexpr double kNumberColumn = 600.0;
constexpr double kLineColumn = 1000.0;
constexpr double kPartColumn = 1500.0;
constexpr double kConditionColumn = 4500.0;
constexpr double kConditionWidth = 2500.0;
constexpr double kSampleLeft = 1100.0;
constexpr double kSampleRight = 1400.0;

void PrintAt(shared::PageCanvas& page, double x, double y, const std::string& text) {
    if (text.empty()) return;
    shared::PrintAt(page, x, y, text);
}

double ConditionX(int column) {
    return kConditionColumn + kConditionWidth * column + kTextInset;
}

bool OverFrequency(const ChartIdentity& identity) {
    return identity.XAxis == Quantity::Frequency;
}

// The headings of the condition columns, left to right.
std::vector<std::string> ConditionHeadings(const ChartIdentity& identity, const std::string& degree) {
    const std::string bias = "DC Bias Voltage[V]";
    const std::string heat = "Heat Resistance[" + degree + "C/W]";
    const std::string ambient = "Ambient Temperature[" + degree + "C]";
    switch (identity.ChartType) {
        case TemperatureRise:
            return {bias, heat, ambient, OverFrequency(identity) ? "Parameter" : "Frequency[kHz]"};
        case AllowablePower:
            return {bias, heat, ambient,
                    "Max " + std::string(QuantityName(identity.YAxis)) + GetUnit(identity.YAxis, degree)};
        case CapacitanceTemperature:
            return {bias};
        case CapacitanceDcVoltage:
            return {ambient};
        default:
            return {};
    }
}

// The condition cells of one curve, left to right.
std::vector<std::string> ConditionCells(const ChartIdentity& identity, const ChartDataRecord& record,
                                        const std::string& degree, char separator) {
    using shared::PrintedNumberTextSingle;
    const std::string bias = PrintedNumberTextSingle(record.DCBiasVoltage, separator);
    const std::string heat = PrintedNumberTextSingle(record.HeatResistance, separator);
    const std::string ambient = PrintedNumberTextSingle(record.AmbientTemperature, separator);
    switch (identity.ChartType) {
        case TemperatureRise:
            return {bias, heat, ambient,
                    OverFrequency(identity)
                        ? shared::GeneralNumberTextSingle(record.ParameterValue, separator) +
                              GetUnit(record.ParameterName, degree)
                        : PrintedNumberTextSingle(record.Frequency, separator)};
        case AllowablePower:
            return {bias, heat, ambient, shared::FormatSingle(record.MaxValue, "##.###", separator)};
        case CapacitanceTemperature:
            return {bias};
        case CapacitanceDcVoltage:
            return {ambient};
        default:
            return {};
    }
}

const std::string& PartNumberOf(const ProductLibrary& library, const ChartDataRecord& record) {
    if (record.ProductIndex < 0 ||
        static_cast<std::size_t>(record.ProductIndex) >= library.ProductTable.size()) {
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, "darvo:PrintChartLegend");
    }
    const ProductRecord& part = library.ProductTable[static_cast<std::size_t>(record.ProductIndex)];
    return part.PartNumber[static_cast<std::size_t>(library.CodeSystem)];
}

void TableFrame(shared::PageCanvas& page, int columns) {
    page.SetDrawWidth(kFrameWidth);
    page.SetDrawStyle(shared::LineStyle::Solid);
    page.Box(kPageLeft, kTableTop, kPageRight, kTableBottom, kBlack);
    page.SetDrawWidth(1);

    const double right = kConditionColumn + kConditionWidth * columns;
    const double bottom = kRulesTop + kRowHeight * (kTableRows + 1);
    for (int i = 0; i <= kTableRows + 1; ++i) {
        const double y = kRulesTop + kRowHeight * i;
        page.Line(kNumberColumn, y, right, y, kBlack);
    }
    for (const double x : {kNumberColumn, kLineColumn, kPartColumn, kConditionColumn})
        page.Line(x, kRulesTop, x, bottom, kBlack);
    for (int k = 1; k <= columns; ++k) {
        const double x = kConditionColumn + kConditionWidth * k;
        page.Line(x, kRulesTop, x, bottom, kBlack);
    }
}

void LineSamples(shared::PageCanvas& page) {
    const bool colour = page.ColorMode() == shared::PrinterColorMode::Color;
    for (int k = 1; k <= kTableRows; ++k) {
        const double y = kRulesTop + kRowHeight * k + kSampleInset;
        if (colour) {
            page.SetDrawWidth(kColorSampleWidth);
            page.Line(kSampleLeft, y, kSampleRight, y, LegendColor(k - 1));
        } else {
            page.SetDrawStyle(shared::LineStyle::Solid);
            page.SetDrawWidth(MonochromeCurveWidth(k - 1));
            page.Line(kSampleLeft, y, kSampleRight, y, page.ForeColor());
        }
    }
    page.SetDrawWidth(1);
}

}  // namespace

ChartBodyDrawing PrintedChartDrawing(ChartTable& table, const ChartIdentity& identity, const AxisRange& range,
                                     const std::string& degreeSign, char separator) {
    return [&table, identity, range, degreeSign, separator](shared::ChartCanvas& page) {
        ChartDrawOptions options;
        // A window showing a narrower range than its full one prints it magnified.
        options.CustomRange = IsMagnifiedRange(table, identity, range);
        options.OwnPicture = false;
        options.DegreeSign = degreeSign;
        options.DecimalSeparator = separator;
        DrawChart(page, table, identity, range, options);
    };
}

std::string ChartPrintQuestionText(const std::string& caption) {
    return "Would you print " + caption + " Chart ?";
}

int ConditionColumnCount(darvo::ChartType chartType) noexcept {
    switch (chartType) {
        case TemperatureRise:
        case AllowablePower:
            return 4;
        case CapacitanceTemperature:
        case CapacitanceDcVoltage:
            return 1;
        case CapacitanceAcVoltage:
            break;
    }
    return 0;
}

void PrintChartHeader(shared::PageCanvas& page, const std::string& caption) {
    page.SetDrawStyle(shared::LineStyle::Solid);
    page.SetDrawWidth(kFrameWidth);
    page.Box(kPageLeft, kHeaderTop, kPageRight, kHeaderBottom, kBlack);
    PrintAt(page, 550.0, 850.0, caption + " Chart");
    PrintAt(page, 10000.0, 850.0, kProductTitle);
}

void PrintChartBody(shared::PageCanvas& page, const ChartBodyDrawing& drawBody) {
    const double width = page.ScaleWidth();
    const double height = page.ScaleHeight();
    const double left = page.ScaleLeft();
    const double top = page.ScaleTop();
    page.SetDrawWidth(kFrameWidth);
    page.Box(kPageLeft, kBodyTop, kPageRight, kBodyBottom, kBlack);
    page.SetDrawWidth(1);

    page.SetScale(kChartScaleLeft, kChartScaleTop, kChartScaleWidth, kChartScaleHeight);
    if (drawBody) drawBody(page);

    page.SetScale(left, top, width, height);
    page.SetScaleMode(shared::ScaleMode::Twips);
    page.SetDrawWidth(1);
    page.SetDrawStyle(shared::LineStyle::Solid);
}

void PrintChartLegend(shared::PageCanvas& page, const ChartIdentity& identity, const ChartPageFacts& facts) {
    const int columns = ConditionColumnCount(identity.ChartType);
    TableFrame(page, columns);

    const double headingY = kRulesTop + kTextInset;
    PrintAt(page, kNumberColumn + kTextInset, headingY, "No.");
    PrintAt(page, kLineColumn + kTextInset, headingY, "Line");
    PrintAt(page, kPartColumn + kTextInset, headingY, "Orvane Part Number");
    const std::vector<std::string> headings = ConditionHeadings(identity, facts.DegreeSign);
    for (std::size_t c = 0; c < headings.size(); ++c)
        PrintAt(page, ConditionX(static_cast<int>(c)), headingY, headings[c]);

    for (int k = 1; k <= kTableRows; ++k)
        PrintAt(page, kNumberColumn + kTextInset, headingY + kRowHeight * k, std::to_string(k));
    LineSamples(page);

    // Only adopted curves: a record being prepared for a request is no curve yet.
    int row = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(facts.Table.ChartCount()) && row < kTableRows; ++i) {
        const ChartDataRecord& record = facts.Table.At(i);
        if (!BelongsTo(record, identity)) continue;
        ++row;
        const double y = headingY + kRowHeight * row;
        PrintAt(page, kPartColumn + kTextInset, y, PartNumberOf(facts.Library, record));
        const std::vector<std::string> cells =
            ConditionCells(identity, record, facts.DegreeSign, facts.DecimalSeparator);
        for (std::size_t c = 0; c < cells.size(); ++c)
            PrintAt(page, ConditionX(static_cast<int>(c)), y, cells[c]);
    }
}

void PrintChart(shared::PageCanvas& page, const std::string& caption, const ChartIdentity& identity,
                const ChartBodyDrawing& drawBody, const ChartPageFacts& facts) {
    page.SetScaleMode(shared::ScaleMode::Twips);
    page.SetFontSize(9.0);
    page.SetFontName("Arial");
    PrintChartHeader(page, caption);
    PrintChartBody(page, drawBody);
    PrintChartLegend(page, identity, facts);
}

}  // namespace darvo
