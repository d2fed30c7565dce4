#include "shared/platform/testing/fake_printer.h"

namespace shared {

namespace {
constexpr double kDotsPerInch = 600;
}  // namespace

FakePrinter::FakePrinter() : canvas_(4800, 6300, kDotsPerInch, true) {
    canvas_.SetScaleMode(ScaleMode::Twips);
    canvas_.ClearCalls();
}

void FakePrinter::SetOrientation(PageOrientation orientation) {
    canvas_.SetOrientation(orientation);
}

PageCanvas& FakePrinter::BeginDocument() {
    if (failure_) throw *failure_;
    if (!hasPrinter_) throw RuntimeError(error::kPrinterError, "Printer");
    if (!inDocument_) {
        ++begun_;
        canvas_.StartDocument();
    }
    inDocument_ = true;
    return canvas_;
}

void FakePrinter::EndDocument() {
    if (!inDocument_) return;
    inDocument_ = false;
    ++ended_;
    canvas_.EndDoc();
}

void FakePrinter::AbortDocument() noexcept {
    if (!inDocument_) return;
    inDocument_ = false;
    ++aborted_;
}

}  // namespace shared
