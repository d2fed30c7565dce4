#include "shared/canvas/qt/printer_canvas.h"

#include "shared/canvas/qt/qt_pixel_image.h"
#include "shared/errors/runtime_error.h"

#include <QPageLayout>
#include <QPrinter>

namespace shared {

PrinterCanvas::PrinterCanvas(QPrinter& printer) : PaintingCanvas(1, 1, 96), printer_(printer) {
    RefreshDevice();
    state_.SetScaleMode(ScaleMode::Twips);
}

PrinterCanvas::~PrinterCanvas() {
    Abort();
}

void PrinterCanvas::Abort() noexcept {
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
    pagePending_ = false;
}

void PrinterCanvas::RefreshDevice() {
    const int resolution = printer_.resolution();
    const QRect printable = printer_.pageLayout().paintRectPixels(resolution);
    state_.SetDevice(printable.width(), printable.height(), resolution);
}

QPainter& PrinterCanvas::ActivePainter() {
    if (!painter_.isActive()) {
        RefreshDevice();
        if (!painter_.begin(&printer_)) throw RuntimeError(error::kPrinterError, "Printer");
        pagePending_ = false;
    } else if (pagePending_) {
        if (!printer_.newPage()) throw RuntimeError(error::kPrinterError, "Printer");
        pagePending_ = false;
        RefreshDevice();
    }
    return painter_;
}

void PrinterCanvas::Paint(const std::function<void(QPainter&)>& draw) {
    if (state_.inOverlay) return;
    draw(ActivePainter());
}

void PrinterCanvas::Cls() {
    state_.currentX = 0;
    state_.currentY = 0;
}

double PrinterCanvas::TextWidth(const std::string& text) const {
    return drawing_.TextWidth(text, printer_);
}

double PrinterCanvas::TextHeight(const std::string&) const {
    return drawing_.TextHeight(printer_);
}

void PrinterCanvas::Print(const std::string& text) {
    if (state_.inOverlay) {
        drawing_.AdvanceLine(printer_);
        return;
    }
    drawing_.Print(ActivePainter(), text);
}

PixelImage PrinterCanvas::GrabPixels(const PixelRect& rect) {
    // Paper cannot be read back.
    return PixelImage(rect.width, rect.height, state_.backColor);
}

void PrinterCanvas::PutPixels(const PixelImage& image, int pixelX, int pixelY, RasterOp op) {
    const QImage source = ToQImage(image);
    Paint([&](QPainter& p) { PainterDrawing::PutPixels(p, source, pixelX, pixelY, op); });
}

void PrinterCanvas::SetOrientation(PageOrientation orientation) {
    printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    // A page not yet begun takes the new extent at once; a page in progress keeps its
    // paper and the new size applies from the next page.
    if (!painter_.isActive() || pagePending_) RefreshDevice();
}

PageOrientation PrinterCanvas::Orientation() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                                         : PageOrientation::Portrait;
}

PrinterColorMode PrinterCanvas::ColorMode() const {
    return printer_.colorMode() == QPrinter::Color ? PrinterColorMode::Color : PrinterColorMode::Monochrome;
}

void PrinterCanvas::NewPage() {
    // Nothing drawn yet means there is no page to end.
    if (painter_.isActive()) pagePending_ = true;
    state_.currentX = 0;
    state_.currentY = 0;
}

void PrinterCanvas::EndDoc() {
    if (painter_.isActive()) painter_.end();
    pagePending_ = false;
    state_.currentX = 0;
    state_.currentY = 0;
}

}  // namespace shared
