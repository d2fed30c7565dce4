#ifndef PELMO_EXPORT_IMPEDANCE_TABLE_WRITER_H
#define PELMO_EXPORT_IMPEDANCE_TABLE_WRITER_H

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

// The captions of the selection window's SRF [MHz], equivalent series capacitance [pF]
// and equivalent series inductance [nH] readouts. The caller refreshes them at the
// export's own conditions first (as Enter in a field would), so the header never
// describes other conditions than the table below it.
struct ImpedanceReadouts {
    std::string Srf;  // lblFreq, may be "Over 6000"
    std::string Esc;  // lblCap
    std::string Esl;  // lblInd
};

// A readout caption as the header writes it: a number re-formatted with "#####0.00"
// (read and written with separator), any other caption ("Over 6000", an empty one)
// unchanged.
std::string ReadoutFigureText(const std::string& caption, char separator);

// The header lines of an impedance table, without line ends: part number, the condition
// line (every capacitor), range line, readout line and column title. Human-facing, so
// every figure uses the locale's separator.
std::vector<std::string> ImpedanceHeaderLines(const ExportSubject& subject, const ExportGrid& grid,
                                              const ImpedanceReadouts& readouts, char separator);

// One data row without its line end: frequency in whole hertz, reactance and ESR [ohm]
// with "0.000E+#0".
std::string ImpedanceDataRow(double frequency, const OperatingPointResult& result, char separator);

// Writes a whole impedance table onto sink, CR LF after every line on every platform.
// Reads Reactance and Resistance after each evaluation; the connection does not matter.
// Does not commit (see WriteTouchstone).
void WriteImpedanceTable(const ExportSubject& subject, const ExportGrid& grid,
                         const ImpedanceReadouts& readouts, const GridPointEvaluator& evaluate,
                         char separator, shared::FileSink& sink);

}  // namespace pelmo

#endif
