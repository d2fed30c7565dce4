#include "darvo/engine/parameter_limit.h"

#include "darvo/engine/engine_failure.h"

#include "shared/text/number_text.h"

#include <cmath>

namespace darvo {

namespace {

// The rms value of a sine whose peak-to-peak swing is the rated voltage (the maker's
// rounding of 1 / (2·sqrt(2)), which the charts depend on).
constexpr double kRatedRms = 0.3536;

// log10 of 10^4 Hz, where the voltage law is evaluated for the bound.
constexpr double kBoundDecade = 4.0;

// The rise per A² at f at the reference heat resistance, with the same substitution
// as the curves.
double CurrentCoefficient(const HeatTerms& terms, double f) {
    const auto r = static_cast<float>(terms.A / f + terms.B + terms.C * f);
    return r <= 0.1F ? 1.0 : static_cast<double>(r);
}

}  // namespace

ParameterLimitResult ParameterLimit(Quantity parameterName, float value, float limit,
                                    const HeatTerms& terms) {
    const double s = terms.HeatScale();
    const double f = terms.F;
    const double vr = terms.RatedVoltage;
    double pmax = 0.0;
    if (parameterName == Quantity::Current) {
        const double r1 = CurrentCoefficient(terms, 1e6);
        pmax = std::sqrt(limit / (r1 * s));
    } else if (parameterName == Quantity::Voltage) {
        const double k = terms.D * std::pow(kBoundDecade, static_cast<double>(terms.E)) * s;
        pmax = kRatedRms * vr;
        if (k * std::pow(pmax, f) > kTemperatureRiseLimit) {
            pmax = std::pow(limit / k, 1.0 / f);
        }
    } else if (parameterName == Quantity::ApparentPower) {
        const double k = terms.D * std::pow(kBoundDecade, static_cast<double>(terms.E));
        const double r4 = CurrentCoefficient(terms, 1e4);
        pmax = std::pow(vr, (f + 2.0) / 2.0) * std::sqrt(k) / std::sqrt(r4);
        const double h = std::pow(r4, f / (f + 2.0)) * std::pow(k, 2.0 / (f + 2.0)) * s;
        if (h * std::pow(pmax, 2.0 * f / (f + 2.0)) > kTemperatureRiseLimit) {
            pmax = std::pow(limit / h, (f + 2.0) / (2.0 * f));
        }
    } else if (parameterName == Quantity::EffectivePower) {
        pmax = limit / static_cast<double>(terms.Rth);
    } else {
        RaiseUnknownQuantity(kCalculateDataTSource, parameterName);
    }
    ParameterLimitResult result;
    result.Pmax = static_cast<float>(RequireFinite(pmax, kCalculateDataTSource));
    result.Ok = value >= 0.0F && value <= result.Pmax;
    return result;
}

std::string ParameterUnit(Quantity parameterName) {
    if (parameterName == Quantity::Current) {
        return "[Arms]";
    }
    if (parameterName == Quantity::Voltage) {
        return "[Vrms]";
    }
    if (parameterName == Quantity::ApparentPower) {
        return "[VA]";
    }
    if (parameterName == Quantity::EffectivePower) {
        return "[W]";
    }
    return {};
}

std::string ParameterLimitMessage(Quantity parameterName, float pmax, char separator) {
    const float shown = std::floor(pmax * 100.0F) / 100.0F;
    return std::string("Parameter is invalid!\nPlease enter a Number from 0 to ") +
           shared::GeneralNumberTextSingle(shown, separator) + " " + ParameterUnit(parameterName);
}

}  // namespace darvo
