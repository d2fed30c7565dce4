#ifndef DARVO_ENGINE_HEAT_TERMS_H
#define DARVO_ENGINE_HEAT_TERMS_H

#include "darvo/engine/chart_data_record.h"
#include "darvo/library/product_record.h"

namespace darvo {

// The model terms of the temperature-rise and allowable-power charts for one part under
// one request's conditions, computed once per request. A / f + B + f·C is the rise per
// A² and D·L^E the rise per V^F at the part's reference heat resistance q; the ratio
// Rth / q scales both to the heat resistance the user entered.
struct HeatTerms {
    float A = 0, B = 0, C = 0;  // current loss law at the ambient temperature
    float D = 0, E = 0, F = 0;  // voltage loss law at the ambient temperature and bias
    float Rth = 0;              // entered heat resistance [C/W]
    float Q = 0;                // the part's reference heat resistance [C/W]
    float RatedVoltage = 0;     // [V]
    float DcBias = 0;           // [V]
    float Allowance = 0;        // allowed temperature rise [C]

    // Rth / q, in double precision as every power of the model.
    double HeatScale() const noexcept;
    // Rise per A² at f [Hz], scaled to Rth; a value of 0.1 or less is taken as 1.0 (the
    // maker's substitution for parts whose loss data run out, kept as it is).
    float K2(double f) const noexcept;
    // Rise per V^F at f [Hz], scaled to Rth.
    float K1(double f) const noexcept;
};

// The terms of a part for the conditions of a prepared record. Raises a numerical
// failure (RuntimeError naming source) when the rated voltage, q or the entered heat
// resistance is not above 0, since every curve divides by them.
HeatTerms ComputeHeatTerms(const ProductRecord& part, const ChartDataRecord& record, const char* source);

// The temperature rise allowed at ambient T for a part of maximum temperature tmax:
// 20 C up to tmax - 20 (rounded to single first), then what is left up to tmax, 0 above.
float AllowedTemperatureRise(float ambient, float tmax) noexcept;

}  // namespace darvo

#endif
