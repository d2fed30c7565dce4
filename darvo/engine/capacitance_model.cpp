#include "darvo/engine/capacitance_model.h"

#include <array>
#include <cmath>
#include <string>

namespace darvo {

namespace {

struct TempRange {
    const char* name;
    int tmin;
    int tmax;
};

// clang-format off
constexpr std::array<TempRange, 13> kTempRanges{{
    {"R", -55, 125}, {"X7R", -55, 125}, {"X7S", -55, 125}, {"X7U", -55, 125}, {"X7T", -55, 125},
    {"X6S", -55, 105}, {"X6T", -55, 105},
    {"X5R", -55, 85},
    {"X8R", -55, 150}, {"X8L", -55, 150},
    {"B", -25, 85}, {"F", -25, 85},
    {"Y5V", -30, 85},
}};
constexpr std::array<std::string_view, 11> kPolynomialNames{
    "R", "X7R", "X7S", "X7U", "X6S", "X5R", "B", "X8R", "X8L", "X7T", "X6T"};
constexpr std::array<std::string_view, 2> kPeakedNames{"F", "Y5V"};
// clang-format on

// Positions in CapModel.
constexpr std::size_t kDc = 0, kTemp = 6, kPeak = 12, kOffset = 13, kPeakTemp = 14, kWidthBelow = 17,
                      kWidthAbove = 20, kExpBelow = 23, kExpAbove = 24, kAc = 25, kAcReference = 29;

}  // namespace

int GetCapacitanceClass(const ProductRecord& part, shared::CodeSystem codeSystem) {
    if (part.PolynomialModel) {
        return kPolynomialClass;
    }
    const std::string& name = part.TempChar[static_cast<std::size_t>(codeSystem)];
    for (const std::string_view known : kPolynomialNames) {
        if (name == known) {
            return kPolynomialClass;
        }
    }
    for (const std::string_view known : kPeakedNames) {
        if (name == known) {
            return kPeakedClass;
        }
    }
    return kNoCapacitanceClass;
}

bool GetTempRange(std::string_view characteristic, int& tmin, int& tmax) noexcept {
    for (const TempRange& range : kTempRanges) {
        if (characteristic == range.name) {
            tmin = range.tmin;
            tmax = range.tmax;
            return true;
        }
    }
    return false;
}

CapacitanceModel::CapacitanceModel(const ProductRecord& part, int modelClass, shared::CodeSystem codeSystem)
    : part_(part), class_(modelClass), codeSystem_(codeSystem) {}

double CapacitanceModel::Pdc(double v) const noexcept {
    return K(kDc) * std::pow(v, 6) + K(kDc + 1) * std::pow(v, 5) + K(kDc + 2) * std::pow(v, 4) +
           K(kDc + 3) * std::pow(v, 3) + K(kDc + 4) * v * v + K(kDc + 5) * v;
}

double CapacitanceModel::PT(double x) const noexcept {
    return K(kTemp) * std::pow(x, 6) + K(kTemp + 1) * std::pow(x, 5) + K(kTemp + 2) * std::pow(x, 4) +
           K(kTemp + 3) * std::pow(x, 3) + K(kTemp + 4) * x * x + K(kTemp + 5) * x;
}

double CapacitanceModel::Pac(double u) const noexcept {
    const double d = u - K(kAcReference);
    return K(kAc) * std::pow(d, 4) + K(kAc + 1) * std::pow(d, 3) + K(kAc + 2) * d * d + K(kAc + 3) * d;
}

double CapacitanceModel::Change(double t, double v, double pdc, double pt) const noexcept {
    if (class_ == kPolynomialClass) {
        return pt + pdc + pt * pdc / 100.0;
    }
    const double amplitude = (pdc + 100.0) * K(kPeak) / 100.0;
    const double peakTemp = K(kPeakTemp) * v * v + K(kPeakTemp + 1) * v + K(kPeakTemp + 2);
    const bool below = t < peakTemp;
    const std::size_t widthAt = below ? kWidthBelow : kWidthAbove;
    const double width = K(widthAt) * v * v + K(widthAt + 1) * v + K(widthAt + 2);
    const double exponent = below ? K(kExpBelow) : K(kExpAbove);
    return amplitude * std::exp(-width * std::pow(std::fabs(t - peakTemp), exponent)) + K(kOffset);
}

double CapacitanceModel::Capacitance(double change) const noexcept {
    return static_cast<double>(part_.CapacitanceBasis) * (change / 100.0 + 1.0);
}

double CapacitanceModel::ShownChange(double change) const noexcept {
    if (!IsJis()) {
        return change;
    }
    const double c20 = C20();
    return (Capacitance(change) - c20) / c20 * 100.0;
}

double CapacitanceModel::C20() const noexcept {
    const double cb = part_.CapacitanceBasis;
    if (class_ == kPolynomialClass) {
        return cb * (PT(-5.0) / 100.0 + 1.0);
    }
    const double peakTemp = K(kPeakTemp + 2);
    const bool below = 20.0 < peakTemp;
    const double width = below ? K(kWidthBelow + 2) : K(kWidthAbove + 2);
    const double exponent = below ? K(kExpBelow) : K(kExpAbove);
    return cb * ((K(kPeak) * std::exp(-width * std::pow(std::fabs(20.0 - peakTemp), exponent)) + K(kOffset)) /
                     100.0 +
                 1.0);
}

double CapacitanceModel::C20Ac() const noexcept {
    if (class_ != kPolynomialClass) {
        return C20();
    }
    const double pt = PT(-5.0);
    return static_cast<double>(part_.CapacitanceBasis) * ((pt + pt / 1000.0) / 100.0 + 1.0);
}

}  // namespace darvo
