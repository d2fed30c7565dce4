#include "darvo/engine/thermal_series.h"

#include "darvo/engine/engine_failure.h"
#include "darvo/engine/parameter_limit.h"

#include "shared/errors/runtime_error.h"

#include <cmath>
#include <functional>

namespace darvo {

namespace {

constexpr double kRatedRms = 0.3536;
// The allowable-power chart's own constants (not the 0.3536 of the rise charts).
constexpr double kReverseBiasRms = 0.707;
constexpr double kRatedRmsAllowable = 0.354;

float Single(double value) {
    return static_cast<float>(value);
}

// The largest value of a series: the first point sets it, a strictly larger one
// replaces it.
float Largest(const ChartDataRecord::Series& y) {
    float largest = y[0];
    for (const float value : y) {
        if (value > largest) {
            largest = value;
        }
    }
    return largest;
}

float Smallest(const ChartDataRecord::Series& y) {
    float smallest = y[0];
    for (const float value : y) {
        if (value < smallest) {
            smallest = value;
        }
    }
    return smallest;
}

// Fills 200 points from 0 to xe by repeated single-precision addition of xe / 199.
void FillFromZero(ChartDataRecord& record, float xe, const std::function<double(double)>& rise) {
    const float step = xe / 199.0F;
    float x = 0.0F;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kChartPoints); ++i) {
        record.XData[i] = x;
        record.YData[i] = Single(rise(x));
        x += step;
    }
}

// 10^Int(log10(value)) with the logarithm rounded to single precision first.
float DecadeBelow(float value, int extra) {
    const auto decade = static_cast<float>(std::log10(static_cast<double>(value)));
    return Single(std::pow(10.0, std::floor(static_cast<double>(decade)) + extra));
}

}  // namespace

float ThermalChartFrequency(int k) noexcept {
    const float counter = static_cast<float>(k);
    const float r = (199.0F - counter) / 199.0F;
    return Single(std::pow(10.0, 5.0 * r + 6.0 * (1.0 - static_cast<double>(r))));
}

void TempRiseSeries(ChartDataRecord& record, const HeatTerms& terms, double f0) {
    const double k1 = terms.K1(f0);
    const double k2 = terms.K2(f0);
    const double f = terms.F;
    const double vr = terms.RatedVoltage;
    const double limit = kTemperatureRiseLimit;
    float xe = 0.0F;
    std::function<double(double)> rise;
    if (record.XAxisName == Quantity::Current) {
        xe = Single(std::sqrt(limit / k2));
        rise = [k2](double x) { return k2 * x * x; };
    } else if (record.XAxisName == Quantity::Voltage) {
        xe = Single(kRatedRms * vr);
        if (k1 * std::pow(static_cast<double>(xe), f) > limit) {
            xe = Single(std::pow(limit / k1, 1.0 / f));
        }
        rise = [k1, f](double x) { return k1 * std::pow(x, f); };
    } else if (record.XAxisName == Quantity::ApparentPower) {
        const double exponent = 2.0 * f / (f + 2.0);
        const double g = std::pow(k2, f / (f + 2.0)) * std::pow(k1, 2.0 / (f + 2.0));
        xe = Single(std::sqrt(k1 / k2) * std::pow(vr, (f + 2.0) / 2.0));
        if (g * std::pow(static_cast<double>(xe), exponent) > limit) {
            xe = Single(std::pow(limit / g, (f + 2.0) / (2.0 * f)));
        }
        rise = [g, exponent](double x) { return g * std::pow(x, exponent); };
    } else if (record.XAxisName == Quantity::EffectivePower) {
        const double rth = terms.Rth;
        xe = Single(limit / rth);
        rise = [rth](double x) { return x * rth; };
    } else {
        RaiseUnknownQuantity(kCalculateDataTSource, record.XAxisName);
    }
    RequireFinite(xe, kCalculateDataTSource);
    FillFromZero(record, xe, rise);
    SetThermalAxisRange(record, xe, 0.0F, Largest(record.YData), 0.0F);
}

