#ifndef TOOLS_LIBGEN_TEMPERATURE_CHARACTERISTIC_H
#define TOOLS_LIBGEN_TEMPERATURE_CHARACTERISTIC_H

#include <array>
#include <string_view>

namespace pelmo::libgen {

// A dielectric as the catalogue names it. The two notations use different codes in
// part-number positions 7-8 and different names in the TCC filter; some dielectrics
// exist in one notation only, and then the other code and name are empty.
struct TemperatureCharacteristic {
    std::string_view id;       // the generator's own handle ("X7R", "B-JIS")
    std::string_view eiaCode;  // "R7"; empty: no EIA part number
    std::string_view jisCode;  // "B3"; empty: no JIS part number
    std::string_view eiaName;  // "X7R", as the temperature range table knows it
    std::string_view jisName;  // "B"
    int modelType = 1;         // 1 fixed (temperature compensating), 2 polynomial, 4 peaked
    // TempCoef(1..5) [% per degree^k] of the capacitance change from 25 C; shapes drawn
    // after typical public curves and kept inside each dielectric's limits.
    std::array<double, 5> tempCoef{};
    double upperTemperature = 0.0;  // [C]
};

// The characteristic of a generator handle; null for an unknown handle.
const TemperatureCharacteristic* FindTemperatureCharacteristic(std::string_view id);

// Temperature-compensating dielectrics have no temperature or bias model.
inline bool IsTemperatureCompensating(const TemperatureCharacteristic& tc) {
    return tc.modelType == 1;
}

}  // namespace pelmo::libgen

#endif
