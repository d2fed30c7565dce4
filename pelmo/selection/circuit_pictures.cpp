#include "pelmo/selection/circuit_pictures.h"

#include "shared/canvas/chart_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace pelmo {

namespace {

using shared::ChartCanvas;
using shared::Rgb;

struct PictureEntry {
    CircuitPicture picture;
    const char* key;
    TwipsSize size;
};

// Equivalent circuits get the width of the readout column; connection pictures are
// half as wide so that Series and Shunt sit side by side.
constexpr std::array<PictureEntry, 5> kPictures{{
    {CircuitPicture::CapacitorCircuit, "cec", {2850, 900}},
    {CircuitPicture::CapacitorSeries, "cseries", {1170, 690}},
    {CircuitPicture::CapacitorShunt, "cshunt", {1170, 690}},
    {CircuitPicture::InductorCircuit, "iec", {2850, 900}},
    {CircuitPicture::InductorSeries, "iseries", {1170, 690}},
}};

// Every picture is drawn in a user scale of one unit per ten twips, whatever the pixel
// size, so the coordinates below read as a sketch on squared paper: x from 0 to the
// picture's width in units, y from 0 (top) down to its height.
constexpr double kUnitsPerTwip = 0.1;

// Colours of the strokes; the mask layer draws all of them in black.
constexpr Rgb kWire{0, 0, 0};
constexpr Rgb kResistor{160, 0, 0};
constexpr Rgb kInductor{0, 0, 170};
constexpr Rgb kCapacitor{0, 110, 0};
constexpr Rgb kPort{90, 90, 90};
constexpr Rgb kText{0, 0, 0};

// One picture layer being drawn: where the strokes go and in which ink.
class Sketch {
public:
    Sketch(ChartCanvas& canvas, CircuitLayer layer) : canvas_(canvas), layer_(layer) {}

    Rgb Ink(Rgb color) const { return layer_ == CircuitLayer::Mask ? shared::colors::kBlack : color; }

    void Line(double x1, double y1, double x2, double y2, Rgb color) {
        canvas_.Line(x1, y1, x2, y2, Ink(color));
    }

    // A port terminal: an open circle the wire ends at.
    void Terminal(double x, double y) { canvas_.Circle(x, y, 2.5, Ink(kPort)); }

    // A resistor as a zigzag of six strokes from (x, y) to (x + length, y).
    void Resistor(double x, double y, double length) {
        const double step = length / 6.0;
        double fromX = x;
        double fromY = y;
        for (int i = 1; i <= 6; ++i) {
            const double toX = x + step * i;
            const double toY = i == 6 ? y : y + (i % 2 == 1 ? -4.0 : 4.0);
            Line(fromX, fromY, toX, toY, kResistor);
            fromX = toX;
            fromY = toY;
        }
    }

    // An inductor as four half-turns above the wire from (x, y) to (x + length, y).
    void InductorAcross(double x, double y, double length) {
        const double radius = length / 8.0;
        for (int i = 0; i < 4; ++i)
            canvas_.Arc(x + radius * (2 * i + 1), y, radius, Ink(kInductor), 0.0, std::numbers::pi);
        // The arcs meet the wire in single pixels; short stubs make the joins visible.
        Line(x, y, x, y, kInductor);
        Line(x + length, y, x + length, y, kInductor);
    }

    // An inductor standing from (x, y) down to (x, y + length), its turns to the right.
    void InductorDown(double x, double y, double length) {
        const double radius = length / 8.0;
        for (int i = 0; i < 4; ++i)
            canvas_.Arc(x, y + radius * (2 * i + 1), radius, Ink(kInductor), 1.5 * std::numbers::pi,
                        0.5 * std::numbers::pi);
    }

    // A capacitor across the wire: two plates gap apart, centred on x.
    void CapacitorAcross(double x, double y, double gap, double plate) {
        const double a = x - gap / 2;
        const double b = x + gap / 2;
        Line(a, y - plate / 2, a, y + plate / 2, kCapacitor);
        Line(b, y - plate / 2, b, y + plate / 2, kCapacitor);
        Line(a + 1, y - plate / 2, a + 1, y + plate / 2, kCapacitor);
        Line(b - 1, y - plate / 2, b - 1, y + plate / 2, kCapacitor);
    }

    // A capacitor in a vertical wire: two horizontal plates, centred on y.
    void CapacitorDown(double x, double y, double gap, double plate) {
        const double a = y - gap / 2;
        const double b = y + gap / 2;
        Line(x - plate / 2, a, x + plate / 2, a, kCapacitor);
        Line(x - plate / 2, b, x + plate / 2, b, kCapacitor);
        Line(x - plate / 2, a + 1, x + plate / 2, a + 1, kCapacitor);
        Line(x - plate / 2, b - 1, x + plate / 2, b - 1, kCapacitor);
    }

    // The ground symbol hanging below (x, y).
    void Ground(double x, double y) {
        Line(x - 6, y, x + 6, y, kWire);
        Line(x - 4, y + 2.5, x + 4, y + 2.5, kWire);
        Line(x - 2, y + 5, x + 2, y + 5, kWire);
    }

