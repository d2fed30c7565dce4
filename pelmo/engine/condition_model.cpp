#include "pelmo/engine/condition_model.h"

#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/equivalent_series.h"
#include "pelmo/engine/temperature_range.h"
#include "pelmo/library/records.h"

#include <cmath>

namespace pelmo {

namespace {

constexpr int kModelFixed = 1;
constexpr int kModelPolynomial = 2;
constexpr int kModelPeaked = 4;

// Sum of coefficient[k] * x^k for k = 6 down to 1, in the order the model lists it.
double PolynomialWithoutConstant(const std::array<float, 7>& coefficient, double x) {
    double sum = 0.0;
    for (int power = 6; power >= 1; --power) {
        sum += coefficient[power] * std::pow(x, power);
    }
    return sum;
}

double Quadratic(float v2, float v1, float v0, double v) {
    return v2 * v * v + v1 * v + v0;
}

// The peaked model. Its reference capacitance, amplitude, peak temperature, sharpness
// and bracketed sum are single-precision values, and the side of the peak is decided on
// single-precision temperatures: that rounding is part of the published curves.
double PeakedCapacitance(const CapacitorRecord& record, double temperature, double bias,
                         TemperatureFactors factors, char separator) {
    const CharacterizationFrequencies omega = CharacterizationFrequenciesOf(record, separator);
    const float ceq0 = static_cast<float>(
        EquivalentSeriesAt(record, record.C1 * kPicoFarad, factors, omega[0], omega[1]).Capacitance);
    const float amplitude =
        static_cast<float>((BiasPolynomial(record, bias) + 100.0) * record.PeakAmplitude / 100.0);
    const float peak =
        static_cast<float>(Quadratic(record.PeakTempV2, record.PeakTempV1, record.PeakTemp0, bias));
    float sharpness = 0.0F;
    double exponent = 0.0;
    if (static_cast<float>(temperature) < peak) {
        sharpness =
            static_cast<float>(Quadratic(record.SharpBelowV2, record.SharpBelowV1, record.SharpBelow0, bias));
        exponent = record.ExpBelow;
    } else {
        sharpness =
            static_cast<float>(Quadratic(record.SharpAboveV2, record.SharpAboveV1, record.SharpAbove0, bias));
        exponent = record.ExpAbove;
    }
    const float bracket = static_cast<float>(
        amplitude * std::exp(-sharpness * std::pow(std::fabs(temperature - peak), exponent)) +
        record.PeakOffset);
    return (bracket / 100.0 + 1.0) * ceq0;
}

}  // namespace

bool HasConditionModel(const CapacitorRecord& record) noexcept {
    return record.ModelType == kModelPolynomial || record.ModelType == kModelPeaked;
}

TemperatureFactors ResistanceTemperatureFactors(const CapacitorRecord& record, double temperature,
                                                shared::CodeSystem codeSystem) {
    const double dt = temperature - ReferenceTemperature(codeSystem);
    const double da =
        record.ResTempA[3] * std::pow(dt, 3) + record.ResTempA[2] * std::pow(dt, 2) + record.ResTempA[1] * dt;
    const double db =
        record.ResTempB[3] * std::pow(dt, 3) + record.ResTempB[2] * std::pow(dt, 2) + record.ResTempB[1] * dt;
    return {da / 100.0 + 1.0, db / 100.0 + 1.0};
}

double TemperaturePolynomial(const CapacitorRecord& record, double offset) {
    return PolynomialWithoutConstant(record.TempCoef, offset);
}

double BiasPolynomial(const CapacitorRecord& record, double bias) {
    return PolynomialWithoutConstant(record.BiasCoef, bias);
}

double EffectiveC1(const CapacitorRecord& record, double temperature, double bias, TemperatureFactors factors,
                   char separator) {
    const double c1 = record.C1 * kPicoFarad;
    switch (record.ModelType) {
        case kModelPolynomial:
            return c1 * (TemperaturePolynomial(record, temperature - 25.0) / 100.0 + 1.0) *
                   (BiasPolynomial(record, bias) / 100.0 + 1.0);
        case kModelPeaked:
            return PeakedCapacitance(record, temperature, bias, factors, separator);
        case kModelFixed:
        default:
            return c1;
    }
}

}  // namespace pelmo
