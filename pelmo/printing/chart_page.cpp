#include "pelmo/printing/chart_page.h"

#include "pelmo/charts/chart_style.h"
#include "pelmo/charts/chart_window_model.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/printing/printed_legend_cells.h"

#include "shared/canvas/page_canvas.h"
#include "shared/canvas/print_at.h"

#include <array>
#include <string>
#include <vector>

namespace pelmo {

namespace {

using shared::colors::kBlack;

// The page in twips from the printable origin: a 14200-twip line from x 500 to 14700.
constexpr double kPageLeft = 500.0;
constexpr double kPageRight = 14700.0;
constexpr double kHeaderTop = 800.0;
constexpr double kHeaderBottom = 1100.0;
constexpr double kBodyTop = 1200.0;
constexpr double kBodyBottom = 8300.0;
constexpr double kTableTop = 8400.0;
constexpr double kTableBottom = 10700.0;
constexpr int kFrameWidth = 3;

// The table: rules start at 8500, one 300-twip row for the headings and each trace.
constexpr double kRulesTop = 8500.0;
constexpr double kRowHeight = 300.0;
constexpr double kTextInset = 50.0;
constexpr double kSampleInset = 150.0;
constexpr int kTableRows = 6;

constexpr double kNumberColumn = 600.0;
constexpr double kLineColumn = 1000.0;
constexpr double kPartColumn = 1500.0;
constexpr double kTemperatureColumn = 4500.0;
constexpr double kBiasColumn = 6200.0;
constexpr double kSParameterColumn = 7900.0;
constexpr double kConnectionColumn = 9000.0;
constexpr double kWideRight = 10100.0;
constexpr double kNarrowRight = 7900.0;
constexpr double kSampleLeft = 1100.0;
constexpr double kSampleRight = 1400.0;

// An empty cell prints nothing, so a row without a trace leaves no marks.
void PrintAt(shared::PageCanvas& page, double x, double y, const std::string& text) {
    if (text.empty()) return;
    shared::PrintAt(page, x, y, text);
}

// The outer box of the table, in the heavy frame pen.
void TableBox(shared::PageCanvas& page) {
    page.SetDrawWidth(kFrameWidth);
    page.SetDrawStyle(shared::LineStyle::Solid);
    page.Box(kPageLeft, kTableTop, kPageRight, kTableBottom, kBlack);
    page.SetDrawWidth(1);
}

void HorizontalRules(shared::PageCanvas& page, int rows, double right) {
    for (int i = 0; i <= rows + 1; ++i) {
        const double y = kRulesTop + kRowHeight * i;
        page.Line(kNumberColumn, y, right, y, kBlack);
    }
}

void VerticalRules(shared::PageCanvas& page, int rows, bool wide) {
    const double bottom = kRulesTop + kRowHeight * (rows + 1);
    std::vector<double> columns{kNumberColumn,      kLineColumn, kPartColumn,
                                kTemperatureColumn, kBiasColumn, kSParameterColumn};
    if (wide) {
        columns.push_back(kConnectionColumn);
        columns.push_back(kWideRight);
    }
    for (const double x : columns) page.Line(x, kRulesTop, x, bottom, page.ForeColor());
}

void Headings(shared::PageCanvas& page, bool wide, const std::string& degreeSign) {
    const double y = kRulesTop + kTextInset;
    PrintAt(page, kNumberColumn + kTextInset, y, "No.");
    PrintAt(page, kLineColumn + kTextInset, y, "Line");
    PrintAt(page, kPartColumn + kTextInset, y, "Orvane Part Number");
    PrintAt(page, kTemperatureColumn + kTextInset, y, "Operation Temp[" + degreeSign + "C]");
    PrintAt(page, kBiasColumn + kTextInset, y, "DC Bias Voltage[V]");
    if (wide) {
        PrintAt(page, kSParameterColumn + kTextInset, y, "S11 or S21");
        PrintAt(page, kConnectionColumn + kTextInset, y, "Circuit Mode");
    }
}

bool PrintsInColour(const shared::PageCanvas& page) {
    return page.ColorMode() == shared::PrinterColorMode::Color;
}

// The line sample of row k (1 to 6): the trace's colour on a colour printer, else the
// fore colour in the trace's black-only width, as the chart drew the trace itself.
void LineSample(shared::PageCanvas& page, int k, shared::Rgb colour) {
    const double y = kRulesTop + kRowHeight * k + kSampleInset;
    if (PrintsInColour(page)) {
        page.SetDrawWidth(kColorPrintTraceWidth);
        page.Line(kSampleLeft, y, kSampleRight, y, colour);
        page.SetDrawWidth(1);
        return;
    }
    page.SetDrawStyle(shared::LineStyle::Solid);
    page.SetDrawWidth(kMonochromeTraceWidths[static_cast<std::size_t>(k - 1)]);
    page.Line(kSampleLeft, y, kSampleRight, y, page.ForeColor());
    page.SetDrawWidth(1);
}

void Cells(shared::PageCanvas& page, int k, const PrintedLegendCells& cells, bool wide) {
    const double y = kRulesTop + kRowHeight * k + kTextInset;
    PrintAt(page, kPartColumn + kTextInset, y, cells.PartNumber);
    PrintAt(page, kTemperatureColumn + kTextInset, y, cells.Temperature);
    PrintAt(page, kBiasColumn + kTextInset, y, cells.DcBias);
    if (wide) {
        PrintAt(page, kSParameterColumn + kTextInset, y, cells.SParameter);
        PrintAt(page, kConnectionColumn + kTextInset, y, cells.Connection);
    }
}

}  // namespace

std::string PrintChartName(const std::string& caption) {
    const std::size_t chart = caption.find("Chart");
    if (chart == std::string::npos) return caption;
    return caption.substr(0, chart > 0 && caption[chart - 1] == ' ' ? chart - 1 : chart);
}

std::string PrintQuestionText(const std::string& chartName) {
    return "Would you print " + chartName + " Chart ?";
}

void PrintChartHeader(shared::PageCanvas& page, const std::string& chartName) {
    page.SetDrawWidth(kFrameWidth);
    page.Box(kPageLeft, kHeaderTop, kPageRight, kHeaderBottom, kBlack);
    PrintAt(page, 550.0, 850.0, chartName + " Chart");
    PrintAt(page, 10700.0, 850.0, kProductTitle);
}

void PrintChartBody(shared::PageCanvas& page, ChartWindowModel& model, ChartContext& context) {
    const double width = page.ScaleWidth();
    const double height = page.ScaleHeight();
    const double left = page.ScaleLeft();
    const double top = page.ScaleTop();
    page.SetDrawWidth(kFrameWidth);
    page.Box(kPageLeft, kBodyTop, kPageRight, kBodyBottom, kBlack);
    page.SetDrawWidth(1);
    // Not the window's own picture: the drawing only reads the window's trace copy.
    model.Draw(page, false, context, {});
    page.SetScale(left, top, width, height);
    page.SetScaleMode(shared::ScaleMode::Twips);
    page.SetDrawWidth(1);
    page.SetDrawStyle(shared::LineStyle::Solid);
}

void PrintChartLegend(shared::PageCanvas& page, ChartKind kind,
                      const std::vector<std::string>& legendCaptions, const ChartContext& context) {
    const bool wide = kind == ChartKind::Magnitude || kind == ChartKind::Phase;
    TableBox(page);
    HorizontalRules(page, kTableRows, wide ? kWideRight : kNarrowRight);
    VerticalRules(page, kTableRows, wide);
    Headings(page, wide, context.DegreeSign);
    for (int k = 1; k <= kTableRows; ++k)
        PrintAt(page, kNumberColumn + kTextInset, kRulesTop + kTextInset + kRowHeight * k, std::to_string(k));
    for (int k = 1; k <= kTableRows; ++k) LineSample(page, k, kTraceColors[static_cast<std::size_t>(k - 1)]);
    for (int k = 1; k <= kTableRows; ++k) {
        const std::size_t index = static_cast<std::size_t>(k - 1);
        const std::string caption = index < legendCaptions.size() ? legendCaptions[index] : std::string();
        Cells(page, k, RectangularLegendCells(caption, wide, context.Parts, context.CodeSystem), wide);
    }
}

void PrintSmithLegend(shared::PageCanvas& page, const std::vector<std::string>& labels,
                      const ChartContext& context) {
    TableBox(page);
    HorizontalRules(page, 1, kWideRight);
    VerticalRules(page, 1, true);
    Headings(page, true, context.DegreeSign);
    PrintAt(page, kNumberColumn + kTextInset, kRulesTop + kTextInset + kRowHeight, "1");
    const double y = kRulesTop + kRowHeight + kSampleInset;
    page.SetDrawWidth(kColorPrintTraceWidth);
    page.Line(kSampleLeft, y, kSampleRight, y,
              PrintsInColour(page) ? shared::colors::kBlue : page.ForeColor());
    page.SetDrawWidth(1);
    std::array<std::string, 6> six;
    for (std::size_t i = 0; i < six.size() && i < labels.size(); ++i) six[i] = labels[i];
    Cells(page, 1, SmithLegendCells(six, context.Parts, context.CodeSystem), true);
}

void PrintChart(shared::PageCanvas& page, ChartWindowModel& model, ChartContext& context,
                const std::vector<std::string>& legendCaptions) {
    PrintChartHeader(page, std::string(model.ChartName()));
    PrintChartBody(page, model, context);
    if (model.IsSmith())
        PrintSmithLegend(page, legendCaptions, context);
    else
        PrintChartLegend(page, model.Kind(), legendCaptions, context);
}

}  // namespace pelmo
