#ifndef PELMO_CHARTS_CHART_STYLE_H
#define PELMO_CHARTS_CHART_STYLE_H

#include "shared/canvas/rgb.h"

#include <array>

namespace pelmo {

// Trace k (1 to 6) is drawn, and its legend frame "No.k" written, in colour k - 1.
inline constexpr std::array<shared::Rgb, 6> kTraceColors{{
    {0, 0, 255},    // blue
    {255, 0, 0},    // red
    {0, 0, 0},      // black
    {255, 0, 255},  // magenta
    {0, 128, 0},    // green
    {128, 0, 0},    // maroon
}};

// On a printer that prints in black only the traces differ by width instead [pixels].
inline constexpr std::array<int, 6> kMonochromeTraceWidths{12, 9, 7, 5, 3, 1};

// A colour printer draws every trace this wide, so traces stand out from the grid.
inline constexpr int kColorPrintTraceWidth = 5;

inline constexpr shared::Rgb kPlotAreaGrey{192, 192, 192};
inline constexpr shared::Rgb kMinorGridGrey{127, 127, 127};
inline constexpr shared::Rgb kSmithGridCyan{0, 255, 255};

}  // namespace pelmo

#endif