    // A label with its centre at (x, y).
    void Label(const std::string& text, double x, double y) {
        canvas_.SetForeColor(Ink(kText));
        canvas_.SetCurrentX(x - canvas_.TextWidth(text) / 2);
        canvas_.SetCurrentY(y - canvas_.TextHeight(text) / 2);
        canvas_.Print(text);
    }

private:
    ChartCanvas& canvas_;
    CircuitLayer layer_;
};

const PictureEntry& EntryOf(CircuitPicture picture) {
    return *std::find_if(kPictures.begin(), kPictures.end(),
                         [picture](const PictureEntry& entry) { return entry.picture == picture; });
}

// o--R--L--C--o: the series circuit whose values the readouts list.
void DrawCapacitorCircuit(Sketch& s) {
    const double y = 54;
    s.Terminal(8, y);
    s.Line(10.5, y, 40, y, kWire);
    s.Resistor(40, y, 42);
    s.Line(82, y, 112, y, kWire);
    s.InductorAcross(112, y, 56);
    s.Line(168, y, 218, y, kWire);
    s.CapacitorAcross(224, y, 12, 24);
    s.Line(230, y, 274, y, kWire);
    s.Terminal(276.5, y);
    s.Label("R", 61, 32);
    s.Label("L", 140, 32);
    s.Label("C", 224, 30);
}

// L and R in series, the parallel capacitance bridging both.
void DrawInductorCircuit(Sketch& s) {
    const double y = 58;
    const double top = 24;
    s.Terminal(8, y);
    s.Line(10.5, y, 60, y, kWire);
    s.InductorAcross(60, y, 56);
    s.Line(116, y, 150, y, kWire);
    s.Resistor(150, y, 42);
    s.Line(192, y, 274, y, kWire);
    s.Terminal(276.5, y);
    // The bridge: from the node left of L to the node right of R.
    s.Line(36, y, 36, top, kWire);
    s.Line(36, top, 137, top, kWire);
    s.CapacitorAcross(143, top, 12, 22);
    s.Line(149, top, 250, top, kWire);
    s.Line(250, top, 250, y, kWire);
    s.Label("L", 88, 74);
    s.Label("R", 171, 74);
    s.Label("C", 124, 12);
}

// Port 1 on the left, port 2 on the right, the return line along the bottom.
void DrawPorts(Sketch& s, double top, double bottom, double right) {
    s.Terminal(8, top);
    s.Terminal(8, bottom);
    s.Terminal(right - 8, top);
    s.Terminal(right - 8, bottom);
    s.Line(10.5, bottom, right - 10.5, bottom, kWire);
    s.Label("1", 8, (top + bottom) / 2);
    s.Label("2", right - 8, (top + bottom) / 2);
}

// The chip between the two ports.
void DrawSeries(Sketch& s, bool inductor) {
    const double top = 16;
    const double bottom = 56;
    const double right = 117;
    DrawPorts(s, top, bottom, right);
    const double mid = right / 2;
    if (inductor) {
        s.Line(10.5, top, mid - 20, top, kWire);
        s.InductorAcross(mid - 20, top, 40);
        s.Line(mid + 20, top, right - 10.5, top, kWire);
    } else {
        s.Line(10.5, top, mid - 5, top, kWire);
        s.CapacitorAcross(mid, top, 10, 22);
        s.Line(mid + 5, top, right - 10.5, top, kWire);
    }
    s.Ground(mid, bottom + 3);
    s.Line(mid, bottom, mid, bottom + 3, kWire);
}

// The chip from the through line down to the return line.
void DrawShunt(Sketch& s) {
    const double top = 16;
    const double bottom = 56;
    const double right = 117;
    DrawPorts(s, top, bottom, right);
    const double mid = right / 2;
    s.Line(10.5, top, right - 10.5, top, kWire);
    s.Line(mid, top, mid, (top + bottom) / 2 - 5, kWire);
    s.CapacitorDown(mid, (top + bottom) / 2, 10, 22);
    s.Line(mid, (top + bottom) / 2 + 5, mid, bottom, kWire);
    s.Ground(mid, bottom + 3);
    s.Line(mid, bottom, mid, bottom + 3, kWire);
}

}  // namespace

std::optional<CircuitPicture> CircuitPictureOf(std::string_view key) {
    for (const PictureEntry& entry : kPictures)
        if (key == entry.key) return entry.picture;
    return std::nullopt;
}

std::string CircuitPictureKey(CircuitPicture picture) {
    return EntryOf(picture).key;
}

std::string CircuitMaskKey(CircuitPicture picture) {
    return CircuitPictureKey(picture) + "_mask";
}

TwipsSize CircuitPictureTwips(CircuitPicture picture) noexcept {
    return EntryOf(picture).size;
}

void DrawCircuitPicture(ChartCanvas& canvas, CircuitPicture picture, CircuitLayer layer) {
    const TwipsSize size = CircuitPictureTwips(picture);
    canvas.SetBackColor(layer == CircuitLayer::Mask ? shared::colors::kWhite : shared::colors::kBlack);
    canvas.Cls();
    canvas.SetScale(0, 0, size.Width * kUnitsPerTwip, size.Height * kUnitsPerTwip);
    canvas.SetDrawWidth(std::max(1, static_cast<int>(std::lround(canvas.DotsPerInch() / 96.0))));
    canvas.SetDrawStyle(shared::LineStyle::Solid);
    shared::FontSpec font;
    font.name = "Arial";
    font.size = 8;
    canvas.SetFont(font);
    Sketch sketch(canvas, layer);
    switch (picture) {
        case CircuitPicture::CapacitorCircuit:
            DrawCapacitorCircuit(sketch);
            break;
        case CircuitPicture::InductorCircuit:
            DrawInductorCircuit(sketch);
            break;
        case CircuitPicture::CapacitorSeries:
            DrawSeries(sketch, false);
            break;
        case CircuitPicture::InductorSeries:
            DrawSeries(sketch, true);
            break;
        case CircuitPicture::CapacitorShunt:
            DrawShunt(sketch);
            break;
    }
}

}  // namespace pelmo
