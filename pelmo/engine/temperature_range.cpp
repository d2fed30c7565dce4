#include "pelmo/engine/temperature_range.h"

namespace pelmo {

namespace {

struct TemperatureRangeRow {
    std::string_view name;
    int lower;
    int upper;
};

// clang-format off
constexpr TemperatureRangeRow kTemperatureRanges[] = {
    {"X8R", -55, 150}, {"X8L", -55, 150},
    {"R", -55, 125}, {"X7R", -55, 125}, {"X7S", -55, 125}, {"X7T", -55, 125}, {"X7U", -55, 125},
    {"X6S", -55, 105}, {"X6T", -55, 105},
    {"X5R", -55, 85},
    {"B", -25, 85}, {"F", -25, 85},
    {"Y5V", -30, 85},
};
// clang-format on

}  // namespace

double ReferenceTemperature(shared::CodeSystem codeSystem) noexcept {
    return codeSystem == shared::Jis ? 20.0 : 25.0;
}

bool GetTempRange(std::string_view characteristic, int& lower, int& upper) noexcept {
    for (const TemperatureRangeRow& row : kTemperatureRanges) {
        if (row.name == characteristic) {
            lower = row.lower;
            upper = row.upper;
            return true;
        }
    }
    return false;
}

}  // namespace pelmo
