#ifndef TOOLS_LIBGEN_PRODUCT_CATALOG_H
#define TOOLS_LIBGEN_PRODUCT_CATALOG_H

#include "tools/libgen/capacitor_catalog.h"

#include <span>
#include <string_view>

namespace darvo::libgen {

// Which coefficient sets a product carries. The maker has not measured every part for
// every chart, and the selection window must offer each part only for the charts its
// data supports, so the sample holds parts of each kind.
enum class ProductData {
    Full,             // every chart
    CapacitanceOnly,  // no heat data: no thermal charts
    HeatOnly,         // no capacitance data: thermal charts only
    AcOnly,           // only the AC-level coefficients: the AC chart alone
    None,             // nothing at all: never listed
};

// One line of the product catalogue: every preferred capacitance from minPf to maxPf of
// a series, size, dielectric and rated voltage becomes a product, once per tolerance
// letter, so rows with two letters give products that agree in every filter.
struct ProductRow {
    std::string_view series;          // "KTA"
    std::string_view sizeCode;        // "15" .. "55"
    std::string_view characteristic;  // generator handle of the dielectric ("X7R")
    std::string_view voltageCode;     // "1H"
    double minPf = 0.0;
    double maxPf = 0.0;
    std::string_view tolerances = "K";
    // Index into the outline's thicknesses, or -1 to let larger values take thicker
    // chips; a fixed thickness repeats values of another row in a second thickness.
    int thickness = -1;
    bool maxCv = false;
    ProductData data = ProductData::Full;
    std::string_view suffix = {};  // positions 15-17; empty for the series' own
    bool lowLoss = false;          // so low a loss that the chart's 0.1 C/A^2 floor applies
};

std::span<const ProductRow> ProductCatalogRows();

// The E6 values the product rows are offered in.
inline constexpr pelmo::libgen::CapacitanceGrid kProductGrid = pelmo::libgen::CapacitanceGrid::E6;

}  // namespace darvo::libgen

#endif
