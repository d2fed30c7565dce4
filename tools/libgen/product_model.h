#ifndef TOOLS_LIBGEN_PRODUCT_MODEL_H
#define TOOLS_LIBGEN_PRODUCT_MODEL_H

#include "darvo/library/product_files.h"
#include "tools/libgen/split_mix64.h"
#include "tools/libgen/temperature_characteristic.h"

#include <array>
#include <string_view>

namespace darvo::libgen {

// The coefficient sets of one product, computed from the physics of the part rather
// than invented, so the charts show the curves an engineer expects: the capacitance
// change with DC bias, temperature and AC level, and the self-heating from the part's
// loss.
using CapModelValues = std::array<float, kCapModelCount>;
using HeatModelValues = std::array<float, kHeatModelCount>;

// What a product is made of, as far as its coefficients go.
struct ProductDesign {
    double picofarads = 0.0;
    double ratedVolts = 0.0;
    std::string_view sizeCode;  // "15" .. "55": fixes the reference heat resistance
    const pelmo::libgen::TemperatureCharacteristic* characteristic = nullptr;
    bool maxCv = false;  // thinnest layers of the size: the steepest DC-bias curve
    // A part whose loss is so low that its rise per A^2 falls to 0.1 C/A^2 or less,
    // where the chart takes 1.0 instead.
    bool lowLoss = false;
};

// The lowest rise per A^2 [C/A^2] at the reference heat resistance a generated part
// has from 100 kHz to 1 MHz at 20 C, unless it is a low-loss part: far enough above the
// chart's 0.1 floor that the ambient temperature cannot bring it down to it.
inline constexpr double kMinimumRisePerAmpereSquared = 0.2;

// The reference heat resistance [C/W] of a chip size: small chips shed heat badly.
// 0 for a size the generator does not know.
double ReferenceHeatResistance(std::string_view sizeCode);

// The capacitance coefficients: k0..k5 the DC-bias polynomial, k6..k11 the temperature
// polynomial of a polynomial-class part, k12..k24 the peaked model of a peaked part,
// k25..k30 the AC-level polynomial.
CapModelValues MakeCapModel(const ProductDesign& design);

// The loss and temperature-rise coefficients: the current terms A/f + B + C.f from the
// part's ESR, the voltage term D.L^E fitted through 100 kHz and 1 MHz, their
// temperature and bias dependence, and the maximum operating temperature. random adds
// the part-to-part scatter of the loss.
HeatModelValues MakeHeatModel(const ProductDesign& design, pelmo::libgen::SplitMix64& random);

// The rise per A^2 [C/A^2] at the reference heat resistance, at frequency [Hz] and
// ambient temperature [C], as the thermal charts compute it from the coefficients.
double RisePerAmpereSquared(const HeatModelValues& heat, double frequency, double ambient);

}  // namespace darvo::libgen

#endif
