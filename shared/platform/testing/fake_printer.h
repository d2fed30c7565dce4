#ifndef SHARED_PLATFORM_TESTING_FAKE_PRINTER_H
#define SHARED_PLATFORM_TESTING_FAKE_PRINTER_H

#include "shared/canvas/recording_canvas.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/printer.h"

#include <optional>
#include <string>

namespace shared {

// A printer for tests: pages are drawn onto a RecordingCanvas, so print tests assert the
// calls a printout makes. It can be told to fail at the start of a document, as a
// missing printer or a refused job does, to test the print commands' failure paths.
class FakePrinter : public Printer {
public:
    // A Letter-sized page at 600 dpi, printable area 8 x 10.5 inches in portrait.
    FakePrinter();

    RecordingCanvas& Canvas() noexcept { return canvas_; }
    const RecordingCanvas& Canvas() const noexcept { return canvas_; }

    // The next BeginDocument throws this error instead of starting (until cleared).
    void FailAtBegin(RuntimeError error) { failure_ = std::move(error); }
    void ClearFailure() noexcept { failure_.reset(); }
    void SetHasPrinter(bool has) noexcept { hasPrinter_ = has; }
    void SetColorMode(PrinterColorMode mode) noexcept { canvas_.SetColorMode(mode); }

    int DocumentsBegun() const noexcept { return begun_; }
    int DocumentsEnded() const noexcept { return ended_; }
    int DocumentsAborted() const noexcept { return aborted_; }

    bool HasPrinter() const override { return hasPrinter_; }
    std::string DeviceName() const override { return "Fake Printer"; }
    PageOrientation Orientation() const override { return canvas_.Orientation(); }
    void SetOrientation(PageOrientation orientation) override;
    PrinterColorMode ColorMode() const override { return canvas_.ColorMode(); }
    // Throws the error set by FailAtBegin, or RuntimeError 482 without a printer.
    PageCanvas& BeginDocument() override;
    bool InDocument() const override { return inDocument_; }
    void EndDocument() override;
    void AbortDocument() noexcept override;

private:
    RecordingCanvas canvas_;
    std::optional<RuntimeError> failure_;
    bool hasPrinter_ = true;
    bool inDocument_ = false;
    int begun_ = 0;
    int ended_ = 0;
    int aborted_ = 0;
};

}  // namespace shared

#endif
