#include "tools/libgen/product_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace darvo::libgen {

namespace {

// Normalised DC-bias shapes q(v) = b1.v + b2.v^2 + b3.v^3 + b4.v^4 [%], v = V / Vr.
struct BiasFamily {
    double b1, b2, b3, b4;
    double At(double v) const { return ((b4 * v + b3) * v + b2) * v * v + b1 * v; }
};
constexpr BiasFamily kThickLayers{-1.520, -11.488, 5.005, 0.0};               // <= 10 nF
constexpr BiasFamily kMedium{-19.121, -56.412, 30.583, 0.0};                  // 0.1-1 uF
constexpr BiasFamily kHighCapacitance{-34.650, -325.615, 521.401, -233.145};  // >= 1 uF, <= 16 V
constexpr BiasFamily kThinLayers{-121.930, -246.557, 587.382, -303.983};      // max-CV
constexpr BiasFamily kPeaked{-138.377, -137.268, 443.474, -247.945};          // Y5V / F

// The AC-level polynomial Pac = k25.d^4 + k26.d^3 + k27.d^2 + k28.d, d = U - k29, with
// k30 the largest level charted: capacitance rises with the test signal.
struct AcFamily {
    float k25, k26, k27, k28, k29, k30;
};
constexpr AcFamily kAcLowVoltage{-1.6613F, 2.3239F, -2.5799F, 7.9172F, 1.0F, 2.0F};
constexpr AcFamily kAcHighVoltage{-0.2511F, 1.0555F, -2.1550F, 4.8469F, 1.0F, 3.0F};
constexpr AcFamily kAcLargeCapacitance{-1.5069F, 5.1141F, -7.9719F, 10.8696F, 0.5F, 2.0F};
constexpr AcFamily kAcPeaked{-5.7794F, 6.1483F, -2.9903F, 12.6261F, 1.0F, 2.0F};

bool IsPeakedCharacteristic(const ProductDesign& design) {
    return design.characteristic->eiaName == "Y5V" || design.characteristic->jisName == "F";
}

const BiasFamily& BiasFamilyOf(const ProductDesign& design) {
    if (IsPeakedCharacteristic(design)) {
        return kPeaked;
    }
    if (design.maxCv) {
        return kThinLayers;
    }
    if (design.picofarads <= 1e4) {
        return kThickLayers;
    }
    if (design.picofarads >= 1e6 && design.ratedVolts <= 16.0) {
        return kHighCapacitance;
    }
    return kMedium;
}

const AcFamily& AcFamilyOf(const ProductDesign& design) {
    if (IsPeakedCharacteristic(design)) {
        return kAcPeaked;
    }
    if (design.picofarads > 1e7) {
        return kAcLargeCapacitance;
    }
    return design.ratedVolts <= 10.0 ? kAcLowVoltage : kAcHighVoltage;
}

// Rise per A^2 at 20 C: A / f + B + C.f.
double CurrentTerm(double a0, double b0, double c0, double frequency) {
    return a0 / frequency + b0 + c0 * frequency;
}

// The lowest current term over 100 kHz to 1 MHz; it has one minimum, at sqrt(A / C).
double LowestCurrentTerm(double a0, double b0, double c0) {
    double lowest = std::min(CurrentTerm(a0, b0, c0, 1e5), CurrentTerm(a0, b0, c0, 1e6));
    if (c0 > 0.0) {
        const double turn = std::sqrt(a0 / c0);
        if (turn > 1e5 && turn < 1e6) {
            lowest = std::min(lowest, CurrentTerm(a0, b0, c0, turn));
        }
    }
    return lowest;
}

}  // namespace

double ReferenceHeatResistance(std::string_view sizeCode) {
    static constexpr std::pair<std::string_view, double> kResistances[] = {
        {"15", 700}, {"18", 450}, {"21", 300}, {"31", 200}, {"32", 150}, {"43", 100}, {"55", 80}};
    for (const auto& [size, resistance] : kResistances) {
        if (size == sizeCode) {
            return resistance;
        }
    }
    return 0.0;
}

