#ifndef SHARED_CANVAS_CHART_CANVAS_H
#define SHARED_CANVAS_CHART_CANVAS_H

#include "shared/canvas/canvas_types.h"
#include "shared/canvas/pixel_image.h"
#include "shared/canvas/rgb.h"

#include <string>

namespace shared {

class PageCanvas;

// The drawing surface every chart, chip outline and printed page is drawn on: the
// window's picture, a hidden picture assembled for the clipboard, or the printer.
// Chart code draws only through this interface, so the same routine feeds the screen,
// the printer and a RecordingCanvas in tests.
//
// Coordinates are in the user scale (SetScale) unless a name says "pixel". A negative
// scale height makes y grow upwards, as every chart uses it. The canvas keeps the
// classic drawing state: current point, fore and back colour, pen width and style, font.
class ChartCanvas {
public:
    virtual ~ChartCanvas() = default;

    // --- Scale -------------------------------------------------------------------------
    // User coordinate system: (left, top) is the surface's top-left corner and
    // width x height its extent; a negative width or height flips that axis. A zero
    // width or height throws a RuntimeError (invalid procedure call) and keeps the old
    // scale, since nothing could be mapped through it.
    virtual void SetScale(double left, double top, double width, double height) = 0;
    // Twips or Pixels: origin at the top-left, extent the size of the surface in that
    // unit (the printed pages place their boxes in twips). User keeps the current scale.
    virtual void SetScaleMode(ScaleMode mode) = 0;
    virtual ScaleMode GetScaleMode() const = 0;
    virtual double ScaleLeft() const = 0;
    virtual double ScaleTop() const = 0;
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    // Size of the surface in device pixels and the device resolution, for the callers
    // that place text in device pixels or convert twips.
    virtual int PixelWidth() const = 0;
    virtual int PixelHeight() const = 0;
    virtual double DotsPerInch() const = 0;

    // User <-> device pixel conversions (positions, not lengths). The cursor hit test and
    // the rotated axis title need them.
    virtual double ToPixelX(double x) const = 0;
    virtual double ToPixelY(double y) const = 0;
    virtual double ToUserX(double pixelX) const = 0;
    virtual double ToUserY(double pixelY) const = 0;

    // --- Clearing and the current point ------------------------------------------------
    // Fills the surface (and the overlay) with the back colour and puts the current
    // point at (0, 0). On a printer page nothing already printed can be taken back, so
    // only the current point is reset.
    virtual void Cls() = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;

    // --- Drawing state -----------------------------------------------------------------
    virtual void SetForeColor(Rgb color) = 0;
    virtual Rgb ForeColor() const = 0;
    virtual void SetBackColor(Rgb color) = 0;
    virtual Rgb BackColor() const = 0;
    // Pen width in device pixels (1 pixel on the screen and on a 600 dpi printer alike,
    // which is why a printout sets 5 for its traces). Values below 1 count as 1.
    virtual void SetDrawWidth(int pixels) = 0;
    virtual int DrawWidth() const = 0;
    virtual void SetDrawStyle(LineStyle style) = 0;
    virtual LineStyle DrawStyle() const = 0;

    virtual void SetFont(const FontSpec& font) = 0;
    virtual FontSpec Font() const = 0;
    // Convenience setters for the single properties the print routines remember and
    // restore one by one.
    void SetFontName(const std::string& name) {
        FontSpec f = Font();
        f.name = name;
        SetFont(f);
    }
    void SetFontSize(double points) {
        FontSpec f = Font();
        f.size = points;
        SetFont(f);
    }
    void SetFontBold(bool bold) {
        FontSpec f = Font();
        f.bold = bold;
        SetFont(f);
    }
    void SetFontItalic(bool italic) {
        FontSpec f = Font();
        f.italic = italic;
        SetFont(f);
    }
    std::string FontName() const { return Font().name; }
    double FontSize() const { return Font().size; }

    // --- Text --------------------------------------------------------------------------
    // Extent of a text in the current font, in user units, always positive whatever the
    // direction of the scale.
    virtual double TextWidth(const std::string& text) const = 0;
    virtual double TextHeight(const std::string& text) const = 0;
    // Prints UTF-8 text in the fore colour with its top-left corner at the current point,
    // the text hanging down and to the right. Like the classic Print without a trailing
    // separator it then moves the current point to the start of the next line: CurrentX
    // back to ScaleLeft, CurrentY one TextHeight further down the page. The charts set
    // the current point before every text, so only multi-line notes rely on this.
    virtual void Print(const std::string& text) = 0;
    // Text through a created font turned by escapement (tenths of a degree,
    // counter-clockwise as seen), placed with its unrotated top-left corner at a device
    // pixel and drawn in the fore colour. Leaves the current point and font unchanged.
    virtual void PrintRotated(const std::string& text, const RotatedFont& font, int escapementTenths,
                              int pixelX, int pixelY) = 0;

    // --- Shapes (user coordinates; each also moves the current point to its end) -------
    virtual void Line(double x1, double y1, double x2, double y2, Rgb color) = 0;
    // Outline of the box with the two points as opposite corners.
    virtual void Box(double x1, double y1, double x2, double y2, Rgb color) = 0;
    // The box filled with the colour (outline included).
    virtual void FilledBox(double x1, double y1, double x2, double y2, Rgb color) = 0;
    // Full circle outline; the radius is measured in x user units, so a circle stays
    // round on a scale with different x and y units.
    virtual void Circle(double cx, double cy, double radius, Rgb color) = 0;
    // Arc of that circle from startAngle to endAngle, radians, counter-clockwise as seen
    // on the surface from the +x direction (with a y-up scale that is the usual
    // mathematical sense). An end below the start wraps through angle 0; equal angles
    // give the full circle.
    virtual void Arc(double cx, double cy, double radius, Rgb color, double startAngle, double endAngle) = 0;
    // Circle with its outline in one colour and its inside filled with another.
    virtual void FilledCircle(double cx, double cy, double radius, Rgb outline, Rgb fill) = 0;
    // One point; with a pen wider than one pixel it is a round dot of that diameter.
    virtual void PSet(double x, double y, Rgb color) = 0;

    // --- Overlay ---------------------------------------------------------------------
    // Drawing between BeginOverlay and EndOverlay goes to a transient layer above the
    // image (cursor markers). ClearOverlay empties that layer and leaves the image
    // exactly as it was, without redrawing. Surfaces without such a layer (the printer)
    // discard overlay drawing, so a marker never reaches paper.
    virtual void BeginOverlay() = 0;
    virtual void EndOverlay() = 0;
    virtual void ClearOverlay() = 0;

    // --- Pixels ----------------------------------------------------------------------
    // The persistent image inside rect (never the overlay). Parts outside the surface
    // come back in the back colour; a printer returns a blank picture.
    virtual PixelImage GrabPixels(const PixelRect& rect) = 0;
    // Combines a picture with the surface at a device pixel, one picture pixel per
    // device pixel.
    virtual void PutPixels(const PixelImage& image, int pixelX, int pixelY, RasterOp op = RasterOp::Copy) = 0;
    // Copies a rectangle of this canvas's image pixel for pixel onto another canvas.
    void CopyPixels(const PixelRect& source, ChartCanvas& target, int pixelX, int pixelY) {
        target.PutPixels(GrabPixels(source), pixelX, pixelY, RasterOp::Copy);
    }

    // The printer side of this canvas, or nullptr on screen and clipboard pictures. The
    // charts ask it for the colour mode to choose between colours and line widths.
    virtual PageCanvas* AsPage() noexcept { return nullptr; }
};

}  // namespace shared

#endif