void TempRiseOverFrequency(ChartDataRecord& record, const HeatTerms& terms) {
    const double pv = record.ParameterValue;
    const double s = terms.HeatScale();
    const double f = terms.F;
    const Quantity name = record.ParameterName;
    for (int k = 0; k < kChartPoints; ++k) {
        const float fk = ThermalChartFrequency(k);
        const double frequency = fk;
        const auto decade = static_cast<double>(static_cast<float>(std::log10(frequency)));
        const double r = terms.A / frequency + terms.B + terms.C * frequency;
        const double voltageLaw = terms.D * std::pow(decade, static_cast<double>(terms.E));
        double y = 0.0;
        if (name == Quantity::Current) {
            y = pv * pv * r * s;
        } else if (name == Quantity::Voltage) {
            y = voltageLaw * std::pow(pv, f) * s;
        } else if (name == Quantity::ApparentPower) {
            y = std::pow(voltageLaw, 2.0 / (f + 2.0)) * std::pow(r, f / (f + 2.0)) *
                std::pow(pv, 2.0 * f / (f + 2.0)) * s;
        } else if (name == Quantity::EffectivePower) {
            y = pv * terms.Rth;
        } else {
            RaiseUnknownQuantity(kCalculateDataTSource, name);
        }
        const auto index = static_cast<std::size_t>(k);
        record.XData[index] = fk;
        record.YData[index] = Single(RequireFinite(y, kCalculateDataTSource));
    }
    const float largest = Largest(record.YData);
    record.Xmax = 1e6F;
    record.Xmin = 1e5F;
    record.Ymin = 0.0F;
    record.Ymax = largest >= kTemperatureRiseLimit ? kTemperatureRiseLimit
                                                   : std::floor(largest / 10.0F) * 10.0F + 10.0F;
}

void AllowablePowerSeries(ChartDataRecord& record, const HeatTerms& terms) {
    if (!(terms.Allowance > 0.0F)) {
        RaiseNumericalFailure(shared::error::kInvalidProcedureCall, kCalculateDataTSource,
                              "no temperature rise is allowed above the maximum operating temperature");
    }
    const double f = terms.F;
    const float vr = terms.RatedVoltage;
    const float vdc = terms.DcBias;
    const float half = Single(0.5 * static_cast<double>(vr));
    double vlim = 0.0;
    if (half < vdc && vdc < vr) {
        vlim = kReverseBiasRms * (static_cast<double>(vr) - static_cast<double>(vdc));
    } else if (0.0F <= vdc && vdc <= half) {
        vlim = kRatedRmsAllowable * vr;
    } else {
        RaiseNumericalFailure(shared::error::kInvalidProcedureCall, kCalculateDataTSource,
                              "the DC bias voltage lies outside 0 to the rated voltage");
    }
    const Quantity name = record.YAxisName;
    for (int k = 0; k < kChartPoints; ++k) {
        const float fk = ThermalChartFrequency(k);
        const double k1 = terms.K1(fk);
        const double k2 = terms.K2(fk);
        const double it = std::sqrt(terms.Allowance / k2);
        const double vt = std::pow(k2 / k1, 1.0 / f) * std::pow(it, 2.0 / f);
        double v = vt;
        double i = it;
        if (vlim <= vt) {
            v = vlim;
            i = std::pow(vlim, f / 2.0) * std::pow(k2 / k1, -0.5);
        }
        double y = 0.0;
        if (name == Quantity::Current) {
            y = i;
        } else if (name == Quantity::Voltage) {
            y = v;
        } else if (name == Quantity::ApparentPower) {
            y = i * v;
        } else if (name == Quantity::EffectivePower) {
            y = i * i * k2 / static_cast<double>(terms.Rth);
        } else {
            RaiseUnknownQuantity(kCalculateDataTSource, name);
        }
        const auto index = static_cast<std::size_t>(k);
        record.XData[index] = fk;
        record.YData[index] = Single(RequireFinite(y, kCalculateDataTSource));
    }
    const float largest = Largest(record.YData);
    const float smallest = Smallest(record.YData);
    if (!(smallest > 0.0F)) {
        RaiseNumericalFailure(shared::error::kInvalidProcedureCall, kCalculateDataTSource,
                              "the allowable load is not above 0, so it has no logarithmic axis");
    }
    record.MaxValue = largest;
    record.Ymax = DecadeBelow(largest, 1);
    record.Ymin = DecadeBelow(smallest, 0);
    record.Xmax = 1e6F;
    record.Xmin = 1e5F;
}

void SetThermalAxisRange(ChartDataRecord& record, float xe, float xs, float yhi, float ylo) {
    record.Xmax = std::floor(xe) + 1.0F;
    record.Xmin = xs;
    record.Ymax = yhi < 75.0F ? std::floor(yhi / 10.0F) * 10.0F + 10.0F : 100.0F;
    record.Ymin = ylo;
}

}  // namespace darvo
