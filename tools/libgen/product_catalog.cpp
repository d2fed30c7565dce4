#include "tools/libgen/product_catalog.h"

namespace darvo::libgen {

namespace {

using D = ProductData;

// The products: general-purpose KTA across the sizes 15 to 55 and every rated voltage,
// automotive KTE with the 150 C dielectrics, the peaked Y5V / F with and without its
// polynomial model, JIS-only B parts, and single parts for the special cases.
// clang-format off
const ProductRow kRows[] = {
    {"KTA", "15", "X7R", "1H", 100, 10000},
    {"KTA", "15", "X7R", "1C", 10000, 100000, "KM"},
    {"KTA", "15", "X5R", "0J", 100000, 1e6, "K", -1, true},
    {"KTA", "15", "X5R", "0G", 1e6, 2.2e6, "K", -1, true},
    {"KTA", "15", "Y5V-PEAK", "1C", 10000, 100000, "Z"},
    {"KTA", "18", "X7R", "2A", 1000, 22000},
    {"KTA", "18", "X7R", "1E", 10000, 1e6},
    {"KTA", "18", "X5R", "1A", 1e6, 4.7e6, "KM"},
    {"KTA", "18", "X7S", "0J", 1e6, 2.2e6},
    {"KTA", "18", "X6S", "0G", 2.2e6, 1e7, "K", -1, true},
    {"KTA", "18", "Y5V", "1E", 10000, 1e6, "Z"},
    {"KTA", "18", "B-JIS", "1A", 1000, 100000},
    {"KTA", "21", "X7R", "2D", 1000, 10000},
    {"KTA", "21", "X7R", "1H", 10000, 1e6},
    {"KTA", "21", "X7R", "1H", 100000, 1e6, "K", 2},
    {"KTA", "21", "X5R", "1A", 1e6, 1e7},
    {"KTA", "21", "X7T", "0J", 2.2e6, 1e7, "K", -1, true},
    {"KTA", "21", "X7U", "1C", 100000, 1e6},
    {"KTA", "21", "X7R-R", "1E", 10000, 1e6},
    {"KTA", "31", "X7R", "2H", 1000, 22000},
    {"KTA", "31", "X7R", "YD", 1000, 10000},
    {"KTA", "31", "X7R", "2E", 1000, 47000},
    {"KTA", "31", "X5R", "1E", 1e6, 1e7},
    {"KTA", "31", "Y5V-PEAK", "1E", 100000, 1e7, "Z"},
    {"KTA", "31", "B-JIS", "1C", 100000, 1e6},
    {"KTA", "32", "X7R", "1E", 1e6, 2.2e7, "KM"},
    {"KTA", "32", "X6T", "0J", 1e7, 4.7e7, "K", -1, true},
    {"KTA", "43", "X7R", "1H", 1e6, 1e7},
    {"KTA", "55", "X7R", "1E", 1e6, 4.7e7},
    {"KTA", "55", "X7R", "2H", 10000, 100000},
    {"KTE", "15", "X8R", "1H", 100, 10000},
    {"KTE", "21", "X8R", "1C", 100000, 1e6},
    {"KTE", "31", "X8L", "1H", 100000, 1e6},
    // Measured for capacitance only, or for heat only.
    {"KTE", "18", "X8L", "1E", 1000, 100000, "K", -1, false, D::CapacitanceOnly},
    {"KTA", "43", "X7R", "2A", 100000, 2.2e6, "K", -1, false, D::HeatOnly},
    // Single parts: AC data alone, no data at all, and a loss below the chart's floor.
    {"KTA", "21", "X7R", "1C", 100000, 100000, "K", -1, false, D::AcOnly, "A01"},
    {"KTA", "15", "X7R", "1H", 2200, 2200, "K", -1, false, D::None, "A00"},
    {"KTA", "55", "X7R", "1E", 4.7e7, 4.7e7, "M", -1, false, D::Full, "A77", true},
};
// clang-format on

}  // namespace

std::span<const ProductRow> ProductCatalogRows() {
    return kRows;
}

}  // namespace darvo::libgen
