#include "tools/libgen/capacitor_model.h"

#include "tools/libgen/chip_outline.h"
#include "tools/libgen/split_mix64.h"
#include "tools/libgen/temperature_characteristic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace pelmo::libgen {

namespace {

constexpr double kTwoPi = 6.283185307179586;

double Clamp01(double value) {
    return std::clamp(value, 0.0, 1.0);
}

bool IsY5V(const TemperatureCharacteristic& tc) {
    return tc.eiaName == "Y5V";
}

// Electrode and termination resistance falls with the number of layers, and so with
// the capacitance: ranges per decade, interpolated on log C.
struct ResistanceRange {
    double picofarads, low, high;
};
constexpr std::array<ResistanceRange, 7> kRbRanges = {{
    {100, 0.02, 0.10},
    {1e3, 0.05, 0.10},
    {1e4, 0.03, 0.06},
    {1e5, 0.015, 0.03},
    {1e6, 0.006, 0.012},
    {1e7, 0.002, 0.005},
    {4.7e7, 0.0015, 0.003},
}};

double ElectrodeResistance(double picofarads, SplitMix64& random) {
    const ResistanceRange* below = &kRbRanges.front();
    const ResistanceRange* above = &kRbRanges.front();
    for (std::size_t i = 0; i < kRbRanges.size(); ++i) {
        if (kRbRanges[i].picofarads <= picofarads) {
            below = &kRbRanges[i];
            above = i + 1 < kRbRanges.size() ? &kRbRanges[i + 1] : &kRbRanges[i];
        }
    }
    double t = 0.0;
    if (above != below) {
        t = std::log(picofarads / below->picofarads) / std::log(above->picofarads / below->picofarads);
    }
    const double low = below->low + (above->low - below->low) * t;
    const double high = below->high + (above->high - below->high) * t;
    return random.Between(low, high);
}

// Loss tangent by dielectric and rating: class-2 parts of low rating are driven harder
// and lose more.
double DissipationFactor(const CapacitorDesign& design, SplitMix64& random) {
    const TemperatureCharacteristic& tc = *design.characteristic;
    if (IsTemperatureCompensating(tc)) {
        return design.highQ ? random.Between(1e-4, 3e-4) : random.Between(2e-4, 6e-4);
    }
    if (IsY5V(tc)) {
        return random.Between(0.04, 0.09);
    }
    if (design.ratedVolts >= 25) {
        return random.Between(0.01, 0.025);
    }
    if (design.ratedVolts >= 16) {
        return random.Between(0.02, 0.035);
    }
    return random.Between(0.03, 0.08);
}

}  // namespace

BiasFamily ChooseBiasFamily(const CapacitorDesign& design) {
    const TemperatureCharacteristic& tc = *design.characteristic;
    if (IsTemperatureCompensating(tc)) {
        return {0, 0, 0, 0};
    }
    if (IsY5V(tc)) {
        return {-138.377, -137.268, 443.474, -247.945};
    }
    const double c = design.nominalPf;
    if (c <= 1e4 || (c < 1e5 && design.ratedVolts >= 50)) {
        return {-1.520, -11.488, 5.005, 0};  // thick layers: a few per cent
    }
    if (design.maxCv) {
        return {-121.930, -246.557, 587.382, -303.983};
    }
    if (c >= 1e6 && design.ratedVolts <= 16) {
        return {-34.650, -325.615, 521.401, -233.145};
    }
    return {-19.121, -56.412, 30.583, 0};
}

