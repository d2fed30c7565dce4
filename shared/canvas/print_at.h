#ifndef SHARED_CANVAS_PRINT_AT_H
#define SHARED_CANVAS_PRINT_AT_H

#include "shared/canvas/chart_canvas.h"

#include <string>

namespace shared {

// Prints text with its top left at (x, y) in the canvas's scale: the move-then-print
// pair every chart, page and label drawing repeats.
inline void PrintAt(ChartCanvas& canvas, double x, double y, const std::string& text) {
    canvas.SetCurrentX(x);
    canvas.SetCurrentY(y);
    canvas.Print(text);
}

}  // namespace shared

#endif
