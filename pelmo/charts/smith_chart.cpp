#include "pelmo/charts/smith_chart.h"

#include "pelmo/charts/chart_style.h"
#include "pelmo/charts/trace_store.h"

#include "shared/canvas/chart_canvas.h"
#include "shared/canvas/page_canvas.h"

namespace pelmo {

namespace {

constexpr double kSmithScale = 2400.0;
constexpr double kPrintedSmithTwips = 7100.0;

// The arc angles as the grid has always stored them: degrees times pi, over 180.
constexpr double k126_87 = 398.57386001298005 / 180;
constexpr double k270 = 848.23001658 / 180;
constexpr double k90 = 282.74333886 / 180;
constexpr double k233_13 = 732.39949542702 / 180;
constexpr double k180 = 565.48667772 / 180;

void DrawGrid(shared::ChartCanvas& canvas) {
    const shared::Rgb c = canvas.ForeColor();
    canvas.Circle(0, 0, 1000, c);                                // R = 0
    canvas.Circle(250, 0, 750, c);                               // R = 1/3
    canvas.Circle(500, 0, 500, c);                               // R = 1
    canvas.Circle(750, 0, 250, c);                               // R = 3
    canvas.Arc(1000, 1000.0 / 3, 1000.0 / 3, c, k126_87, k270);  // X = +3
    canvas.Arc(1000, -1000.0 / 3, 1000.0 / 3, c, k90, k233_13);  // X = -3
    canvas.Arc(1000, 1000, 1000, c, k180, k270);                 // X = +1
    canvas.Arc(1000, -1000, 1000, c, k90, k180);                 // X = -1
    canvas.Arc(1000, 3000, 3000, c, k233_13, k270);              // X = +1/3
    canvas.Arc(1000, -3000, 3000, c, k90, k126_87);              // X = -1/3
    canvas.Line(-1000, 0, 1000, 0, c);
    canvas.Line(0, -1000, 0, 1000, c);
}

void DrawLabels(shared::ChartCanvas& canvas) {
    struct Label {
        double x, y;
        const char* text;
    };
    static constexpr Label kLabels[] = {{-1000, 0, "R=0"}, {-500, 0, "R=1/3"},   {0, 0, "R=1"},
                                        {500, 0, "R=3"},   {-750, 700, "X=1/3"}, {0, 1000, "X=1"},
                                        {800, 700, "X=3"}};
    canvas.SetForeColor(shared::colors::kBlack);
    for (const Label& label : kLabels) {
        canvas.SetCurrentX(label.x);
        canvas.SetCurrentY(label.y);
        canvas.Print(label.text);
    }
}

}  // namespace

void PrepareSmithTarget(shared::ChartCanvas& canvas) {
    if (canvas.AsPage() == nullptr) {
        canvas.SetScale(-kSmithScale / 2, kSmithScale / 2, kSmithScale, -kSmithScale);
        canvas.Cls();
        canvas.SetForeColor(kSmithGridCyan);
        return;
    }
    const double w = canvas.ScaleWidth();
    const double h = canvas.ScaleHeight();
    canvas.SetScale(-1400, (kPrintedSmithTwips / 2 + 1200) * kSmithScale / kPrintedSmithTwips,
                    w * kSmithScale / kPrintedSmithTwips, -h * kSmithScale / kPrintedSmithTwips);
}

void DrawSmithChart(shared::ChartCanvas& canvas, const TraceStore& store, int slot, SParameter sParameter) {
    DrawGrid(canvas);
    DrawLabels(canvas);

    const int re = sParameter == SParameter::S21 ? 3 : 1;
    const int im = re + 1;
    shared::PageCanvas* page = canvas.AsPage();
    const bool monochrome = page != nullptr && page->ColorMode() == shared::PrinterColorMode::Monochrome;
    const shared::Rgb color = monochrome ? canvas.ForeColor() : shared::colors::kBlue;
    if (page != nullptr) canvas.SetDrawWidth(kColorPrintTraceWidth);
    for (int i = 0; i < kChartPointCount - 1; ++i)
        canvas.Line(kSmithUnit * store.Value(slot, re, i), kSmithUnit * store.Value(slot, im, i),
                    kSmithUnit * store.Value(slot, re, i + 1), kSmithUnit * store.Value(slot, im, i + 1),
                    color);
    if (page != nullptr) canvas.SetDrawWidth(1);
}

}  // namespace pelmo
