#ifndef SHARED_CANVAS_CANVAS_CALLS_H
#define SHARED_CANVAS_CANVAS_CALLS_H

#include "shared/canvas/canvas_types.h"
#include "shared/canvas/rgb.h"

#include <optional>
#include <string>
#include <variant>

namespace shared {

// One entry per call a RecordingCanvas received, in user coordinates. Each drawing entry
// carries the pen and layer in force when it was drawn, so a test can assert "trace 1 is
// blue and 5 pixels wide on the printer" from one entry without replaying the state.

struct ScaleCall {
    double left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const ScaleCall&, const ScaleCall&) = default;
};

struct ScaleModeCall {
    ScaleMode mode = ScaleMode::User;
    friend bool operator==(const ScaleModeCall&, const ScaleModeCall&) = default;
};

struct ClsCall {
    friend bool operator==(const ClsCall&, const ClsCall&) = default;
};

struct LineCall {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb color;
    int width = 1;
    LineStyle style = LineStyle::Solid;
    bool overlay = false;
    friend bool operator==(const LineCall&, const LineCall&) = default;
};

struct BoxCall {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb color;
    bool filled = false;
    int width = 1;
    LineStyle style = LineStyle::Solid;
    bool overlay = false;
    friend bool operator==(const BoxCall&, const BoxCall&) = default;
};

// A full circle, an arc (arc set) or a filled circle (fill set).
struct CircleCall {
    double cx = 0, cy = 0, radius = 0;
    Rgb color;
    bool arc = false;
    double startAngle = 0, endAngle = 0;
    std::optional<Rgb> fill;
    int width = 1;
    bool overlay = false;
    friend bool operator==(const CircleCall&, const CircleCall&) = default;
};

struct PointCall {
    double x = 0, y = 0;
    Rgb color;
    int width = 1;
    bool overlay = false;
    friend bool operator==(const PointCall&, const PointCall&) = default;
};

// Printed text with the current point it was printed at.
struct TextCall {
    double x = 0, y = 0;
    std::string text;
    Rgb color;
    FontSpec font;
    bool overlay = false;
    friend bool operator==(const TextCall&, const TextCall&) = default;
};

struct RotatedTextCall {
    std::string text;
    RotatedFont font;
    int escapementTenths = 0;
    int pixelX = 0, pixelY = 0;
    Rgb color;
    friend bool operator==(const RotatedTextCall&, const RotatedTextCall&) = default;
};

struct ForeColorCall {
    Rgb color;
    friend bool operator==(const ForeColorCall&, const ForeColorCall&) = default;
};

struct BackColorCall {
    Rgb color;
    friend bool operator==(const BackColorCall&, const BackColorCall&) = default;
};

struct DrawWidthCall {
    int width = 1;
    friend bool operator==(const DrawWidthCall&, const DrawWidthCall&) = default;
};

struct DrawStyleCall {
    LineStyle style = LineStyle::Solid;
    friend bool operator==(const DrawStyleCall&, const DrawStyleCall&) = default;
};

struct FontCall {
    FontSpec font;
    friend bool operator==(const FontCall&, const FontCall&) = default;
};

struct OverlayCall {
    enum class Action { Begin, End, Clear };
    Action action = Action::Begin;
    friend bool operator==(const OverlayCall&, const OverlayCall&) = default;
};

struct PixelsCall {
    enum class Action { Grab, Put };
    Action action = Action::Grab;
    PixelRect rect;
    RasterOp op = RasterOp::Copy;
    friend bool operator==(const PixelsCall&, const PixelsCall&) = default;
};

struct PageCall {
    enum class Action { Orientation, NewPage, EndDoc };
    Action action = Action::NewPage;
    PageOrientation orientation = PageOrientation::Portrait;
    friend bool operator==(const PageCall&, const PageCall&) = default;
};

using CanvasCall = std::variant<ScaleCall, ScaleModeCall, ClsCall, LineCall, BoxCall, CircleCall, PointCall,
                                TextCall, RotatedTextCall, ForeColorCall, BackColorCall, DrawWidthCall,
                                DrawStyleCall, FontCall, OverlayCall, PixelsCall, PageCall>;

}  // namespace shared

#endif
