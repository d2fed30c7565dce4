#ifndef SHARED_CANVAS_RECORDING_CANVAS_H
#define SHARED_CANVAS_RECORDING_CANVAS_H

#include "shared/canvas/canvas_calls.h"
#include "shared/canvas/canvas_with_state.h"
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
class RecordingCanvas : public CanvasWithState<PageCanvas> {
public:
    explicit RecordingCanvas(int pixelWidth = 640, int pixelHeight = 480, double dotsPerInch = 96,
                             bool asPage = false);

    const std::vector<CanvasCall>& Calls() const noexcept { return calls_; }
    void ClearCalls() noexcept { calls_.clear(); }
    // The logged calls of one kind, in order.
    template <typename T>
    std::vector<T> CallsOf() const {
        std::vector<T> result;
        for (const CanvasCall& call : calls_)
            if (const T* found = std::get_if<T>(&call)) result.push_back(*found);
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

    void Cls() override;

    void SetForeColor(Rgb color) override;
    void SetBackColor(Rgb color) override;
    void SetDrawWidth(int pixels) override;
    void SetDrawStyle(LineStyle style) override;
    void SetFont(const FontSpec& font) override;

    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    void Print(const std::string& text) override;
    void PrintRotated(const std::string& text, const RotatedFont& font, int escapementTenths, int pixelX,
                      int pixelY) override;

    void Line(double x1, double y1, double x2, double y2, Rgb color) override;
    void Box(double x1, double y1, double x2, double y2, Rgb color) override;
    void FilledBox(double x1, double y1, double x2, double y2, Rgb color) override;
    void Circle(double cx, double cy, double radius, Rgb color) override;
    void Arc(double cx, double cy, double radius, Rgb color, double startAngle, double endAngle) override;
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
