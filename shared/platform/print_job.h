#ifndef SHARED_PLATFORM_PRINT_JOB_H
#define SHARED_PLATFORM_PRINT_JOB_H

#include "shared/canvas/canvas_types.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/printer.h"

#include <functional>
#include <string>

namespace shared {

class Messages;
class PageCanvas;

// One print job as a transaction on the program's printer. The guard remembers the
// orientation when made; Begin turns the page, starts the document and remembers its
// font; Finish puts the font back and sends the document. Leaving the guard without
// Finish (a failure at the start, while drawing or at sending) aborts the document, so
// nothing of a failed job reaches the printer later as if it had worked. Either way the
// page is left in twips with a thin solid pen and the orientation is put back: the next
// job and the program's other output start from the printer as the user set it up.
class PrintJob {
public:
    explicit PrintJob(Printer& printer);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    PageCanvas& Begin(PageOrientation orientation);
    void Finish();

private:
    void RestorePage() noexcept;

    Printer& printer_;
    PageOrientation orientation_;
    PageCanvas* page_ = nullptr;  // set once the document has begun
    double fontSize_ = 0.0;
    std::string fontName_;
    bool finished_ = false;
};

// A whole print command's job: draw on a page of orientation inside a PrintJob. On every
// path the printer is put back first, then afterJob runs (the program closes its "Now
// Printing..." notice), and only then is a failure reported, once, as the
// "Unexpected Error " report under title. True when the document was sent.
bool RunPrintJob(Printer& printer, PageOrientation orientation, const std::function<void(PageCanvas&)>& draw,
                 const std::function<void()>& afterJob, Messages& messages, const std::string& title,
                 ErrorNumberForm form = ErrorNumberForm::TrailingBlank);

}  // namespace shared

#endif
