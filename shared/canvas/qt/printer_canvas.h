#ifndef SHARED_CANVAS_QT_PRINTER_CANVAS_H
#define SHARED_CANVAS_QT_PRINTER_CANVAS_H

#include "shared/canvas/page_canvas.h"
#include "shared/canvas/qt/painting_canvas.h"

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
class PrinterCanvas : public PaintingCanvas<PageCanvas> {
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

    void Cls() override;

    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    void Print(const std::string& text) override;

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
    void Paint(const std::function<void(QPainter&)>& draw) override;
    QPainter& ActivePainter();

    QPrinter& printer_;
    QPainter painter_;
    bool pagePending_ = false;
};

}  // namespace shared

#endif
