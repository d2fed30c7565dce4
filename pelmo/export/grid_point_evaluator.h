#ifndef PELMO_EXPORT_GRID_POINT_EVALUATOR_H
#define PELMO_EXPORT_GRID_POINT_EVALUATOR_H

#include <functional>

namespace pelmo {

struct OperatingPointResult;

// The evaluation behind each data row: the part at the angular frequency omega [rad/s],
// with the connection and conditions of the command, returning the result it left. The
// writers take it as a function so that they format whatever the engine computes
// without knowing which part, table or window it belongs to; the result usually lives
// in the selection window, which therefore holds the last grid point afterwards.
// Failures travel out as exceptions and end the file unfinished.
using GridPointEvaluator = std::function<const OperatingPointResult&(double omega)>;

}  // namespace pelmo

#endif
