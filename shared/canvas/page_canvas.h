#ifndef SHARED_CANVAS_PAGE_CANVAS_H
#define SHARED_CANVAS_PAGE_CANVAS_H

#include "shared/canvas/canvas_types.h"
#include "shared/canvas/chart_canvas.h"

namespace shared {

// A printer page: a ChartCanvas that also has orientation, colour mode and a document
// to end. It is handed out by Printer::BeginDocument and lives until the document ends.
class PageCanvas : public ChartCanvas {
public:
    // Takes effect on the current page while nothing has been drawn on it yet, else from
    // the next page (paper already being printed cannot turn).
    virtual void SetOrientation(PageOrientation orientation) = 0;
    virtual PageOrientation Orientation() const = 0;
    virtual PrinterColorMode ColorMode() const = 0;
    // Ends the current page and starts a new one; the current point returns to (0, 0).
    virtual void NewPage() = 0;
    // Ends the document: the pages go to the printer (or the file). A document in which
    // nothing was drawn sends nothing, not even a blank sheet.
    virtual void EndDoc() = 0;

    PageCanvas* AsPage() noexcept override { return this; }
};

}  // namespace shared

#endif
