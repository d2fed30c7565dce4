#include "shared/canvas/recording_canvas.h"

#include <algorithm>
#include <utility>

namespace shared {

namespace {

// The font model: a character is half an em wide, a line 1.2 em high.
constexpr double kCharWidthPerPoint = 0.5;
constexpr double kLineHeightPerPoint = 1.2;
constexpr double kPointsPerInch = 72.0;

// Code points, not bytes, so "°" counts as one character like any other.
int CodePointCount(const std::string& text) {
    return static_cast<int>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

RecordingCanvas::RecordingCanvas(int pixelWidth, int pixelHeight, double dotsPerInch, bool asPage)
    : CanvasWithState(pixelWidth, pixelHeight, dotsPerInch),
      // Paper cannot be read back, so a page keeps no pixels (and a 600 dpi page would
      // cost a hundred megabytes for nothing).
      pixels_(asPage ? 0 : state_.PixelWidth(), asPage ? 0 : state_.PixelHeight(), state_.backColor),
      asPage_(asPage) {}

void RecordingCanvas::Resize(int pixelWidth, int pixelHeight) {
    state_.SetDevice(pixelWidth, pixelHeight, state_.DotsPerInch());
    if (asPage_) return;
    PixelImage resized(state_.PixelWidth(), state_.PixelHeight(), state_.backColor);
    resized.Blit(pixels_, 0, 0);
    pixels_ = std::move(resized);
}

void RecordingCanvas::SetScale(double left, double top, double width, double height) {
    state_.SetScale(left, top, width, height);
    Record(ScaleCall{left, top, width, height});
}

void RecordingCanvas::SetScaleMode(ScaleMode mode) {
    state_.SetScaleMode(mode);
    Record(ScaleModeCall{mode});
}

void RecordingCanvas::Cls() {
    state_.currentX = 0;
    state_.currentY = 0;
    pixels_.Fill(state_.backColor);
    Record(ClsCall{});
}

void RecordingCanvas::SetForeColor(Rgb color) {
    state_.foreColor = color;
    Record(ForeColorCall{color});
}

void RecordingCanvas::SetBackColor(Rgb color) {
    state_.backColor = color;
    Record(BackColorCall{color});
}

void RecordingCanvas::SetDrawWidth(int pixels) {
    state_.drawWidth = std::max(1, pixels);
    Record(DrawWidthCall{state_.drawWidth});
}

void RecordingCanvas::SetDrawStyle(LineStyle style) {
    state_.drawStyle = style;
    Record(DrawStyleCall{style});
}

void RecordingCanvas::SetFont(const FontSpec& font) {
    state_.font = font;
    Record(FontCall{font});
}

double RecordingCanvas::TextWidth(const std::string& text) const {
    const double points = CodePointCount(text) * state_.font.size * kCharWidthPerPoint;
    return state_.PixelsToUserWidth(points * state_.DotsPerInch() / kPointsPerInch);
}

double RecordingCanvas::TextHeight(const std::string&) const {
    const double points = state_.font.size * kLineHeightPerPoint;
    return state_.PixelsToUserHeight(points * state_.DotsPerInch() / kPointsPerInch);
}

void RecordingCanvas::Print(const std::string& text) {
    Record(TextCall{state_.currentX, state_.currentY, text, state_.foreColor, state_.font, state_.inOverlay});
    state_.currentY += state_.DownwardSign() * TextHeight(text);
    state_.currentX = state_.Left();
}

void RecordingCanvas::PrintRotated(const std::string& text, const RotatedFont& font, int escapementTenths,
                                   int pixelX, int pixelY) {
    Record(RotatedTextCall{text, font, escapementTenths, pixelX, pixelY, state_.foreColor});
}

void RecordingCanvas::Line(double x1, double y1, double x2, double y2, Rgb color) {
    Record(LineCall{x1, y1, x2, y2, color, state_.drawWidth, state_.drawStyle, state_.inOverlay});
    state_.currentX = x2;
    state_.currentY = y2;
}

void RecordingCanvas::Box(double x1, double y1, double x2, double y2, Rgb color) {
    Record(BoxCall{x1, y1, x2, y2, color, false, state_.drawWidth, state_.drawStyle, state_.inOverlay});
    state_.currentX = x2;
    state_.currentY = y2;
}

void RecordingCanvas::FilledBox(double x1, double y1, double x2, double y2, Rgb color) {
    Record(BoxCall{x1, y1, x2, y2, color, true, state_.drawWidth, state_.drawStyle, state_.inOverlay});
    state_.currentX = x2;
    state_.currentY = y2;
}

void RecordingCanvas::Circle(double cx, double cy, double radius, Rgb color) {
    Record(CircleCall{cx, cy, radius, color, false, 0, 0, std::nullopt, state_.drawWidth, state_.inOverlay});
    state_.currentX = cx;
    state_.currentY = cy;
}

void RecordingCanvas::Arc(double cx, double cy, double radius, Rgb color, double startAngle,
                          double endAngle) {
    Record(CircleCall{cx, cy, radius, color, true, startAngle, endAngle, std::nullopt, state_.drawWidth,
                      state_.inOverlay});
    state_.currentX = cx;
    state_.currentY = cy;
}

void RecordingCanvas::FilledCircle(double cx, double cy, double radius, Rgb outline, Rgb fill) {
    Record(CircleCall{cx, cy, radius, outline, false, 0, 0, fill, state_.drawWidth, state_.inOverlay});
    state_.currentX = cx;
    state_.currentY = cy;
}

void RecordingCanvas::PSet(double x, double y, Rgb color) {
    Record(PointCall{x, y, color, state_.drawWidth, state_.inOverlay});
    state_.currentX = x;
    state_.currentY = y;
}

void RecordingCanvas::BeginOverlay() {
    state_.inOverlay = true;
    Record(OverlayCall{OverlayCall::Action::Begin});
}

void RecordingCanvas::EndOverlay() {
    state_.inOverlay = false;
    Record(OverlayCall{OverlayCall::Action::End});
}

void RecordingCanvas::ClearOverlay() {
    Record(OverlayCall{OverlayCall::Action::Clear});
}

PixelImage RecordingCanvas::GrabPixels(const PixelRect& rect) {
    Record(PixelsCall{PixelsCall::Action::Grab, rect, RasterOp::Copy});
    return pixels_.Crop(rect, state_.backColor);
}

void RecordingCanvas::PutPixels(const PixelImage& image, int pixelX, int pixelY, RasterOp op) {
    Record(PixelsCall{PixelsCall::Action::Put, PixelRect{pixelX, pixelY, image.Width(), image.Height()}, op});
    if (!state_.inOverlay) pixels_.Blit(image, pixelX, pixelY, op);
}

void RecordingCanvas::SetOrientation(PageOrientation orientation) {
    // A turned page swaps its extents, so twips scales follow the orientation.
    if (orientation != orientation_) Resize(state_.PixelHeight(), state_.PixelWidth());
    orientation_ = orientation;
    Record(PageCall{PageCall::Action::Orientation, orientation});
}

void RecordingCanvas::NewPage() {
    ++pagesEnded_;
    state_.currentX = 0;
    state_.currentY = 0;
    Record(PageCall{PageCall::Action::NewPage, orientation_});
}

void RecordingCanvas::EndDoc() {
    ++pagesEnded_;
    documentEnded_ = true;
    Record(PageCall{PageCall::Action::EndDoc, orientation_});
}

}  // namespace shared
