#ifndef DARVO_LIBRARY_PRODUCT_RECORD_H
#define DARVO_LIBRARY_PRODUCT_RECORD_H

#include "darvo/library/product_files.h"

#include <array>
#include <cstddef>
#include <string>

namespace darvo {

// A text held in both notations, indexed by shared::CodeSystem (0 EIA, 1 JIS).
using NotationTexts = std::array<std::string, 2>;

// The five charts a part may be drawn in; the numbers index ChartAvailable and are the
// chart types every window and file names.
enum ChartType : int {
    TemperatureRise = 0,
    AllowablePower = 1,
    CapacitanceTemperature = 2,
    CapacitanceDcVoltage = 3,
    CapacitanceAcVoltage = 4,
};
inline constexpr std::size_t kChartTypeCount = 5;

// One catalogue part: the index fields from product.idx, the model from product.dat and
// the values derived from them once at start. The field names are the library's own so
// the chart code reads like its formulas.
struct ProductRecord {
    NotationTexts PartNumber;  // product.idx 1, 2; either may be empty
    NotationTexts SizeCode;    // product.idx 3, 4
    NotationTexts TempChar;    // product.idx 5, 6 ("X7R" / "B", "Y5V" / "F")

    // Derived from the part number under the code system in force at start and never
    // recomputed afterwards, so they stay put when the user switches notation.
    float NominalCapacitance = 0.0F;  // [pF]
    float CapacitanceBasis = 0.0F;    // [pF] what the capacitance charts take percentages of
    float RatedVoltage = 0.0F;        // [V]

    // The part's capacitance follows the polynomial model whatever its characteristic.
    bool PolynomialModel = false;
    // Whether the part has the data a chart type needs; a part with none is never listed.
    std::array<bool, kChartTypeCount> ChartAvailable{};

    std::array<float, kCapModelCount> CapModel{};    // capacitance model coefficients
    std::array<float, kHeatModelCount> HeatModel{};  // loss and temperature-rise model
};

// Sets ChartAvailable from the coefficients: the heat charts need any heat coefficient,
// the temperature and DC-voltage charts any of the static capacitance coefficients,
// and the AC-voltage chart any capacitance coefficient at all.
void SetChartAvailability(ProductRecord& record);

// Whether the part is available for at least one chart, which is what lists it.
bool AnyChartAvailable(const ProductRecord& record);

}  // namespace darvo

#endif
