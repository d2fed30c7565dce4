#ifndef SHARED_PLATFORM_QT_QT_PRINTER_H
#define SHARED_PLATFORM_QT_QT_PRINTER_H

#include "shared/canvas/qt/printer_canvas.h"
#include "shared/platform/printer.h"

#include <memory>

class QPrinter;

namespace shared {

// The printer service over a QPrinter the program owns for the session (the print
// setup dialog edits the same object, so a choice made there holds until the program
// ends and never touches the system's default printer). A QPrinter set to PdfFormat with
// an output file name prints into that PDF file.
class QtPrinter : public Printer {
public:
    // The QPrinter must outlive this object.
    explicit QtPrinter(QPrinter& printer);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // For the print dialog.
    QPrinter& Device() noexcept { return printer_; }

    bool HasPrinter() const override;
    std::string DeviceName() const override;
    PageOrientation Orientation() const override;
    void SetOrientation(PageOrientation orientation) override;
    PrinterColorMode ColorMode() const override;
    PageCanvas& BeginDocument() override;
    bool InDocument() const override { return inDocument_; }
    void EndDocument() override;
    void AbortDocument() noexcept override;

private:
    QPrinter& printer_;
    std::unique_ptr<PrinterCanvas> canvas_;
    bool inDocument_ = false;
};

}  // namespace shared

#endif
