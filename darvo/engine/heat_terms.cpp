#include "darvo/engine/heat_terms.h"

#include "darvo/engine/engine_failure.h"

#include "shared/errors/runtime_error.h"

#include <cmath>

namespace darvo {

namespace {

// Positions of the coefficients in HeatModel.
constexpr std::size_t kA0 = 0, kB0 = 1, kC0 = 2, kQ = 3, kA1 = 4, kA2 = 5, kB1 = 6, kB2 = 7, kC1 = 8, kC2 = 9;
constexpr std::size_t kSurfaceD = 10, kSurfaceE = 19, kSurfaceF = 28, kTmax = 37;

// A loss coefficient that varies with the temperature offset t and the bias ratio v.
double Surface(const ProductRecord& part, std::size_t first, double t, double v) {
    const auto s = [&](std::size_t i) { return static_cast<double>(part.HeatModel[first + i]); };
    return t * t * (s(0) * v * v + s(1) * v + s(2)) + t * (s(3) * v * v + s(4) * v + s(5)) +
           (s(6) * v * v + s(7) * v + s(8));
}

double Quadratic(const ProductRecord& part, std::size_t c0, std::size_t c1, std::size_t c2, double t) {
    return static_cast<double>(part.HeatModel[c0]) + static_cast<double>(part.HeatModel[c1]) * t +
           static_cast<double>(part.HeatModel[c2]) * t * t;
}

}  // namespace

double HeatTerms::HeatScale() const noexcept {
    return static_cast<double>(Rth) / static_cast<double>(Q);
}

float HeatTerms::K2(double f) const noexcept {
    const auto k2 = static_cast<float>((A / f + B + f * C) * HeatScale());
    return k2 <= 0.1F ? 1.0F : k2;
}

float HeatTerms::K1(double f) const noexcept {
    const auto decade = static_cast<float>(std::log10(f));
    return static_cast<float>(D * std::pow(static_cast<double>(decade), static_cast<double>(E)) *
                              HeatScale());
}

HeatTerms ComputeHeatTerms(const ProductRecord& part, const ChartDataRecord& record, const char* source) {
    HeatTerms terms;
    terms.RatedVoltage = part.RatedVoltage;
    terms.Q = part.HeatModel[kQ];
    terms.Rth = record.HeatResistance;
    terms.DcBias = record.DCBiasVoltage;
    if (!(terms.RatedVoltage > 0.0F)) {
        RaiseNumericalFailure(shared::error::kDivisionByZero, source, "the part has no rated voltage");
    }
    if (!(terms.Q > 0.0F)) {
        RaiseNumericalFailure(shared::error::kDivisionByZero, source,
                              "the part has no reference heat resistance");
    }
    if (!(terms.Rth > 0.0F)) {
        RaiseNumericalFailure(shared::error::kDivisionByZero, source, "the heat resistance must be above 0");
    }
    const float t = record.AmbientTemperature - 20.0F;
    const float v = record.DCBiasVoltage / part.RatedVoltage;
    terms.A = static_cast<float>(Quadratic(part, kA0, kA1, kA2, t));
    terms.B = static_cast<float>(Quadratic(part, kB0, kB1, kB2, t));
    terms.C = static_cast<float>(Quadratic(part, kC0, kC1, kC2, t));
    terms.D = static_cast<float>(std::pow(10.0, Surface(part, kSurfaceD, t, v)));
    terms.E = static_cast<float>(Surface(part, kSurfaceE, t, v));
    terms.F = static_cast<float>(Surface(part, kSurfaceF, t, v));
    for (const float term : {terms.A, terms.B, terms.C, terms.D, terms.E, terms.F}) {
        RequireFinite(term, source);
    }
    terms.Allowance = AllowedTemperatureRise(record.AmbientTemperature, part.HeatModel[kTmax]);
    return terms;
}

float AllowedTemperatureRise(float ambient, float tmax) noexcept {
    const float fullFrom = tmax - 20.0F;
    if (ambient < fullFrom) {
        return 20.0F;
    }
    if (ambient <= tmax) {
        return tmax - ambient;
    }
    return 0.0F;
}

}  // namespace darvo
