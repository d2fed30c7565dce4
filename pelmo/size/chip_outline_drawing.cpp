#include "pelmo/size/chip_outline_drawing.h"

#include "shared/canvas/chart_canvas.h"
#include "shared/errors/runtime_error.h"

#include <string>

namespace pelmo {

namespace {

constexpr shared::Rgb kGround = shared::colors::kWhite;
constexpr shared::Rgb kOutline{40, 40, 40};
constexpr shared::Rgb kCeramic{228, 208, 162};
constexpr shared::Rgb kTermination{178, 182, 190};
constexpr shared::Rgb kLand{222, 160, 102};
constexpr shared::Rgb kDimension{0, 0, 160};
constexpr shared::Rgb kLetter{0, 0, 110};

constexpr double kArrow = 1.6;          // arrow head length
constexpr double kLetterGap = 0.6;      // between a dimension line and its letter
constexpr double kExtensionOver = 1.2;  // extension lines reach past the dimension line

enum class Side { Above, Below, Left, Right };

// The few strokes every outline drawing is made of: parts of the chip and lands as
// filled boxes, dimension lines with arrow heads, extension lines and the letters.
class Figure {
public:
    explicit Figure(shared::ChartCanvas& canvas) : canvas_(canvas) {}

    void Part(double x1, double y1, double x2, double y2, shared::Rgb fill) {
        canvas_.FilledBox(x1, y1, x2, y2, fill);
        canvas_.Box(x1, y1, x2, y2, kOutline);
    }
    void Body(double x1, double y1, double x2, double y2) { Part(x1, y1, x2, y2, kCeramic); }
    void Termination(double x1, double y1, double x2, double y2) { Part(x1, y1, x2, y2, kTermination); }
    void Land(double x1, double y1, double x2, double y2) { Part(x1, y1, x2, y2, kLand); }
    // Where the chip sits on its lands.
    void ChipShadow(double x1, double y1, double x2, double y2) {
        canvas_.SetDrawStyle(shared::LineStyle::Dash);
        canvas_.Box(x1, y1, x2, y2, kOutline);
        canvas_.SetDrawStyle(shared::LineStyle::Solid);
    }

    void Extension(double x1, double y1, double x2, double y2) { canvas_.Line(x1, y1, x2, y2, kDimension); }
    // A horizontal measure from x1 to x2 drawn at height y, its letter above or below.
    void HorizontalMeasure(double x1, double x2, double y, const std::string& letter, Side side) {
        canvas_.Line(x1, y, x2, y, kDimension);
        const bool inside = x2 - x1 >= 3.5 * kArrow;
        const double direction = inside ? 1.0 : -1.0;
        ArrowHead(x1, y, direction, 0.0);
        ArrowHead(x2, y, -direction, 0.0);
        if (!inside) {
            canvas_.Line(x1 - 2.0 * kArrow, y, x1, y, kDimension);
            canvas_.Line(x2, y, x2 + 2.0 * kArrow, y, kDimension);
        }
        const double height = canvas_.TextHeight(letter);
        const double centreY =
            side == Side::Above ? y - kLetterGap - height / 2.0 : y + kLetterGap + height / 2.0;
        Letter(letter, (x1 + x2) / 2.0, centreY);
    }
    // A vertical measure from y1 to y2 drawn at x, its letter left or right of it.
    void VerticalMeasure(double x, double y1, double y2, const std::string& letter, Side side) {
        canvas_.Line(x, y1, x, y2, kDimension);
        const bool inside = y2 - y1 >= 3.5 * kArrow;
        const double direction = inside ? 1.0 : -1.0;
        ArrowHead(x, y1, 0.0, direction);
        ArrowHead(x, y2, 0.0, -direction);
        if (!inside) {
            canvas_.Line(x, y1 - 2.0 * kArrow, x, y1, kDimension);
            canvas_.Line(x, y2, x, y2 + 2.0 * kArrow, kDimension);
        }
        const double width = canvas_.TextWidth(letter);
        const double centreX =
            side == Side::Right ? x + kLetterGap + width / 2.0 : x - kLetterGap - width / 2.0;
        Letter(letter, centreX, (y1 + y2) / 2.0);
    }

