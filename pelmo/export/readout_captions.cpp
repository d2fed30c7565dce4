#include "pelmo/export/readout_captions.h"

#include "pelmo/engine/operating_point_result.h"

#include "shared/text/number_text.h"

namespace pelmo {

namespace {

constexpr const char* kTwoDecimals = "#####0.00";

}  // namespace

std::string SrfReadoutText(double resonantFrequency, char separator) {
    if (resonantFrequency <= 0.0) {
        return "Over 6000";
    }
    const double megahertz = resonantFrequency / 1e6;
    if (resonantFrequency > 1e9) {
        return shared::Format(megahertz, "####0", separator);
    }
    if (resonantFrequency > 1e8) {
        return shared::Format(megahertz, "###0.0", separator);
    }
    if (resonantFrequency > 1e7) {
        return shared::Format(megahertz, "##0.00", separator);
    }
    return shared::Format(megahertz, "#0.000", separator);
}

ImpedanceReadouts ImpedanceReadoutsOf(const OperatingPointResult& result, char separator) {
    ImpedanceReadouts readouts;
    readouts.Srf = SrfReadoutText(result.ResonantFrequency, separator);
    readouts.Esc = shared::Format(result.SeriesCapacitance * 1e12, kTwoDecimals, separator);
    readouts.Esl = shared::Format(result.SeriesInductance * 1e9, kTwoDecimals, separator);
    return readouts;
}

}  // namespace pelmo
