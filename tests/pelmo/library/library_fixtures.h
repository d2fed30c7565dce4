#ifndef TESTS_PELMO_LIBRARY_LIBRARY_FIXTURES_H
#define TESTS_PELMO_LIBRARY_LIBRARY_FIXTURES_H

#include "pelmo/library/records.h"
#include "support/temporary_folder.h"

#include <string>
#include <vector>

namespace pelmo::testing {

// A capacitor whose every field differs from every other (and from its neighbours'),
// so a field read from the wrong place or in the wrong order shows.
inline CapacitorRecord SampleCapacitor(int n, const std::string& eia, const std::string& jis) {
    CapacitorRecord r;
    const float base = static_cast<float>(n) * 1000.0F;
    r.PartNumber = {eia, jis};
    r.UseText = "For use, with commas " + std::to_string(n);
    r.SizeCode = {"15" + std::to_string(n), "1005-" + std::to_string(n)};
    r.TempChar = {"X7R", "B"};
    r.RatedVoltage = "6.3";
    r.NominalCapacitance = "0.5";
    float v = base + 0.5F;
    for (float* field : {&r.C1,           &r.L1,
                         &r.Ra,           &r.Rb,
                         &r.Rc,           &r.C2,
                         &r.L2,           &r.R2,
                         &r.C3,           &r.L3,
                         &r.R3,           &r.UpperFrequency,
                         &r.RcExponent,   &r.PeakAmplitude,
                         &r.PeakOffset,   &r.PeakTempV2,
                         &r.PeakTempV1,   &r.PeakTemp0,
                         &r.SharpBelowV2, &r.SharpBelowV1,
                         &r.SharpBelow0,  &r.SharpAboveV2,
                         &r.SharpAboveV1, &r.SharpAbove0,
                         &r.ExpBelow,     &r.ExpAbove}) {
        *field = v;
        v += 1.25F;
    }
    for (std::size_t k = 1; k <= 6; ++k) {
        r.BiasCoef[k] = base - static_cast<float>(k);
        r.TempCoef[k] = base - 10.0F * static_cast<float>(k);
    }
    for (std::size_t k = 1; k <= 3; ++k) {
        r.ResTempB[k] = base + 0.001F * static_cast<float>(k);
        r.ResTempA[k] = -base - 0.25F * static_cast<float>(k);
    }
    r.ModelType = n % 2 == 0 ? 2 : 4;
    r.ChipShape = static_cast<float>(1 + n % 3);
    for (std::size_t i = 0; i < r.SizeSheet.size(); ++i) {
        r.SizeSheet[i] = std::to_string(n) + "." + std::to_string(i);
    }
    return r;
}

inline InductorRecord SampleInductor(int n, const std::string& partNumber) {
    InductorRecord r;
    const float base = static_cast<float>(n) * 100.0F;
    r.PartNumber = partNumber;
    r.SizeCode = {"10" + std::to_string(n), "0603-" + std::to_string(n)};
    r.Inductance = "2.7";
    r.RatedCurrent = "300";
    float v = base + 0.75F;
    for (float* field : {&r.L0, &r.L0Exponent, &r.RsCoef, &r.RsExponent, &r.Cp, &r.L1, &r.R1, &r.R0,
                         &r.SelfResonance, &r.UpperFrequency}) {
        *field = v;
        v += 2.5F;
    }
    for (std::size_t i = 0; i < r.SizeSheet.size(); ++i) {
        r.SizeSheet[i] = "0." + std::to_string(n) + std::to_string(i);
    }
    return r;
}

using shared::testing::TemporaryFolder;

}  // namespace pelmo::testing

#endif