CapModelValues MakeCapModel(const ProductDesign& design) {
    CapModelValues k{};
    const double vr = design.ratedVolts;
    const BiasFamily& bias = BiasFamilyOf(design);
    // k0..k5 run from the V^6 to the V term; the shapes stop at V^4.
    k[2] = static_cast<float>(bias.b4 / std::pow(vr, 4));
    k[3] = static_cast<float>(bias.b3 / std::pow(vr, 3));
    k[4] = static_cast<float>(bias.b2 / std::pow(vr, 2));
    k[5] = static_cast<float>(bias.b1 / vr);

    const pelmo::libgen::TemperatureCharacteristic& tc = *design.characteristic;
    if (tc.modelType == 4) {
        // The peaked model: the peak sits at 12 C without bias and moves up with it.
        k[12] = 80.0F;
        k[13] = -90.0F;
        k[14] = static_cast<float>(-5.0 / (vr * vr));
        k[15] = static_cast<float>(30.0 / vr);
        k[16] = 12.0F;
        k[17] = 0.0F;
        k[18] = static_cast<float>(-3.0e-4 / vr);
        k[19] = 6.05e-4F;
        k[20] = 0.0F;
        k[21] = static_cast<float>(-3.3e-4 / vr);
        k[22] = 8.2e-4F;
        k[23] = 2.0F;
        k[24] = 1.8F;
    } else {
        // k6..k11 run from the x^6 to the x term; the shapes stop at x^5.
        for (std::size_t power = 1; power <= 5; ++power) {
            k[12 - power] = static_cast<float>(tc.tempCoef[power - 1]);
        }
    }

    const AcFamily& ac = AcFamilyOf(design);
    k[25] = ac.k25;
    k[26] = ac.k26;
    k[27] = ac.k27;
    k[28] = ac.k28;
    k[29] = ac.k29;
    k[30] = ac.k30;
    return k;
}

HeatModelValues MakeHeatModel(const ProductDesign& design, pelmo::libgen::SplitMix64& random) {
    const double q = ReferenceHeatResistance(design.sizeCode);
    const double farads = design.picofarads * 1e-12;
    const bool peaked = IsPeakedCharacteristic(design);

    // ESR = DF / (2 pi f C) + Rb + Rc-term: dielectric loss, electrodes, skin effect.
    const double dissipation = (peaked ? 0.07 : farads > 1e-6 ? 0.05 : 0.03) * random.Scatter(0.1);
    const double rb = std::clamp(0.02 * std::pow(farads / 1e-7, -0.4), 0.0015, 0.5) * random.Scatter(0.1);
    const double rc = std::clamp(0.05 * std::pow(farads / 1e-7, -0.2), 0.01, 0.2);

    double a0 = q * dissipation / (2.0 * std::numbers::pi * farads);
    double b0 = q * rb;
    double c0 = q * rc * std::sqrt(1e-3) / 1e6;
    if (design.lowLoss) {
        b0 = 0.03;
        c0 = 0.0;
        a0 = std::min(a0, 1000.0);
    } else {
        const double lowest = LowestCurrentTerm(a0, b0, c0);
        if (lowest < kMinimumRisePerAmpereSquared) {
            b0 += kMinimumRisePerAmpereSquared - lowest;
        }
    }

    // The rise per V^2: q . (2 pi f C)^2 . ESR(f), as a power law D . L^E in L = log10 f
    // through the values at 100 kHz and 1 MHz.
    const auto voltageTerm = [&](double frequency) {
        const double reactive = 2.0 * std::numbers::pi * frequency * farads;
        return reactive * reactive * CurrentTerm(a0, b0, c0, frequency);
    };
    const double exponent = std::log(voltageTerm(1e6) / voltageTerm(1e5)) / std::log(6.0 / 5.0);
    const double d8 = std::log10(voltageTerm(1e5)) - exponent * std::log10(5.0);
    // C^2 falls with bias as (1 + q(v)/100)^2; fitted in log10 at half and full rating.
    const BiasFamily& bias = BiasFamilyOf(design);
    const double half = 2.0 * std::log10(1.0 + bias.At(0.5) / 100.0);
    const double full = 2.0 * std::log10(1.0 + bias.At(1.0) / 100.0);
    const double d6 = 2.0 * (full - 2.0 * half);
    const double d7 = full - d6;

    HeatModelValues h{};
    h[0] = static_cast<float>(a0);
    h[1] = static_cast<float>(b0);
    h[2] = static_cast<float>(c0);
    h[3] = static_cast<float>(q);
    h[4] = static_cast<float>(-0.01 * a0);  // the dielectric loss falls as the chip warms
    h[5] = static_cast<float>(1e-4 * a0);
    h[6] = static_cast<float>(0.004 * b0);  // electrode resistance rises with temperature
    h[7] = 0.0F;
    h[8] = static_cast<float>(0.003 * c0);
    h[9] = 0.0F;
    h[10 + 5] = -0.002F;  // d5: the t term
    h[10 + 6] = static_cast<float>(d6);
    h[10 + 7] = static_cast<float>(d7);
    h[10 + 8] = static_cast<float>(d8);
    h[19 + 8] = static_cast<float>(exponent);
    h[28 + 8] = 2.0F;
    h[37] = static_cast<float>(design.characteristic->upperTemperature);
    return h;
}

double RisePerAmpereSquared(const HeatModelValues& heat, double frequency, double ambient) {
    const double t = ambient - 20.0;
    const double a = heat[0] + heat[4] * t + heat[5] * t * t;
    const double b = heat[1] + heat[6] * t + heat[7] * t * t;
    const double c = heat[2] + heat[8] * t + heat[9] * t * t;
    return a / frequency + b + frequency * c;
}

}  // namespace darvo::libgen
