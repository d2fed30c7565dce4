#include "shared/platform/qt/qt_printer.h"

#include "shared/errors/runtime_error.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace shared {

QtPrinter::QtPrinter(QPrinter& printer) : printer_(printer) {}

QtPrinter::~QtPrinter() {
    AbortDocument();
}

bool QtPrinter::HasPrinter() const {
    if (printer_.outputFormat() == QPrinter::PdfFormat) return !printer_.outputFileName().isEmpty();
    return !QPrinterInfo::printerInfo(printer_.printerName()).isNull();
}

std::string QtPrinter::DeviceName() const {
    if (printer_.outputFormat() == QPrinter::PdfFormat) return printer_.outputFileName().toStdString();
    return printer_.printerName().toStdString();
}

PageOrientation QtPrinter::Orientation() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                                         : PageOrientation::Portrait;
}

void QtPrinter::SetOrientation(PageOrientation orientation) {
    if (canvas_) {
        canvas_->SetOrientation(orientation);
        return;
    }
    printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
}

PrinterColorMode QtPrinter::ColorMode() const {
    return printer_.colorMode() == QPrinter::Color ? PrinterColorMode::Color : PrinterColorMode::Monochrome;
}

PageCanvas& QtPrinter::BeginDocument() {
    if (!HasPrinter()) throw RuntimeError(error::kPrinterError, "Printer");
    // One page canvas for the session: like the classic printer object it keeps its
    // font and pen between documents, which the print commands remember and restore.
    if (!canvas_)
        canvas_ = std::make_unique<PrinterCanvas>(printer_);
    else if (!inDocument_)
        canvas_->RefreshDevice();
    inDocument_ = true;
    return *canvas_;
}

void QtPrinter::EndDocument() {
    if (!canvas_ || !inDocument_) return;
    inDocument_ = false;
    canvas_->EndDoc();
    if (printer_.printerState() == QPrinter::Error) throw RuntimeError(error::kPrinterError, "Printer");
}

void QtPrinter::AbortDocument() noexcept {
    if (canvas_) canvas_->Abort();
    inDocument_ = false;
}

}  // namespace shared
