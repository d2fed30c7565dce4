#ifndef PELMO_EXPORT_TOUCHSTONE_WRITER_H
#define PELMO_EXPORT_TOUCHSTONE_WRITER_H

#include "pelmo/export/export_grid.h"
#include "pelmo/export/export_subject.h"
#include "pelmo/export/grid_point_evaluator.h"

#include <string>
#include <vector>

namespace shared {
class FileSink;
}

namespace pelmo {

struct OperatingPointResult;

// The header lines of an .s2p file, without line ends: part number, connection diagram,
// the condition line (every capacitor, with or without a model), range line, option
// line and column title.
std::vector<std::string> TouchstoneHeaderLines(const ExportSubject& subject, const ExportGrid& grid);

// One data row without its line end: the frequency in whole hertz, then S11, S21, S21
// again as S12 and S11 again as S22 (a single series or shunt element is symmetric and
// reciprocal), each as dB and degrees with "0.000E+#0". Always with ".": simulators
// read these numbers and accept no other separator, whatever the user's locale.
std::string TouchstoneDataRow(double frequency, const OperatingPointResult& result);

// Writes a whole Touchstone file onto sink, every line ended by CR LF on every platform
// so files are the same wherever they are made. Evaluates the part at every grid point
// through evaluate. Does not commit: the command commits once the last row is out, so a
// failure (of the evaluation or of the sink) leaves no partial file.
void WriteTouchstone(const ExportSubject& subject, const ExportGrid& grid, const GridPointEvaluator& evaluate,
                     shared::FileSink& sink);

}  // namespace pelmo

#endif
