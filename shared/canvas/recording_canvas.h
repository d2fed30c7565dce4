#ifndef SHARED_CANVAS_RECORDING_CANVAS_H
#define SHARED_CANVAS_RECORDING_CANVAS_H

#include "shared/canvas/canvas_calls.h"
#include "shared/canvas/canvas_state.h"
#include "shared/canvas/page_canvas.h"
#include "shared/canvas/pixel_image.h"

#include <vector>

namespace shared {

// A canvas that draws nothing and remembers everything: each call is logged with its
// arguments in user coordinates, so chart tests assert positions and colours without
// pixels or fonts. Setting the current point is not logged (the text entries carry the
// point they were printed at).
//
// Text is measured with a fixed font model instead of real fonts, so layouts that centre
// or right-align labels are testable and identical on every machine: each character
// (UTF-8 code point) is half the font size wide and a line is 1.2 times the font size
// high, in points at the canvas's resolution.
//
// Pixels are kept only for Cls and the pixel operations, so pixel copies and the masked
// picture can be checked on it; shapes and text are logged, not rasterised. A page keeps
// none and grabs blank pictures, as paper cannot be read back.
//
// Constructed as a page (asPage) it also answers AsPage() and logs the page calls; the
// fake printer hands such a canvas out.
class RecordingCanvas : public PageCanvas {
public:
    explicit RecordingCanvas(int pixelWidth = 640, int pixelHeight = 480,
                             double dotsPerInch = 96, bool asPage = false);

    const std::vector<CanvasCall>& Calls() const noexcept { return calls_; }
    void ClearCalls() noexcept { calls_.clear(); }
    // The logged calls of one kind, in order.
    template <typename T>
    std::vector<T> CallsOf() const {
        std::vector<T> result;
        for (const CanvasCall& call : calls_)
            if (const T* found = std::get_if<T>(&call))
                result.push_back(*found);
        return result;
    }

    // The pixels kept for the pixel operations.
    const PixelImage& Pixels() const noexcept { return pixels_; }
    // A resized picture: pixels keep their place, new ones take the back colour.
    void Resize(int pixelWidth, int pixelHeight);
    void SetColorMode(PrinterColorMode mode) noexcept { colorMode_ = mode; }
    int PagesEnded() const noexcept { return pagesEnded_; }
    bool DocumentEnded() const noexcept { return documentEnded_; }
    // A new document on the same page canvas (the fake printer reuses it).
    void StartDocument() noexcept { documentEnded_ = false; }

    void SetScale(double left, double top, double width, double height) override;
    void SetScaleMode(ScaleMode mode) override;
    ScaleMode GetScaleMode() const override { return state_.Mode(); }
    double ScaleLeft() const override { return state_.Left(); }
    double ScaleTop() const override { return state_.Top(); }
    double ScaleWidth() const override { return state_.Width(); }
    double ScaleHeight() const override { return state_.Height(); }
    int PixelWidth() const override { return state_.PixelWidth(); }
    int PixelHeight() const override { return state_.PixelHeight(); }
    double DotsPerInch() const override { return state_.DotsPerInch(); }
    double ToPixelX(double x) const override { return state_.ToPixelX(x); }
    double ToPixelY(double y) const override { return state_.ToPixelY(y); }
    double ToUserX(double pixelX) const override { return state_.ToUserX(pixelX); }
    double ToUserY(double pixelY) const override { return state_.ToUserY(pixelY); }

    void Cls() override;
    double CurrentX() const override { return state_.currentX; }
    double CurrentY() const override { return state_.currentY; }
    void SetCurrentX(double x) override { state_.currentX = x; }
    void SetCurrentY(double y) override { state_.currentY = y; }

    void SetForeColor(Rgb color) override;
    Rgb ForeColor() const override { return state_.foreColor; }
    void SetBackColor(Rgb color) override;
    Rgb BackColor() const override { return state_.backColor; }
    void SetDrawWidth(int pixels) override;
    int DrawWidth() const override { return state_.drawWidth; }
    void SetDrawStyle(LineStyle style) override;
    LineStyle DrawStyle() const override { return state_.drawStyle; }
    void SetFont(const FontSpec& font) override;
    FontSpec Font() const override { return state_.font; }

    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    void Print(const std::string& text) override;
    void PrintRotated(const std::string& text, const RotatedFont& font, int escapementTenths,
                      int pixelX, int pixelY) override;

    void Line(double x1, double y1, double x2, double y2, Rgb color) override;
    void Box(double x1, double y1, double x2, double y2, Rgb color) override;
    void FilledBox(double x1, double y1, double x2, double y2, Rgb color) override;
    void Circle(double cx, double cy, double radius, Rgb color) override;
    void Arc(double cx, double cy, double radius, Rgb color, double startAngle,
             double endAngle) override;
    void FilledCircle(double cx, double cy, double radius, Rgb outline, Rgb fill) override;
    void PSet(double x, double y, Rgb color) override;

    void BeginOverlay() override;
    void EndOverlay() override;
    void ClearOverlay() override;

    PixelImage GrabPixels(const PixelRect& rect) override;
    void PutPixels(const PixelImage& image, int pixelX, int pixelY, RasterOp op) override;

    void SetOrientation(PageOrientation orientation) override;
    PageOrientation Orientation() const override { return orientation_; }
    PrinterColorMode ColorMode() const override { return colorMode_; }
    void NewPage() override;
    void EndDoc() override;
    PageCanvas* AsPage() noexcept override { return asPage_ ? this : nullptr; }

private:
    void Record(CanvasCall call) { calls_.push_back(std::move(call)); }

    CanvasState state_;
    std::vector<CanvasCall> calls_;
    PixelImage pixels_;
    bool asPage_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    PrinterColorMode colorMode_ = PrinterColorMode::Color;
    int pagesEnded_ = 0;
    bool documentEnded_ = false;
};

}  // namespace shared

#endif
