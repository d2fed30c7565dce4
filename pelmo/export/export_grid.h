#ifndef PELMO_EXPORT_EXPORT_GRID_H
#define PELMO_EXPORT_EXPORT_GRID_H

#include "pelmo/export/export_subject.h"

#include <string>
#include <vector>

namespace pelmo {

// The logarithmic frequency grid both export files are written on. Unlike a chart sweep
// it never stops at the SRF: it always covers the part's data from the start frequency
// of its class to its upper frequency, so files of one part are comparable.
struct ExportGrid {
    int RangeClass = 0;
    double StartFrequency = 0.0;      // Fs [Hz]
    float UpperFrequency = 0.0F;      // Fe [Hz], as stored
    std::vector<double> Frequencies;  // f(0) = Fs ... f(N - 1) = Fe, ascending
};

// N: 402 for a capacitor whose upper frequency is exactly 20 GHz in single precision
// (the high-frequency parts' files have always had twice the points), 201 otherwise.
int ExportPointCount(ProductKind product, float upperFrequency) noexcept;

// Fs of a class: 10 MHz (1), 100 MHz (2), 300 kHz (3, 4, 6), 30 kHz (5). A class outside
// 1..6 has no grid and raises shared::RuntimeError 5 (invalid procedure call) naming the
// class, so no file is ever started for such a part.
double ExportStartFrequency(int rangeClass);

// f(i) = Fs * (Fe / Fs)^(i / (N - 1)) in double precision. The end points are set to Fs
// and Fe themselves, so the first and last rows name the class start and the stored
// upper frequency to the hertz whatever the rounding of the power. count must be 2 or
// more; a non-positive or non-finite Fe raises shared::RuntimeError 5.
std::vector<double> ExportFrequencies(double startFrequency, float upperFrequency, int count);

// The grid of a part (class, kind and upper frequency from the subject).
ExportGrid MakeExportGrid(const ExportSubject& subject);

// "!Freq. Start=10[MHz] Stop=" and the like; raises as ExportStartFrequency for a class
// without a grid.
std::string RangeLinePrefix(int rangeClass);

// Fe / 10^9 as the range line writes it: "6", "1.8", "20", "8.5". The stored single is
// taken at its seven significant digits (the value the library holds and every screen
// shows), so an 8.5 GHz part reads "8.5" rather than the "8.499999744" that the binary
// single would spell out in fifteen digits. The Touchstone file passes "." (simulators
// read its comments too); the impedance table passes the locale's separator.
std::string StopFrequencyGigahertzText(float upperFrequency, char separator);

// The whole range line without its line end: prefix, GHz figure, "[GHz], ", N, "[Steps]".
std::string RangeLine(const ExportGrid& grid, char separator);

}  // namespace pelmo

#endif
