#include "tools/libgen/inductor_factory.h"

#include "tools/libgen/split_mix64.h"

#include "shared/text/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace pelmo::libgen {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// A published part of a family: inductance [nH], self-resonance [GHz], typical DC
// resistance [ohm], the skin-effect resistance at 100 MHz that gives its Q curve
// [ohm], and rated current [mA].
struct Anchor {
    double nh, srfGhz, r0, rsCoef, currentMa;
};

struct InductorFamily {
    std::string_view prefix;  // series, size and construction letters
    std::string_view eiaSize;
    std::string_view jisSize;
    double rsExponent;  // 0.5 wire-wound (skin effect), 0.7 multilayer
    std::array<Anchor, 5> anchors;
    std::size_t anchorCount;
    std::array<double, 32> values;  // preferred inductances offered [nH]
    std::size_t valueCount;
    std::array<std::string_view, 4> sheet;  // L, W, T, e
    // Tolerance letters offered below and from 10 nH: one value in two tolerances is two
    // parts that agree in every filter of the program.
    std::string_view smallTolerances;
    std::string_view largeTolerances;
};

// clang-format off
const InductorFamily kFamilies[] = {
    // Wire-wound on ceramic cores.
    {"PWW15HN", "0402", "1005", 0.5,
     {{{1.0, 12.7, 0.035, 0.020, 1300}, {3.9, 6.0, 0.050, 0.116, 840}, {10, 3.9, 0.14, 0.315, 480},
       {27, 2.4, 0.20, 0.82, 440}, {100, 1.1, 1.2, 1.75, 100}}}, 5,
     {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2, 10, 12, 15, 18, 22, 27, 33,
      39, 47, 56, 68, 82, 100}, 25, {"1.19", "0.64", "0.66", "0.25"}, "S", "GJ"},
    {"PWW18HN", "0603", "1608", 0.5,
     {{{1.6, 12.5, 0.025, 0.053, 700}, {10, 4.8, 0.070, 0.259, 700}, {47, 2.0, 0.20, 0.72, 600},
       {100, 1.4, 0.45, 1.66, 400}}}, 4,
     {1.6, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2, 10, 12, 15, 18, 22, 27, 33, 39, 47, 56,
      68, 82, 100}, 23, {"1.80", "1.12", "1.02", "0.38"}, "S", "GJ"},
    // Multilayer.
    {"PWL03LS", "0201", "0603", 0.7,
     {{{1.0, 12.5, 0.12, 0.032, 200}, {10, 4.1, 0.45, 0.35, 150}, {47, 1.7, 1.6, 2.0, 80}}}, 3,
     {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2, 10, 12, 15, 18, 22, 27, 33,
      39, 47}, 21, {"0.60d0.03", "0.30d0.03", "0.30d0.03", "0.15d0.05"}, "S", "JK"},
    {"PWL15LS", "0402", "1005", 0.7,
     {{{1.0, 11, 0.08, 0.023, 300}, {10, 3.6, 0.30, 0.247, 300}, {33, 1.5, 0.80, 1.07, 200},
       {100, 0.70, 1.9, 3.98, 100}}}, 4,
     {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2, 10, 12, 15, 18, 22, 27, 33,
      39, 47, 56, 68, 82, 100}, 25, {"1.00d0.05", "0.50d0.05", "0.50d0.05", "0.25d0.10"}, "S", "JK"},
    {"PWL18LS", "0603", "1608", 0.7,
     {{{1.0, 11, 0.06, 0.022, 500}, {10, 3.3, 0.22, 0.252, 300}, {100, 0.75, 0.90, 3.45, 150}}}, 3,
     {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2, 10, 12, 15, 18, 22, 27, 33,
      39, 47, 56, 68, 82, 100, 120, 150, 180, 220, 270}, 30,
     {"1.60d0.15", "0.80d0.15", "0.80d0.15", "0.30d0.20"}, "S", "JK"},
    // Thin film: the smallest values resonate beyond the 20 GHz of the data.
    {"PWT15DZ", "0402", "1005", 0.5,
     {{{0.6, 22, 0.08, 0.030, 600}, {1.0, 17, 0.10, 0.040, 500}, {3.3, 9.0, 0.22, 0.10, 350},
       {10, 4.6, 0.50, 0.30, 200}}}, 4,
     {0.6, 0.8, 1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2, 10}, 15,
     {"1.00d0.05", "0.50d0.05", "0.30d0.05", "0.20d0.10"}, "BS", "HJ"},
};
// clang-format on

// Log-log interpolation between the anchors, extended along the end segments.
double Interpolate(const InductorFamily& family, double nh, double Anchor::*field) {
    std::size_t segment = 0;
    while (segment + 2 < family.anchorCount && nh > family.anchors[segment + 1].nh) {
        ++segment;
    }
    const Anchor& a = family.anchors[segment];
    const Anchor& b = family.anchors[segment + 1];
    const double t = std::log(nh / a.nh) / std::log(b.nh / a.nh);
    return std::exp(std::log(a.*field) + t * (std::log(b.*field) - std::log(a.*field)));
}

