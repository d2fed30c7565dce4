#ifndef SHARED_CANVAS_CANVAS_TYPES_H
#define SHARED_CANVAS_CANVAS_TYPES_H

#include <string>

namespace shared {

// How the canvas coordinates are measured. Twips and Pixels put the origin at the
// top-left of the surface and size the scale to the surface, as the classic picture box
// and printer do; User is whatever SetScale last chose.
enum class ScaleMode { User, Twips, Pixels };

// Pen styles with their classic numbers, so stored or ported values keep their meaning.
enum class LineStyle {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Invisible = 5,
    InsideSolid = 6
};

// Page orientation with the classic printer values (1 portrait, 2 landscape).
enum class PageOrientation { Portrait = 1, Landscape = 2 };

// Whether a printer prints in colour (classic value 2) or in black only (1). Charts tell
// their traces apart by line width when it is Monochrome.
enum class PrinterColorMode { Monochrome = 1, Color = 2 };

// The text font of a canvas. Size is in points so that the same chart code gives the
// same physical text size on the screen and on a 600 dpi printer.
struct FontSpec {
    std::string name = "Arial";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// A font created for rotated text, described the way the chart routines describe it:
// character height and average character width in device pixels and a weight from 100
// (thin) to 900 (heavy); 0 means the normal weight.
struct RotatedFont {
    std::string name = "Arial";
    int height = 12;
    int averageWidth = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    friend bool operator==(const RotatedFont&, const RotatedFont&) = default;
};

// A rectangle of device pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// How copied pixels combine with the pixels already on a surface.
enum class RasterOp { Copy, And, Xor };

}  // namespace shared

#endif
