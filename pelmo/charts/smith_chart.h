#ifndef PELMO_CHARTS_SMITH_CHART_H
#define PELMO_CHARTS_SMITH_CHART_H

#include "pelmo/engine/s_parameter.h"

#include <string>

namespace shared {
class ChartCanvas;
}

namespace pelmo {

class TraceStore;

// The reflection plane: s = a + jb lies at (1000 a, 1000 b), so the unit circle has a
// radius of 1000 inside a 2400 x 2400 y-up scale centred on the origin.
inline constexpr double kSmithUnit = 1000.0;

// Prepares a Smith chart's target: the window's square picture gets the centred scale,
// is cleared and draws the grid in cyan; a printer page (canvas.AsPage()) gets 2400
// units on 7100 twips both ways, 1200 twips below the top, and keeps black.
void PrepareSmithTarget(shared::ChartCanvas& canvas);

// Draws the grid (constant-resistance circles, constant-reactance arcs, the axes), its
// labels in black, and the locus of one slot's S-parameter ("S11" from series 1 and 2,
// "S21" from 3 and 4) from the window's own copy: blue on the screen, 5 pixels wide on
// paper (black on a black-only printer).
void DrawSmithChart(shared::ChartCanvas& canvas, const TraceStore& store, int slot, SParameter sParameter);

}  // namespace pelmo

#endif
