#include "tools/libgen/capacitor_catalog.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace pelmo::libgen {

namespace {

using G = CapacitanceGrid;

// The catalogue: general purpose KTA across all standard sizes, automotive KTE with the
// high-temperature dielectrics, 20 GHz KTH, high-Q KTN/VSD/VSK, the low-inductance PN
// families and the KUX die-attach chip. Ranges follow what public catalogues offer per
// case size and voltage; thin-layer rows are the maximum-capacitance parts of a size.
// clang-format off
const CatalogRow kRows[] = {
    // KTA: general purpose.
    {"KTA", "02", "C0G", "1E", 0.2, 100, G::E12},
    {"KTA", "02", "X7R", "1A", 100, 10000, G::E6},
    {"KTA", "02", "X5R", "0J", 10000, 100000, G::E6, -1, true},
    {"KTA", "03", "C0G", "1H", 0.5, 1000, G::E12},
    {"KTA", "03", "C0H", "1H", 1, 100, G::E6},
    {"KTA", "03", "X7R", "1C", 100, 10000, G::E12},
    {"KTA", "03", "X7R", "1E", 100, 4700, G::E6},
    {"KTA", "03", "X5R", "0J", 10000, 1e6, G::E6, -1, true},
    {"KTA", "03", "X5R", "1A", 10000, 220000, G::E6},
    {"KTA", "03", "X7S", "0J", 100000, 1e6, G::E6},
    {"KTA", "03", "B-JIS", "1A", 1000, 100000, G::E6},
    {"KTA", "15", "C0G", "1H", 0.5, 10000, G::E12},
    {"KTA", "15", "C0H", "1H", 1, 1000, G::E6},
    {"KTA", "15", "C0J", "1H", 1, 100, G::E6},
    {"KTA", "15", "C0K", "1H", 1, 100, G::E6},
    {"KTA", "15", "U2J", "1H", 10, 10000, G::E6},
    {"KTA", "15", "P2H", "1H", 10, 1000, G::E6},
    {"KTA", "15", "SL", "1H", 10, 1000, G::E6},
    {"KTA", "15", "X7R", "1H", 100, 10000, G::E12},
    {"KTA", "15", "X7R", "1E", 10000, 47000, G::E12},
    {"KTA", "15", "X7R", "1C", 10000, 100000, G::E12},
    {"KTA", "15", "X7R", "1A", 100000, 220000, G::E6},
    {"KTA", "15", "X7R-R", "1H", 100, 10000, G::E6},
    {"KTA", "15", "X5R", "0J", 100000, 2.2e6, G::E6, -1, true},
    {"KTA", "15", "X5R", "0G", 2.2e6, 4.7e6, G::E6, -1, true},
    {"KTA", "15", "X7S", "0J", 100000, 1e6, G::E6},
    {"KTA", "15", "X6S", "0J", 100000, 2.2e6, G::E6, -1, true},
    {"KTA", "15", "X7T", "0J", 100000, 1e6, G::E6, -1, true},
    {"KTA", "15", "X8R", "1H", 100, 10000, G::E6},
    {"KTA", "15", "X8L", "1E", 1000, 100000, G::E6},
    {"KTA", "15", "Y5V-PEAK", "1C", 1000, 100000, G::E6},
    {"KTA", "15", "Y5V", "1A", 10000, 1e6, G::E6},
    {"KTA", "15", "B-JIS", "1C", 1000, 100000, G::E6},
    {"KTA", "18", "C0G", "1H", 0.5, 47000, G::E12},
    {"KTA", "18", "C0G", "2A", 1, 10000, G::E6},
    {"KTA", "18", "X7R", "1H", 220, 100000, G::E12},
    {"KTA", "18", "X7R", "1E", 100000, 1e6, G::E12},
    {"KTA", "18", "X7R", "1C", 1e6, 2.2e6, G::E6},
    {"KTA", "18", "X7R", "1A", 2.2e6, 4.7e6, G::E6},
    {"KTA", "18", "X7R", "2A", 100, 10000, G::E6},
    {"KTA", "18", "X7R-R", "1E", 10000, 1e6, G::E6},
    {"KTA", "18", "X5R", "0J", 1e6, 2.2e7, G::E6, -1, true},
    {"KTA", "18", "X5R", "1A", 1e6, 1e7, G::E6},
    {"KTA", "18", "X7S", "0J", 1e6, 1e7, G::E6},
    {"KTA", "18", "X7T", "1C", 1e6, 4.7e6, G::E6, -1, true},
    {"KTA", "18", "X7U", "1A", 1e6, 4.7e6, G::E6},
    {"KTA", "18", "X6S", "0G", 4.7e6, 2.2e7, G::E6, -1, true},
    {"KTA", "18", "X6T", "0J", 1e6, 1e7, G::E6},
    {"KTA", "18", "X8R", "1H", 1000, 100000, G::E6},
    {"KTA", "18", "X8L", "1E", 10000, 1e6, G::E6},
    {"KTA", "18", "Y5V-PEAK", "1E", 10000, 1e6, G::E6},
    {"KTA", "18", "Y5V", "1A", 100000, 2.2e6, G::E6},
    {"KTA", "18", "B-JIS", "1E", 10000, 1e6, G::E6},
    {"KTA", "21", "C0G", "1H", 1, 100000, G::E12},
    {"KTA", "21", "C0G", "2A", 10, 22000, G::E6},
    {"KTA", "21", "X7R", "1H", 1000, 1e6, G::E12},
    {"KTA", "21", "X7R", "1E", 1e6, 4.7e6, G::E6},
    // The same values again in the thickest chip: parts that differ only in position 6.
    {"KTA", "21", "X7R", "1E", 1e6, 2.2e6, G::E6, 2},
    {"KTA", "21", "X7R", "1C", 4.7e6, 1e7, G::E6},
    {"KTA", "21", "X7R", "2A", 1000, 100000, G::E6},
    {"KTA", "21", "X7R", "2D", 1000, 22000, G::E6},
    {"KTA", "21", "X5R", "0J", 1e7, 4.7e7, G::E6, -1, true},
    {"KTA", "21", "X5R", "1A", 4.7e6, 2.2e7, G::E6},
    {"KTA", "21", "X7S", "0J", 1e7, 2.2e7, G::E6},
    {"KTA", "21", "X6S", "0J", 1e7, 4.7e7, G::E6, -1, true},
    {"KTA", "21", "X8R", "1H", 10000, 1e6, G::E6},
    {"KTA", "21", "X8L", "1E", 100000, 2.2e6, G::E6},
    {"KTA", "21", "Y5V-PEAK", "1C", 100000, 4.7e6, G::E6},
    {"KTA", "21", "Y5V", "1A", 1e6, 1e7, G::E6},
    {"KTA", "31", "C0G", "1H", 1, 220000, G::E12},
    {"KTA", "31", "C0G", "2A", 100, 47000, G::E6},
    {"KTA", "31", "C0G", "2E", 10, 10000, G::E6},
    {"KTA", "31", "X7R", "1H", 1000, 4.7e6, G::E12},
    {"KTA", "31", "X7R", "1E", 4.7e6, 1e7, G::E6},
    {"KTA", "31", "X7R", "2A", 10000, 1e6, G::E6},
    {"KTA", "31", "X7R", "2E", 1000, 100000, G::E6},
    {"KTA", "31", "X5R", "0J", 2.2e7, 1e8, G::E6, -1, true},
    {"KTA", "31", "X5R", "1A", 1e7, 4.7e7, G::E6},
    {"KTA", "31", "X7S", "0J", 2.2e7, 4.7e7, G::E6},
    {"KTA", "31", "X6S", "0J", 2.2e7, 1e8, G::E6, -1, true},
    {"KTA", "31", "X7T", "1E", 1e6, 1e7, G::E6},
    {"KTA", "31", "X8R", "1H", 100000, 2.2e6, G::E6},
    {"KTA", "31", "Y5V", "1A", 1e6, 2.2e7, G::E6},
    {"KTA", "32", "C0G", "1H", 100, 220000, G::E6},
    {"KTA", "32", "X7R", "1H", 1e6, 1e7, G::E6},
    {"KTA", "32", "X7R", "1E", 1e7, 2.2e7, G::E6},
    {"KTA", "32", "X7R", "2A", 100000, 2.2e6, G::E6},
    {"KTA", "32", "X5R", "0J", 4.7e7, 1e8, G::E6, -1, true},
    {"KTA", "32", "X5R", "1A", 2.2e7, 4.7e7, G::E6},
    {"KTA", "32", "X7S", "1C", 1e7, 2.2e7, G::E6},
    {"KTA", "43", "C0G", "1H", 1000, 100000, G::E6},
    {"KTA", "43", "C0G", "2E", 100, 22000, G::E6},
    {"KTA", "43", "C0G", "2H", 100, 10000, G::E6},
    {"KTA", "43", "X7R", "2A", 100000, 2.2e6, G::E6},
    {"KTA", "43", "X7R", "1H", 1e6, 1e7, G::E6},
    {"KTA", "43", "X7R", "YD", 10000, 100000, G::E6},
    {"KTA", "43", "X7R", "2H", 1000, 47000, G::E6},
    {"KTA", "55", "C0G", "2A", 10000, 220000, G::E6},
    {"KTA", "55", "X7R", "2A", 1e6, 1e7, G::E6},
    {"KTA", "55", "X7R", "1E", 1e7, 4.7e7, G::E6},
    {"KTA", "55", "X7R", "2E", 100000, 1e6, G::E6},
    {"KTA", "55", "X7R", "2H", 10000, 100000, G::E6},
    // KTE: automotive grade.
    {"KTE", "15", "C0G", "1H", 1, 10000, G::E12},
    {"KTE", "15", "X7R", "1H", 100, 10000, G::E6},
    {"KTE", "15", "X7R", "1C", 10000, 100000, G::E6},
    {"KTE", "15", "X8R", "1H", 100, 10000, G::E6},
    {"KTE", "15", "X8L", "1E", 1000, 100000, G::E6},
    {"KTE", "18", "C0G", "1H", 1, 47000, G::E12},
    {"KTE", "18", "X7R", "1H", 1000, 100000, G::E6},
    {"KTE", "18", "X7R", "1E", 100000, 1e6, G::E6},
    {"KTE", "18", "X7S", "1C", 1e6, 2.2e6, G::E6},
    {"KTE", "18", "X8R", "1H", 1000, 100000, G::E6},
    {"KTE", "18", "X8L", "1E", 10000, 1e6, G::E6},
    {"KTE", "21", "C0G", "1H", 10, 100000, G::E12},
    {"KTE", "21", "X7R", "1H", 10000, 1e6, G::E6},
    {"KTE", "21", "X7R", "1E", 1e6, 4.7e6, G::E6},
    {"KTE", "21", "X8R", "1H", 10000, 1e6, G::E6},
    {"KTE", "21", "X8L", "1E", 100000, 2.2e6, G::E6},
    {"KTE", "31", "C0G", "1H", 100, 220000, G::E6},
    {"KTE", "31", "X7R", "1H", 100000, 4.7e6, G::E6},
    {"KTE", "31", "X7R", "2A", 10000, 1e6, G::E6},
    {"KTE", "31", "X8R", "1H", 100000, 2.2e6, G::E6},
    {"KTE", "31", "X8L", "1E", 1e6, 4.7e6, G::E6},
    // KTH: high-frequency C0G with data to 20 GHz.
    {"KTH", "03", "C0G", "1E", 0.2, 33, G::Fine},
    {"KTH", "15", "C0G", "1H", 0.2, 100, G::Fine},
    {"KTH", "15", "C0H", "1H", 1, 10, G::E12},
    // KTN, VSD: high-Q and high-power RF.
    {"KTN", "18", "C0G", "2A", 0.3, 100, G::E24},
    {"KTN", "21", "C0G", "2D", 0.5, 1000, G::E12},
    {"KTN", "32", "C0G", "2H", 1, 1000, G::E12},
    {"VSD", "18", "C0G", "1H", 0.5, 100, G::E24},
    {"VSD", "21", "C0G", "2A", 1, 470, G::E24},
    {"VSD", "32", "C0G", "YD", 1, 1000, G::E12},
    // VSK: high-power RF C0G in square chips.
    {"VSK", "1D", "C0G", "2D", 0.3, 1000, G::E24},
    {"VSK", "22", "C0G", "2H", 1, 1000, G::E12},
    // Low-inductance decoupling.
    {"PNN", "15", "X5R", "0J", 10000, 1e6, G::E6, -1, true},
    {"PNN", "15", "X7R", "1C", 1000, 100000, G::E6},
    {"PNN", "18", "X7R", "1C", 10000, 1e6, G::E6},
    {"PNN", "18", "X5R", "0J", 100000, 4.7e6, G::E6, -1, true},
    {"PNN", "21", "X7R", "1E", 100000, 2.2e6, G::E6},
    {"PNN", "21", "X5R", "0J", 1e6, 1e7, G::E6, -1, true},
    {"PNN", "31", "X7R", "1E", 100000, 4.7e6, G::E6},
    {"PNN", "31", "X5R", "0J", 1e6, 2.2e7, G::E6, -1, true},
    {"PNE", "18", "X7R", "1C", 10000, 1e6, G::E6},
    {"PNE", "18", "X5R", "0G", 100000, 2.2e6, G::E6, -1, true},
    {"PNE", "21", "X7R", "1C", 100000, 2.2e6, G::E6},
    {"PNE", "21", "X7S", "0J", 1e6, 4.7e6, G::E6},
    {"PNE", "31", "X7R", "1E", 100000, 4.7e6, G::E6},
    {"PNO", "18", "X7R", "1C", 10000, 1e6, G::E6},
    {"PNO", "21", "X7R", "1E", 100000, 2.2e6, G::E6},
    {"PNO", "31", "X7R", "1H", 100000, 2.2e6, G::E6},
    {"PNO", "31", "X5R", "0J", 1e6, 1e7, G::E6, -1, true},
    // KUX: die-attach chip.
    {"KUX", "05", "C0G", "1H", 0.5, 100, G::E12},
    {"KUX", "05", "X7R", "1E", 100, 10000, G::E6},
};
// clang-format on

constexpr std::array<int, 6> kE6 = {10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                      33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// A value as two significant digits and a power of ten: picofarads = digits * 10^power,
// power -2 for tenths of a pF and upwards.
double ValueOf(int digits, int power) {
    if (power < 0) {
        return digits / std::pow(10.0, -power);
    }
    return digits * std::pow(10.0, power);
}

template <std::size_t N>
void AppendDecades(const std::array<int, N>& mantissas, int firstPower, double minPf, double maxPf,
                   std::vector<double>& values) {
    for (int power = firstPower; power <= 8; ++power) {
        for (int digits : mantissas) {
            const double value = ValueOf(digits, power);
            if (value >= minPf * (1 - 1e-9) && value <= maxPf * (1 + 1e-9)) {
                values.push_back(value);
            }
        }
    }
}

}  // namespace

std::span<const CatalogRow> CapacitorCatalogRows() {
    return kRows;
}

std::vector<double> CapacitanceSteps(CapacitanceGrid grid, double minPf, double maxPf) {
    std::vector<double> values;
    switch (grid) {
        case CapacitanceGrid::Fine: {
            // 0.1 pF steps up to 9.9 pF, then the E24 values.
            for (int tenths = 1; tenths < 100; ++tenths) {
                const double value = tenths / 10.0;
                if (value >= minPf * (1 - 1e-9) && value <= maxPf * (1 + 1e-9)) {
                    values.push_back(value);
                }
            }
            AppendDecades(kE24, 0, minPf, maxPf, values);
            break;
        }
        case CapacitanceGrid::E24:
            AppendDecades(kE24, -2, minPf, maxPf, values);
            break;
        case CapacitanceGrid::E12:
            AppendDecades(kE12, -2, minPf, maxPf, values);
            break;
        case CapacitanceGrid::E6:
            AppendDecades(kE6, -2, minPf, maxPf, values);
            break;
    }
    return values;
}

std::string CapacitanceCode(double picofarads) {
    // In hundredths of a pF the value is an integer for every code we make.
    const auto hundredths = static_cast<std::int64_t>(std::llround(picofarads * 100.0));
    if (hundredths < 100) {
        // Below 1 pF: "R" and two digits.
        return "R" + std::to_string(hundredths / 10) + std::to_string(hundredths % 10);
    }
    if (hundredths < 1000) {
        const std::int64_t tenths = hundredths / 10;
        return std::to_string(tenths / 10) + "R" + std::to_string(tenths % 10);
    }
    std::int64_t digits = hundredths / 100;
    int power = 0;
    while (digits >= 100) {
        digits /= 10;
        ++power;
    }
    return std::to_string(digits) + std::to_string(power);
}

std::string_view RatedVoltageText(std::string_view voltageCode) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kVoltages = {
        {{"0G", "4"},
         {"0J", "6.3"},
         {"1A", "10"},
         {"1C", "16"},
         {"1E", "25"},
         {"1H", "50"},
         {"2A", "100"},
         {"2D", "200"},
         {"2E", "250"},
         {"YD", "300"},
         {"2H", "500"}}};
    for (const auto& [code, text] : kVoltages) {
        if (code == voltageCode) {
            return text;
        }
    }
    return {};
}

}  // namespace pelmo::libgen
