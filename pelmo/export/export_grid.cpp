#include "pelmo/export/export_grid.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <cmath>

namespace pelmo {

namespace {

constexpr int kPointCount = 201;
constexpr int kHighFrequencyPointCount = 402;
// Compared in single precision on purpose: only parts stored as exactly 20 GHz get the
// doubled grid, and the stored value is a single.
constexpr float kHighFrequencyLimit = 2e10F;

const char* const kExportSource = "pelmo:ExportGrid";

[[noreturn]] void RaiseNoGrid(const std::string& what) {
    // The report shows the classic description; the source keeps the reason for a debugger.
    throw shared::RuntimeError(shared::error::kInvalidProcedureCall,
                               std::string(kExportSource) + ": " + what);
}

}  // namespace

int ExportPointCount(ProductKind product, float upperFrequency) noexcept {
    if (product == ProductKind::Capacitor && upperFrequency == kHighFrequencyLimit) {
        return kHighFrequencyPointCount;
    }
    return kPointCount;
}

double ExportStartFrequency(int rangeClass) {
    switch (rangeClass) {
        case 1:
            return 10.0 * 1e6;
        case 2:
            return 100.0 * 1e6;
        case 3:
        case 4:
        case 6:
            return 300.0 * 1e3;
        case 5:
            return 30.0 * 1e3;
        default:
            RaiseNoGrid("no frequency range class");
    }
}

std::vector<double> ExportFrequencies(double startFrequency, float upperFrequency, int count) {
    const double stop = upperFrequency;
    if (count < 2) {
        RaiseNoGrid("fewer than two grid points");
    }
    if (!(startFrequency > 0.0) || !std::isfinite(startFrequency) || !(stop > 0.0) || !std::isfinite(stop)) {
        RaiseNoGrid("no positive upper frequency");
    }
    std::vector<double> frequencies(static_cast<std::size_t>(count));
    const double ratio = stop / startFrequency;
    const double steps = static_cast<double>(count - 1);
    for (int i = 0; i < count; ++i) {
        frequencies[static_cast<std::size_t>(i)] = startFrequency * std::pow(ratio, i / steps);
    }
    frequencies.front() = startFrequency;
    frequencies.back() = stop;
    return frequencies;
}

ExportGrid MakeExportGrid(const ExportSubject& subject) {
    ExportGrid grid;
    grid.RangeClass = subject.RangeClass;
    grid.StartFrequency = ExportStartFrequency(subject.RangeClass);
    grid.UpperFrequency = subject.UpperFrequency;
    grid.Frequencies = ExportFrequencies(grid.StartFrequency, subject.UpperFrequency,
                                         ExportPointCount(subject.Product, subject.UpperFrequency));
    return grid;
}

std::string RangeLinePrefix(int rangeClass) {
    switch (rangeClass) {
        case 1:
            return "!Freq. Start=10[MHz] Stop=";
        case 2:
            return "!Freq. Start=100[MHz] Stop=";
        case 3:
        case 4:
        case 6:
            return "!Freq. Start=300[kHz] Stop=";
        case 5:
            return "!Freq. Start=30[kHz] Stop=";
        default:
            RaiseNoGrid("no frequency range class");
    }
}

std::string StopFrequencyGigahertzText(float upperFrequency, char separator) {
    const auto stored = shared::ParseFileNumber(shared::GeneralNumberTextSingle(upperFrequency, '.'));
    if (!stored) {
        RaiseNoGrid("upper frequency is no number");
    }
    return shared::GeneralNumberText(*stored / 1e9, separator);
}

std::string RangeLine(const ExportGrid& grid, char separator) {
    return RangeLinePrefix(grid.RangeClass) + StopFrequencyGigahertzText(grid.UpperFrequency, separator) +
           "[GHz], " + std::to_string(grid.Frequencies.size()) + "[Steps]";
}

}  // namespace pelmo
