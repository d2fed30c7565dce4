#include "tools/libgen/temperature_characteristic.h"

namespace pelmo::libgen {

namespace {

// clang-format off
const TemperatureCharacteristic kCharacteristics[] = {
    {"C0G", "2C", "2C", "C0G", "CG", 1, {}, 125},
    {"C0H", "3C", "3C", "C0H", "CH", 1, {}, 125},
    {"C0J", "4C", "4C", "C0J", "CJ", 1, {}, 125},
    {"C0K", "5C", "5C", "C0K", "CK", 1, {}, 125},
    {"U2J", "6C", "6C", "U2J", "UJ", 1, {}, 125},
    {"P2H", "7C", "7C", "P2H", "PH", 1, {}, 125},
    {"SL",  "8C", "8C", "SL",  "SL", 1, {}, 125},
    {"X7R", "R7", "B3", "X7R", "B", 2,
     {4.5519e-2, -7.2950e-4, 1.4832e-6, -4.1951e-8, -5.4804e-10}, 125},
    {"X7R-R", "R1", "R3", "X7R", "R", 2,
     {4.5519e-2, -7.2950e-4, 1.4832e-6, -4.1951e-8, -5.4804e-10}, 125},
    {"X5R", "R6", "B1", "X5R", "B", 2,
     {2.8949e-2, -1.7360e-3, -1.7649e-5, -6.9572e-8, 2.4160e-10}, 85},
    {"X7S", "C7", "", "X7S", "", 2,
     {4.4706e-2, -1.5945e-3, -1.1320e-5, -6.0831e-9, 5.3844e-10}, 125},
    {"X7T", "D7", "", "X7T", "", 2,
     {2.6169e-2, -2.6947e-3, -1.3689e-5, 5.3943e-8, 5.6566e-10}, 125},
    {"X7U", "E7", "", "X7U", "", 2,
     {-2.0197e-2, -4.6059e-3, -1.9458e-5, 1.4098e-7, 8.5642e-10}, 125},
    {"X6S", "C8", "", "X6S", "", 2,
     {2.7677e-2, -2.4422e-3, -2.1011e-5, 4.0074e-8, 1.3881e-9}, 105},
    {"X6T", "D8", "", "X6T", "", 2,
     {-5.0976e-3, -3.9660e-3, -2.3858e-5, 1.5719e-7, 1.7236e-9}, 105},
    {"X8R", "R9", "", "X8R", "", 2,
     {6.5411e-2, -4.6789e-4, -5.7421e-6, -5.8856e-8, 4.1389e-10}, 150},
    {"X8L", "L8", "", "X8L", "", 2,
     {4.1583e-2, -1.0875e-3, 4.0260e-6, -9.6143e-9, -8.4118e-10}, 150},
    // A JIS-only B dielectric: its parts have no EIA part number.
    {"B-JIS", "", "B1", "", "B", 2,
     {6.8182e-2, -1.8387e-3, -1.7942e-5, -4.2789e-8, -6.1361e-11}, 85},
    // Y5V/F with the peaked model, and the same dielectric fitted by the polynomial.
    {"Y5V-PEAK", "F1", "F1", "Y5V", "F", 4, {}, 85},
    {"Y5V", "F5", "F5", "Y5V", "F", 2,
     {-9.5646e-1, -3.0252e-2, 4.8822e-4, 3.2280e-6, -7.0382e-8}, 85},
};
// clang-format on

}  // namespace

const TemperatureCharacteristic* FindTemperatureCharacteristic(std::string_view id) {
    for (const TemperatureCharacteristic& tc : kCharacteristics) {
        if (tc.id == id) {
            return &tc;
        }
    }
    return nullptr;
}

}  // namespace pelmo::libgen