    // Extension lines from the ends of an edge (at y) up or down to a measure at measureY.
    void ExtendVertically(double x, double fromY, double measureY) {
        const double over = measureY < fromY ? -kExtensionOver : kExtensionOver;
        Extension(x, fromY, x, measureY + over);
    }
    void ExtendHorizontally(double y, double fromX, double measureX) {
        const double over = measureX < fromX ? -kExtensionOver : kExtensionOver;
        Extension(fromX, y, measureX + over, y);
    }

private:
    // An arrow head at (x, y) pointing along (dx, dy), one of the axes.
    void ArrowHead(double x, double y, double dx, double dy) {
        const double spread = 0.55 * kArrow;
        canvas_.Line(x, y, x + dx * kArrow + dy * spread, y + dy * kArrow + dx * spread, kDimension);
        canvas_.Line(x, y, x + dx * kArrow - dy * spread, y + dy * kArrow - dx * spread, kDimension);
    }
    void Letter(const std::string& text, double centreX, double centreY) {
        canvas_.SetForeColor(kLetter);
        canvas_.SetCurrentX(centreX - canvas_.TextWidth(text) / 2.0);
        canvas_.SetCurrentY(centreY - canvas_.TextHeight(text) / 2.0);
        canvas_.Print(text);
    }

    shared::ChartCanvas& canvas_;
};

// Shapes 1 and 4 (the standard chip, terminals at the ends), shape 6 (the square
// die-attach chip) and shape 5 (length and width reversed, terminals on the long sides):
// all two-terminal chips, measured by L, W, T, e and g.
struct TwoTerminalChip {
    double left;       // top view, x
    double top;        // top view, y
    double length;     // L, along the terminal axis (x)
    double width;      // W (y)
    double band;       // e
    double sideTop;    // side view, y
    double thickness;  // T
};

void DrawTwoTerminalChip(Figure& figure, const TwoTerminalChip& chip) {
    const double x1 = chip.left;
    const double x2 = chip.left + chip.length;
    const double y1 = chip.top;
    const double y2 = chip.top + chip.width;
    const double band = chip.band;

    figure.Body(x1, y1, x2, y2);
    figure.Termination(x1, y1, x1 + band, y2);
    figure.Termination(x2 - band, y1, x2, y2);

    const double lengthY = y1 - 3.0;
    figure.ExtendVertically(x1, y1, lengthY);
    figure.ExtendVertically(x2, y1, lengthY);
    figure.HorizontalMeasure(x1, x2, lengthY, "L", Side::Above);

    const double widthX = x2 + 5.0;
    figure.ExtendHorizontally(y1, x2, widthX);
    figure.ExtendHorizontally(y2, x2, widthX);
    figure.VerticalMeasure(widthX, y1, y2, "W", Side::Right);

    const double bandY = y2 + 3.5;
    figure.ExtendVertically(x1, y2, bandY);
    figure.ExtendVertically(x1 + band, y2, bandY);
    figure.ExtendVertically(x2 - band, y2, bandY);
    figure.HorizontalMeasure(x1, x1 + band, bandY, "e", Side::Below);
    figure.HorizontalMeasure(x1 + band, x2 - band, bandY, "g", Side::Below);

    const double s1 = chip.sideTop;
    const double s2 = chip.sideTop + chip.thickness;
    figure.Body(x1, s1, x2, s2);
    figure.Termination(x1, s1, x1 + band, s2);
    figure.Termination(x2 - band, s1, x2, s2);
    figure.ExtendHorizontally(s1, x2, widthX);
    figure.ExtendHorizontally(s2, x2, widthX);
    figure.VerticalMeasure(widthX, s1, s2, "T", Side::Right);
}

// The two lands of a two-terminal chip: gap a, land length b, land width c.
struct TwoLandPattern {
    double left;  // outer edge of the first land
    double top;
    double length;  // b
    double gap;     // a
    double width;   // c
};

void DrawTwoLandPattern(Figure& figure, const TwoLandPattern& lands, double chipInset) {
    const double x1 = lands.left;
    const double x2 = x1 + lands.length;
    const double x3 = x2 + lands.gap;
    const double x4 = x3 + lands.length;
    const double y1 = lands.top;
    const double y2 = lands.top + lands.width;
    figure.Land(x1, y1, x2, y2);
    figure.Land(x3, y1, x4, y2);
    figure.ChipShadow(x1 + chipInset, y1 + 0.2 * lands.width, x4 - chipInset, y2 - 0.2 * lands.width);

    const double measureY = y1 - 3.0;
    for (const double x : {x1, x2, x3}) {
        figure.ExtendVertically(x, y1, measureY);
    }
    figure.HorizontalMeasure(x1, x2, measureY, "b", Side::Above);
    figure.HorizontalMeasure(x2, x3, measureY, "a", Side::Above);

    const double widthX = x4 + 5.0;
    figure.ExtendHorizontally(y1, x4, widthX);
    figure.ExtendHorizontally(y2, x4, widthX);
    figure.VerticalMeasure(widthX, y1, y2, "c", Side::Right);
}

void DrawStandardChip(Figure& figure, bool withLands) {
    // Without lands the chip has the whole height and is drawn larger.
    if (withLands) {
        DrawTwoTerminalChip(figure, {24, 12, 50, 20, 9, 46, 12});
        DrawTwoLandPattern(figure, {17, 72, 20, 24, 20}, 7);
    } else {
        DrawTwoTerminalChip(figure, {20, 16, 60, 26, 11, 64, 16});
    }
}

void DrawSquareChip(Figure& figure) {
    DrawTwoTerminalChip(figure, {30, 16, 40, 40, 9, 74, 12});
}

// Length and width reversed: the terminals run along the long sides, so the chip is
// narrow along its terminal axis; its lands stand beside it.
void DrawReversedChip(Figure& figure) {
    DrawTwoTerminalChip(figure, {14, 14, 26, 40, 6, 74, 12});
    DrawTwoLandPattern(figure, {58, 28, 10, 12, 40}, 4);
}

// Three terminals: the two ends and a ground terminal f across the middle, p from the
// chip's end to that terminal. Lands: end lands b x c, the gap a to the centre land of
// length d and width e.
void DrawThreeTerminalChip(Figure& figure) {
    const double x1 = 22, x2 = 78, y1 = 11, y2 = 31;
    const double band = 8, f1 = 45, f2 = 55;
    figure.Body(x1, y1, x2, y2);
    figure.Termination(x1, y1, x1 + band, y2);
    figure.Termination(x2 - band, y1, x2, y2);
    figure.Termination(f1, y1, f2, y1 + 5);
    figure.Termination(f1, y2 - 5, f2, y2);

    figure.ExtendVertically(x1, y1, y1 - 3);
    figure.ExtendVertically(x2, y1, y1 - 3);
    figure.HorizontalMeasure(x1, x2, y1 - 3, "L", Side::Above);
    figure.ExtendHorizontally(y1, x2, x2 + 5);
    figure.ExtendHorizontally(y2, x2, x2 + 5);
    figure.VerticalMeasure(x2 + 5, y1, y2, "W", Side::Right);

    const double measureY = y2 + 3.5;
    for (const double x : {x1, x1 + band, f1, f2, x2}) {
        figure.ExtendVertically(x, y2, measureY);
    }
    figure.HorizontalMeasure(x1, x1 + band, measureY, "e", Side::Below);
    figure.HorizontalMeasure(x1 + band, f1, measureY, "g", Side::Below);
    figure.HorizontalMeasure(f1, f2, measureY, "f", Side::Below);
    figure.HorizontalMeasure(f2, x2, measureY, "p", Side::Below);

    const double s1 = 44, s2 = 52;
    figure.Body(x1, s1, x2, s2);
    figure.Termination(x1, s1, x1 + band, s2);
    figure.Termination(x2 - band, s1, x2, s2);
    figure.Termination(f1, s1, f2, s2);
    figure.ExtendHorizontally(s1, x2, x2 + 5);
    figure.ExtendHorizontally(s2, x2, x2 + 5);
    figure.VerticalMeasure(x2 + 5, s1, s2, "T", Side::Right);

    // Lands.
    const double b1 = 14, b2 = 28, d1 = 45, d2 = 53, b3 = 70, b4 = 84;
    const double cy1 = 72, cy2 = 88, ey1 = 64, ey2 = 96;
    figure.Land(b1, cy1, b2, cy2);
    figure.Land(b3, cy1, b4, cy2);
    figure.Land(d1, ey1, d2, ey2);
    figure.ChipShadow(20, 75, 78, 85);
    const double landY = ey1 - 3.5;
    for (const double x : {b1, b2, d1, d2}) {
        figure.ExtendVertically(x, x == b1 || x == b2 ? cy1 : ey1, landY);
    }
    figure.HorizontalMeasure(b1, b2, landY, "b", Side::Above);
    figure.HorizontalMeasure(b2, d1, landY, "a", Side::Above);
    figure.HorizontalMeasure(d1, d2, landY, "d", Side::Above);
    figure.ExtendHorizontally(ey1, d2, d2 + 6);
    figure.ExtendHorizontally(ey2, d2, d2 + 6);
    figure.VerticalMeasure(d2 + 6, ey1, ey2, "e", Side::Right);
    figure.ExtendHorizontally(cy1, b4, b4 + 5);
    figure.ExtendHorizontally(cy2, b4, b4 + 5);
    figure.VerticalMeasure(b4 + 5, cy1, cy2, "c", Side::Right);
}

// Eight terminals, four on each long side: outer terminals f1 wide, inner ones f2, at
// pitch p; the bands reach e onto the top, g apart. Lands in two rows a apart, b long:
// outer lands c wide, inner ones f wide, e apart, at pitch d (outer to inner) and p.
void DrawEightTerminalChip(Figure& figure) {
    const double x1 = 22, x2 = 78, y1 = 11, y2 = 29, band = 5;
    const double centres[] = {32, 44, 56, 68};
    const double outer = 3.5, inner = 2.5;  // half widths
    figure.Body(x1, y1, x2, y2);
    for (int i = 0; i < 4; ++i) {
        const double half = i == 0 || i == 3 ? outer : inner;
        figure.Termination(centres[i] - half, y1, centres[i] + half, y1 + band);
        figure.Termination(centres[i] - half, y2 - band, centres[i] + half, y2);
    }
    figure.ExtendVertically(x1, y1, y1 - 3);
    figure.ExtendVertically(x2, y1, y1 - 3);
    figure.HorizontalMeasure(x1, x2, y1 - 3, "L", Side::Above);
    figure.ExtendHorizontally(y1, x2, x2 + 5);
    figure.ExtendHorizontally(y2, x2, x2 + 5);
    figure.VerticalMeasure(x2 + 5, y1, y2, "W", Side::Right);

    const double bandX = x1 - 4;
    figure.ExtendHorizontally(y1, centres[0] - outer, bandX);
    figure.ExtendHorizontally(y1 + band, centres[0] - outer, bandX);
    figure.ExtendHorizontally(y2 - band, centres[0] - outer, bandX);
    figure.VerticalMeasure(bandX, y1, y1 + band, "e", Side::Left);
    figure.VerticalMeasure(bandX, y1 + band, y2 - band, "g", Side::Left);

    const double measureY = y2 + 3.5;
    for (const double x : {centres[0] - outer, centres[0] + outer, centres[1] - inner, centres[1] + inner}) {
        figure.ExtendVertically(x, y2, measureY);
    }
    figure.ExtendVertically(centres[2], y2, measureY);
    figure.ExtendVertically(centres[3], y2, measureY);
    figure.HorizontalMeasure(centres[0] - outer, centres[0] + outer, measureY, "f1", Side::Below);
    figure.HorizontalMeasure(centres[1] - inner, centres[1] + inner, measureY, "f2", Side::Below);
    figure.HorizontalMeasure(centres[2], centres[3], measureY, "p", Side::Below);

    const double s1 = 44, s2 = 51;
    figure.Body(x1, s1, x2, s2);
    for (int i = 0; i < 4; ++i) {
        const double half = i == 0 || i == 3 ? outer : inner;
        figure.Termination(centres[i] - half, s1, centres[i] + half, s2);
    }
    figure.ExtendHorizontally(s1, x2, x2 + 5);
    figure.ExtendHorizontally(s2, x2, x2 + 5);
    figure.VerticalMeasure(x2 + 5, s1, s2, "T", Side::Right);

    // Lands: two rows.
    const double r1 = 64, r2 = 72, r3 = 78, r4 = 86;
    const double landOuter = 4, landInner = 3;
    for (int i = 0; i < 4; ++i) {
        const double half = i == 0 || i == 3 ? landOuter : landInner;
        figure.Land(centres[i] - half, r1, centres[i] + half, r2);
        figure.Land(centres[i] - half, r3, centres[i] + half, r4);
    }
    figure.ChipShadow(24, 66, 76, 84);
    const double rowX = x1 - 4;
    figure.ExtendHorizontally(r1, centres[0] - landOuter, rowX);
    figure.ExtendHorizontally(r2, centres[0] - landOuter, rowX);
    figure.ExtendHorizontally(r3, centres[0] - landOuter, rowX);
    figure.VerticalMeasure(rowX, r1, r2, "b", Side::Left);
    figure.VerticalMeasure(rowX, r2, r3, "a", Side::Left);

    const double topY = r1 - 3;
    for (const double x : {centres[0] - landOuter, centres[0] + landOuter, centres[1] - landInner,
                           centres[1] + landInner, centres[2] - landInner}) {
        figure.ExtendVertically(x, r1, topY);
    }
    figure.HorizontalMeasure(centres[0] - landOuter, centres[0] + landOuter, topY, "c", Side::Above);
    figure.HorizontalMeasure(centres[1] - landInner, centres[1] + landInner, topY, "f", Side::Above);
    figure.HorizontalMeasure(centres[1] + landInner, centres[2] - landInner, topY, "e", Side::Above);

    const double bottomY = r4 + 3;
    for (const double x : {centres[1], centres[2], centres[3]}) {
        figure.ExtendVertically(x, r4, bottomY);
    }
    figure.HorizontalMeasure(centres[1], centres[2], bottomY, "p", Side::Below);
    figure.HorizontalMeasure(centres[2], centres[3], bottomY, "d", Side::Below);
}

}  // namespace

void DrawChipOutline(shared::ChartCanvas& canvas, int shape) {
    if (shape < 1 || shape > 6) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall, "DrawChipOutline");
    }
    const double width = kOutlineBoxHeight * canvas.PixelWidth() / canvas.PixelHeight();
    canvas.SetScale(-(width - kOutlineBoxWidth) / 2.0, 0.0, width, kOutlineBoxHeight);
    canvas.SetBackColor(kGround);
    canvas.Cls();
    canvas.SetDrawWidth(1);
    canvas.SetDrawStyle(shared::LineStyle::Solid);
    shared::FontSpec font;
    font.name = "Arial";
    font.size = 8;
    font.bold = true;
    canvas.SetFont(font);

    Figure figure(canvas);
    switch (shape) {
        case 1:
            DrawStandardChip(figure, true);
            break;
        case 2:
            DrawThreeTerminalChip(figure);
            break;
        case 3:
            DrawEightTerminalChip(figure);
            break;
        case 4:
            DrawStandardChip(figure, false);
            break;
        case 5:
            DrawReversedChip(figure);
            break;
        default:
            DrawSquareChip(figure);
            break;
    }
}

}  // namespace pelmo
