#include "shared/canvas/qt/canvas_sample.h"

#include "shared/canvas/chart_canvas.h"
#include "shared/canvas/qt/painter_canvas.h"

#include <QImage>

#include <cmath>
#include <numbers>
#include <string>

namespace shared {

namespace {

// The plot area in chart units, in the style of the rectangular charts: 3000 x 3000
// units, y growing upwards, a 2400-unit square plot area.
constexpr double kLeft = 470;
constexpr double kBottom = 400;
constexpr double kSize = 2400;
constexpr int kDecadesX = 3;  // 10 MHz ... 10 GHz
constexpr int kDecadesY = 4;  // 0.01 ... 100 ohm
constexpr double kFirstMHz = 10;
constexpr double kLowestOhm = 0.01;
constexpr Rgb kGrey{127, 127, 127};
constexpr Rgb kLightGrey{192, 192, 192};

double XOf(double megahertz) {
    return kLeft + kSize / kDecadesX * std::log10(megahertz / kFirstMHz);
}

double YOf(double ohm) {
    return kBottom + kSize / kDecadesY * std::log10(ohm / kLowestOhm);
}

// |Z| of a 1 nF capacitor with 0.5 nH and 20 mOhm in series: the familiar V shape.
double Impedance(double megahertz) {
    const double omega = 2 * std::numbers::pi * megahertz * 1e6;
    const double reactance = omega * 0.5e-9 - 1.0 / (omega * 1e-9);
    return std::hypot(0.02, reactance);
}

void DrawGrid(ChartCanvas& canvas) {
    const double right = kLeft + kSize;
    const double top = kBottom + kSize;
    canvas.FilledBox(kLeft, kBottom, right, top, kLightGrey);
    for (int g = 0; g <= kDecadesY; ++g) {
        const double y = kBottom + g * kSize / kDecadesY;
        canvas.Line(kLeft, y, right, y, canvas.ForeColor());
    }
    for (int m = 0; m < kDecadesX; ++m) {
        for (int h = 2; h <= 9; ++h) {
            const double x = kLeft + kSize / kDecadesX * (m + std::log10(h));
            canvas.Line(x, kBottom, x, top, kGrey);
        }
    }
    for (int h = 0; h <= kDecadesX; ++h) {
        const double x = kLeft + h * kSize / kDecadesX;
        canvas.Line(x, kBottom, x, top, canvas.ForeColor());
    }
}

void DrawLabels(ChartCanvas& canvas) {
    const char* const frequencyLabels[] = {"10", "100", "1,000", "10,000"};
    for (int k = 0; k <= kDecadesX; ++k) {
        const std::string label = frequencyLabels[k];
        canvas.SetCurrentX(kLeft + k * kSize / kDecadesX - canvas.TextWidth(label) / 2);
        canvas.SetCurrentY(350);
        canvas.Print(label);
    }
    const char* const valueLabels[] = {"0.01", "0.1", "1", "10", "100"};
    for (int e = 0; e <= kDecadesY; ++e) {
        const std::string label = valueLabels[e];
        canvas.SetCurrentX(440 - canvas.TextWidth(label));
        canvas.SetCurrentY(kBottom + 100 + e * kSize / kDecadesY);
        canvas.Print(label);
    }
    canvas.SetCurrentX(1400);
    canvas.SetCurrentY(200);
    canvas.Print("Frequency [MHz]");
    RotatedFont titleFont;
    titleFont.height = 12;
    titleFont.averageWidth = 5;
    titleFont.weight = 100;
    const std::string title = "Impedance [ohm]";
    canvas.PrintRotated(title, titleFont, 900, 5, static_cast<int>(canvas.TextWidth(title) / 15 + 100));
}

void DrawCurve(ChartCanvas& canvas) {
    constexpr int kPoints = 201;
    const auto frequencyAt = [](int i) {
        return kFirstMHz * std::pow(10.0, kDecadesX * static_cast<double>(i) / (kPoints - 1));
    };
    canvas.SetDrawWidth(2);
    for (int i = 0; i + 1 < kPoints; ++i) {
        const double f1 = frequencyAt(i);
        const double f2 = frequencyAt(i + 1);
        canvas.Line(XOf(f1), YOf(Impedance(f1)), XOf(f2), YOf(Impedance(f2)), colors::kBlue);
    }
    // The steep-curve style: thick dots instead of a line.
    canvas.SetDrawWidth(4);
    for (int i = 0; i < kPoints; i += 10) {
        const double f = frequencyAt(i);
        canvas.PSet(XOf(f), YOf(Impedance(f) * 3), Rgb{0, 128, 0});
    }
    canvas.SetDrawWidth(1);
}

void DrawCircles(ChartCanvas& canvas) {
    // A small Smith-style corner: a unit circle, a resistance circle and a reactance arc
    // between 126.87 and 270 degrees, as the Smith grid draws them.
    const double cx = 2500;
    const double cy = 2300;
    const double r = 300;
    canvas.Circle(cx, cy, r, Rgb{0, 160, 160});
    canvas.Circle(cx + r / 2, cy, r / 2, Rgb{0, 160, 160});
    canvas.SetDrawStyle(LineStyle::Dash);
    canvas.Line(cx - r, cy, cx + r, cy, Rgb{0, 160, 160});
    canvas.SetDrawStyle(LineStyle::Solid);
    canvas.Arc(cx + r, cy + r / 3, r / 3, colors::kRed, 126.87 * std::numbers::pi / 180,
               270 * std::numbers::pi / 180);
}

void DrawMarker(ChartCanvas& canvas) {
    const double f = 225;  // near the resonance
    canvas.ClearOverlay();
    canvas.BeginOverlay();
    canvas.FilledCircle(XOf(f), YOf(Impedance(f)), 100000.0 / 3625.6, colors::kRed, colors::kRed);
    canvas.EndOverlay();
}

}  // namespace

void DrawCanvasSample(ChartCanvas& canvas) {
    canvas.SetScale(0, 3000, 3000, -3000);
    canvas.SetBackColor(colors::kWhite);
    canvas.Cls();
    canvas.SetForeColor(colors::kBlack);
    FontSpec font;
    font.name = "Arial";
    font.size = 8.25;
    canvas.SetFont(font);
    DrawGrid(canvas);
    DrawLabels(canvas);
    DrawCurve(canvas);
    DrawCircles(canvas);
    canvas.Box(kLeft, kBottom, kLeft + kSize, kBottom + kSize, colors::kBlack);
    DrawMarker(canvas);
}

void RenderCanvasSample(QImage& image) {
    const int width = image.isNull() ? 600 : image.width();
    const int height = image.isNull() ? 400 : image.height();
    PainterCanvas canvas(width, height);
    DrawCanvasSample(canvas);
    image = canvas.ComposedImage();
}

}  // namespace shared
