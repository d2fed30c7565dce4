#ifndef SHARED_CANVAS_QT_PRINTER_CANVAS_H
#define SHARED_CANVAS_QT_PRINTER_CANVAS_H

#include "shared/canvas/canvas_state.h"
#include "shared/canvas/page_canvas.h"
#include "shared/canvas/qt/painter_drawing.h"

#include <QPainter>

#include <functional>

class QPrinter;

namespace shared {

// The printer page: the canvas operations painted onto a QPrinter the program owns
// (a real printer or a PDF file). Coordinates start at the printable area's top-left,
// fonts are sized in points at the printer's resolution and pen widths are printer
// pixels, as on the classic printer object.
//
// The print job starts with the first thing drawn, not before, so orientation and
// fonts can still be set on a fresh page; a page asked for by NewPage likewise starts
// with its first drawing. A job that cannot start throws a RuntimeError (482 "Printer
// error") from that first drawing call. Overlay drawing is discarded.
class PrinterCanvas : public PageCanvas {
public:
    // The printer must outlive the canvas.
    explicit PrinterCanvas(QPrinter& printer);
    // Aborts a job still open, so a failure path never leaves a half-sent document.
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    // Whether a job has started and not yet ended.
    bool JobActive() const noexcept { return painter_.isActive(); }
    // Throws the job away without sending it.
    void Abort() noexcept;
    // Re-reads the page size from the printer (after a print dialog changed it).
    void RefreshDevice();

    void SetScale(double left, double top, double width, double height) override {
        state_.SetScale(left, top, width, height);
    }
    void SetScaleMode(ScaleMode mode) override { state_.SetScaleMode(mode); }
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

    void SetForeColor(Rgb color) override { state_.foreColor = color; }
    Rgb ForeColor() const override { return state_.foreColor; }
    void SetBackColor(Rgb color) override { state_.backColor = color; }
    Rgb BackColor() const override { return state_.backColor; }
    void SetDrawWidth(int pixels) override { state_.drawWidth = pixels < 1 ? 1 : pixels; }
    int DrawWidth() const override { return state_.drawWidth; }
    void SetDrawStyle(LineStyle style) override { state_.drawStyle = style; }
    LineStyle DrawStyle() const override { return state_.drawStyle; }
    void SetFont(const FontSpec& font) override { state_.font = font; }
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

    void BeginOverlay() override { state_.inOverlay = true; }
    void EndOverlay() override { state_.inOverlay = false; }
    void ClearOverlay() override {}

    PixelImage GrabPixels(const PixelRect& rect) override;
    void PutPixels(const PixelImage& image, int pixelX, int pixelY, RasterOp op) override;

    void SetOrientation(PageOrientation orientation) override;
    PageOrientation Orientation() const override;
    PrinterColorMode ColorMode() const override;
    void NewPage() override;
    void EndDoc() override;

private:
    // Starts the job or the pending page if needed and paints, unless drawing goes to
    // the (absent) overlay.
    void Paint(const std::function<void(QPainter&)>& draw);
    QPainter& ActivePainter();

    QPrinter& printer_;
    CanvasState state_;
    PainterDrawing drawing_;
    QPainter painter_;
    bool pagePending_ = false;
};

}  // namespace shared

#endif
