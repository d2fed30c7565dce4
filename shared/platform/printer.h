#ifndef SHARED_PLATFORM_PRINTER_H
#define SHARED_PLATFORM_PRINTER_H

#include "shared/canvas/canvas_types.h"
#include "shared/canvas/page_canvas.h"

#include <string>

namespace shared {

// The program's printer. The windows receive it; print commands begin a document, draw
// on the page canvas, and end it. Every failure is a RuntimeError, so a print command's
// handler can report it, call AbortDocument and restore what it changed.
class Printer {
public:
    virtual ~Printer() = default;

    // Whether there is anything to print to (an installed printer or an output file).
    virtual bool HasPrinter() const = 0;
    virtual std::string DeviceName() const = 0;

    // The orientation and colour mode of the next page; print commands remember and
    // restore the orientation around their job.
    virtual PageOrientation Orientation() const = 0;
    virtual void SetOrientation(PageOrientation orientation) = 0;
    virtual PrinterColorMode ColorMode() const = 0;

    // Starts a document (or continues the one already open) and returns its page. The
    // canvas belongs to the printer and stays valid until the document ends or aborts.
    // Throws RuntimeError when there is no printer or the job cannot start.
    virtual PageCanvas& BeginDocument() = 0;
    virtual bool InDocument() const = 0;
    // Sends the pages; throws RuntimeError when the job fails.
    virtual void EndDocument() = 0;
    // Throws an open document away; safe to call when none is open.
    virtual void AbortDocument() noexcept = 0;
};

}  // namespace shared

#endif
