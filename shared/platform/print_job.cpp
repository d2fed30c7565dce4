#include "shared/platform/print_job.h"

#include "shared/canvas/page_canvas.h"
#include "shared/platform/error_report.h"

#include <exception>
#include <optional>

namespace shared {

PrintJob::PrintJob(Printer& printer) : printer_(printer), orientation_(printer.Orientation()) {}

PrintJob::~PrintJob() {
    if (!finished_) {
        RestorePage();
        printer_.AbortDocument();
    }
    try {
        printer_.SetOrientation(orientation_);
    } catch (...) {
        // The next job sets its own orientation; nothing else depends on this one.
    }
}

PageCanvas& PrintJob::Begin(PageOrientation orientation) {
    printer_.SetOrientation(orientation);
    PageCanvas& page = printer_.BeginDocument();
    page_ = &page;
    fontSize_ = page.FontSize();
    fontName_ = page.FontName();
    return page;
}

void PrintJob::Finish() {
    RestorePage();
    printer_.EndDocument();
    finished_ = true;
}

// Puts the font back and leaves the page in twips with a thin solid pen, as a completed
// job leaves it, also when the job broke off inside the drawing's own scale.
void PrintJob::RestorePage() noexcept {
    if (page_ == nullptr) return;
    try {
        page_->SetFontSize(fontSize_);
        page_->SetFontName(fontName_);
        page_->SetScaleMode(ScaleMode::Twips);
        page_->SetDrawWidth(1);
        page_->SetDrawStyle(LineStyle::Solid);
    } catch (...) {
        // Only the printer's own state is lost; the job outcome is reported elsewhere.
    }
    page_ = nullptr;
}

bool RunPrintJob(Printer& printer, PageOrientation orientation, const std::function<void(PageCanvas&)>& draw,
                 const std::function<void()>& afterJob, Messages& messages, const std::string& title,
                 ErrorNumberForm form) {
    std::optional<RuntimeError> failure;
    try {
        PrintJob job(printer);
        try {
            draw(job.Begin(orientation));
            job.Finish();
        } catch (const std::exception& error) {
            failure = AsRuntimeError(error);
        } catch (...) {
            failure = RuntimeError(error::kInvalidProcedureCall);
        }
    } catch (const std::exception& error) {
        // The printer could not even say how it was set up.
        failure = AsRuntimeError(error);
    }
    if (afterJob) {
        afterJob();
    }
    if (failure) {
        ErrorReport(messages, title, *failure, form);
        return false;
    }
    return true;
}

}  // namespace shared
