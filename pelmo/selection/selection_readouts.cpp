#include "pelmo/selection/selection_readouts.h"

#include "pelmo/engine/operating_point_result.h"
#include "pelmo/export/readout_captions.h"

#include "shared/text/number_text.h"

namespace pelmo {

SelectionReadouts ReadoutsOf(const OperatingPointResult& result, bool inductor, bool withSParameters,
                             char separator) {
    SelectionReadouts readouts;
    // The SRF, C and L captions are the ones the impedance table copies, so both come
    // from the same formatter.
    const ImpedanceReadouts impedance = ImpedanceReadoutsOf(result, separator);
    readouts.Freq = impedance.Srf;
    readouts.Cap = impedance.Esc;
    readouts.Ind = impedance.Esl;
    readouts.Imp = shared::Format(result.ImpedanceMagnitude, "#####0.00", separator);
    const double resistance = inductor ? result.InductorSeriesResistance : result.Resistance;
    readouts.Res = shared::Format(resistance, "#####0.000", separator);
    if (!withSParameters) {
        return readouts;
    }
    for (std::size_t k = 0; k < 2; ++k) {
        readouts.Mag[k] = shared::Format(result.SMagnitudeDb[k], "##0.0000", separator);
        readouts.Phase[k] = shared::Format(result.SPhaseDeg[k], "##0.0000", separator);
        readouts.Real[k] = shared::Format(result.SReal[k], "0.0000", separator);
        readouts.Imag[k] = shared::Format(result.SImag[k], "0.0000", separator);
    }
    return readouts;
}

}  // namespace pelmo