// The factor of the model's reactance that changes sign at the self-resonance, from
// X = w Ls (1 - w^2 Ls Cp - Cp Rser^2 / Ls) / D: positive below it, negative above.
double ReactanceSign(const InductorRecord& r, double f) {
    const double w = kTwoPi * f;
    const double rs = r.RsCoef * std::pow(f / 1e8, static_cast<double>(r.RsExponent));
    const double ls0 = r.L0 * 1e-9 * std::pow(f / 1e7, static_cast<double>(r.L0Exponent));
    const double l1 = r.L1 * 1e-9;
    const double cp = r.Cp * 1e-12;
    const double m = (r.R1 + rs) * (r.R1 + rs) + w * w * l1 * l1;
    const double ls = rs * rs * l1 / m + ls0;
    const double rser = rs * (r.R1 * r.R1 + r.R1 * rs + w * w * l1 * l1) / m + r.R0;
    return 1.0 - w * w * ls * cp - cp * rser * rser / ls;
}

float UpperFrequencyFor(double srf) {
    for (const float limit : {6e9F, 8.5e9F, 18e9F}) {
        if (srf <= limit) {
            return limit;
        }
    }
    return 2e10F;
}

}  // namespace

double InductorModelResonance(const InductorRecord& record, double low, double high) {
    if (ReactanceSign(record, low) <= 0 || ReactanceSign(record, high) >= 0) {
        return 0.0;
    }
    for (int i = 0; i < 200; ++i) {
        const double middle = std::sqrt(low * high);
        if (ReactanceSign(record, middle) > 0) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return std::sqrt(low * high);
}

std::string InductorFactory::InductanceCode(double nanohenries) {
    const auto tenths = static_cast<long>(std::lround(nanohenries * 10.0));
    if (tenths < 100) {
        return std::to_string(tenths / 10) + "N" + std::to_string(tenths % 10);
    }
    const long whole = tenths / 10;
    if (whole < 100) {
        return std::to_string(whole) + "N";
    }
    // Tenths and hundredths of a microhenry.
    return "R" + std::to_string(whole / 100) + std::to_string((whole / 10) % 10);
}

std::vector<InductorRecord> InductorFactory::BuildCatalogue() {
    std::vector<InductorRecord> records;
    for (const InductorFamily& family : kFamilies) {
        for (std::size_t v = 0; v < family.valueCount; ++v) {
            const double nh = family.values[v];
            InductorRecord model;
            model.SizeCode = {std::string(family.eiaSize), std::string(family.jisSize)};
            // Library files write "." whatever the user's locale.
            model.Inductance = shared::GeneralNumberText(nh, '.');
            const double current =
                std::max(10.0, 10.0 * std::round(Interpolate(family, nh, &Anchor::currentMa) / 10.0));
            model.RatedCurrent = shared::GeneralNumberText(current, '.');

            const double r0 = Interpolate(family, nh, &Anchor::r0) * random_.Scatter(0.05);
            model.L0 = static_cast<float>(nh);
            model.L0Exponent = 0.0F;  // ceramic core: flat inductance
            model.RsCoef =
                static_cast<float>(Interpolate(family, nh, &Anchor::rsCoef) * random_.Scatter(0.05));
            model.RsExponent = static_cast<float>(family.rsExponent);
            model.L1 = static_cast<float>(std::max(0.15 * nh, 0.2));
            model.R1 = static_cast<float>(std::max(0.2 * r0, 0.01));
            model.R0 = static_cast<float>(r0);
            const double srf = Interpolate(family, nh, &Anchor::srfGhz) * 1e9 * random_.Scatter(0.03);
            model.Cp = static_cast<float>(1.0 / (kTwoPi * kTwoPi * srf * srf * nh * 1e-9) * 1e12);
            if (srf > 2e10) {
                // Beyond the data: the program shows "Over 6000" and sweeps to the end
                // of the data.
                model.SelfResonance = 0.0F;
                model.UpperFrequency = 2e10F;
            } else {
                // Store where the model itself resonates, to 10 MHz, so the stored
                // figure and the charts agree.
                const double found = InductorModelResonance(model, 0.5 * srf, 1.5 * srf);
                const double rounded = std::round((found > 0 ? found : srf) / 1e7) * 1e7;
                model.SelfResonance = static_cast<float>(rounded);
                model.UpperFrequency = UpperFrequencyFor(rounded);
            }
            for (std::size_t i = 0; i < 4; ++i) {
                model.SizeSheet[i] = std::string(family.sheet[i]);
            }
            model.SizeSheet[4] = "";  // g(min) has no value for inductors

            const std::string_view tolerances = nh < 10 ? family.smallTolerances : family.largeTolerances;
            for (const char tolerance : tolerances) {
                InductorRecord record = model;
                record.PartNumber = std::string(family.prefix) + InductanceCode(nh) + tolerance;
                records.push_back(std::move(record));
            }
        }
    }
    return records;
}

}  // namespace pelmo::libgen