void FillCapacitorModel(const CapacitorDesign& design, SplitMix64& random, CapacitorRecord& record) {
    const ChipOutline& outline = *design.outline;
    const TemperatureCharacteristic& tc = *design.characteristic;
    const double cnom = design.nominalPf;

    // More layers lower the ESL: the high end for pF parts and thin chips, the low end
    // for the largest values of a size.
    const double layerShare = Clamp01(std::log10(std::max(cnom, 1.0)) / 7.0);
    double l1 = outline.eslHigh - layerShare * (outline.eslHigh - outline.eslLow);
    if (design.thinnestChip) {
        l1 = std::min(l1 * 1.08, outline.eslHigh);
    }
    l1 *= random.Scatter(0.04);

    // The termination fringe adds to the low-frequency capacitance. Small parts keep it
    // well below C1 so the first resonance stays that of the main branch.
    const double c2 = std::min(outline.fringeCapacitance, cnom / 16.0);
    double c1 = cnom;
    if (tc.modelType == 2) {
        c1 = 1.05 * cnom;  // the polynomial gives the nominal value at its reference
    } else if (tc.modelType == 4) {
        c1 = 1.2 * cnom;  // scaled down by the peaked factor at 25 C
    } else if (cnom < 100) {
        c1 = cnom - c2;
    }
    const double l2 = 0.3 * l1;
    const double r2 = random.Between(2.0, 5.0);

    const double df = DissipationFactor(design, random);
    const double ra = df / (kTwoPi * 1e9 * cnom * 1e-12);
    double rb = design.highQ ? random.Between(0.01, 0.03) : ElectrodeResistance(cnom, random);
    double rc = 0.0;
    double exponent = 0.5;
    if (design.highQ) {
        // Precious-metal RF parts: the skin term sets Q at 1 GHz to a few hundred.
        const double srf = 1.0 / (kTwoPi * std::sqrt(l1 * 1e-9 * c1 * 1e-12));
        if (srf > 2e9) {
            const double w = kTwoPi * 1e9;
            const double reactance = std::fabs(w * l1 * 1e-9 - 1.0 / (w * c1 * 1e-12));
            const double total = std::min(reactance / random.Between(250.0, 900.0), 0.5);
            rc = std::max(0.005, total - rb - ra);
        } else {
            rc = random.Between(0.03, 0.06);
        }
    } else {
        const double share = Clamp01(std::log10(std::max(cnom, 1e3) / 1e3) / 4.0);
        rc = 0.15 * std::pow(0.2, share) * random.Scatter(0.15);
        exponent = 0.5 + 0.2 * share;  // thin electrodes: a steeper rise
    }

    record.C1 = static_cast<float>(c1);
    record.L1 = static_cast<float>(l1);
    record.Ra = static_cast<float>(ra);
    record.Rb = static_cast<float>(rb);
    record.Rc = static_cast<float>(rc);
    record.C2 = static_cast<float>(c2);
    record.L2 = static_cast<float>(l2);
    record.R2 = static_cast<float>(r2);
    if (design.secondMode) {
        record.C3 = static_cast<float>(0.5 * c2);
        record.L3 = static_cast<float>(0.5 * l2);
        record.R3 = static_cast<float>(random.Between(5.0, 10.0));
    } else {
        // Never zero: every branch reactance divides by its capacitance.
        record.C3 = 1e-6F;
        record.L3 = 1e-3F;
        record.R3 = 1e6F;
    }
    record.ModelType = tc.modelType;
    record.UpperFrequency = design.upperFrequency;
    record.RcExponent = static_cast<float>(exponent);

    record.BiasCoef = {};
    record.TempCoef = {};
    const BiasFamily bias = ChooseBiasFamily(design);
    const double v = design.ratedVolts;
    record.BiasCoef[1] = static_cast<float>(bias.b1 / v);
    record.BiasCoef[2] = static_cast<float>(bias.b2 / (v * v));
    record.BiasCoef[3] = static_cast<float>(bias.b3 / (v * v * v));
    record.BiasCoef[4] = static_cast<float>(bias.b4 / (v * v * v * v));
    if (tc.modelType == 2) {
        for (std::size_t i = 0; i < tc.tempCoef.size(); ++i) {
            record.TempCoef[i + 1] = static_cast<float>(tc.tempCoef[i]);
        }
    }

    // Dielectric loss falls with temperature; the nickel electrodes' resistance rises.
    record.ResTempA = {};
    record.ResTempB = {};
    if (IsTemperatureCompensating(tc)) {
        record.ResTempA[1] = 0.1F;
    } else {
        record.ResTempA[1] = -1.0F;
        record.ResTempA[2] = 0.01F;
    }
    record.ResTempB[1] = design.highQ ? 0.35F : 0.4F;

    const bool peaked = tc.modelType == 4;
    record.PeakAmplitude = peaked ? 80.0F : 0.0F;
    record.PeakOffset = peaked ? -90.0F : 0.0F;
    record.PeakTempV2 = peaked ? static_cast<float>(-5.0 / (v * v)) : 0.0F;
    record.PeakTempV1 = peaked ? static_cast<float>(30.0 / v) : 0.0F;
    record.PeakTemp0 = peaked ? 12.0F : 0.0F;
    record.SharpBelowV2 = 0.0F;
    record.SharpBelowV1 = peaked ? static_cast<float>(-3.0e-4 / v) : 0.0F;
    record.SharpBelow0 = peaked ? 6.05e-4F : 0.0F;
    record.SharpAboveV2 = 0.0F;
    record.SharpAboveV1 = peaked ? static_cast<float>(-3.3e-4 / v) : 0.0F;
    record.SharpAbove0 = peaked ? 8.2e-4F : 0.0F;
    record.ExpBelow = peaked ? 2.0F : 0.0F;
    record.ExpAbove = peaked ? 1.8F : 0.0F;
}

}  // namespace pelmo::libgen
