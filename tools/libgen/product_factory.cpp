#include "tools/libgen/product_factory.h"

#include "tools/libgen/capacitor_catalog.h"
#include "tools/libgen/capacitor_factory.h"
#include "tools/libgen/chip_outline.h"
#include "tools/libgen/product_model.h"
#include "tools/libgen/temperature_characteristic.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/code_system.h"
#include "shared/text/number_text.h"

#include <algorithm>
#include <cmath>

namespace darvo::libgen {

namespace {

std::string_view SeriesSuffix(std::string_view series, const pelmo::libgen::TemperatureCharacteristic& tc) {
    // The JIS-only B dielectric shares its JIS code with X5R, so its parts carry their
    // own closing characters.
    if (tc.id == "B-JIS") return "J01";
    return series == "KTE" ? "E12" : "A88";
}

}  // namespace

std::vector<ProductRecord> ProductFactory::BuildCatalogue() {
    std::vector<ProductRecord> records;
    for (const ProductRow& row : ProductCatalogRows()) {
        AddRow(row, records);
    }
    return records;
}

bool ProductFactory::Claim(const ProductRecord& record) {
    return claims_.Claim(record.PartNumber);
}

void ProductFactory::AddRow(const ProductRow& row, std::vector<ProductRecord>& records) {
    using pelmo::libgen::CapacitorFactory;
    const pelmo::libgen::ChipOutline* outline = pelmo::libgen::FindChipOutline(row.series, row.sizeCode);
    const pelmo::libgen::TemperatureCharacteristic* tc =
        pelmo::libgen::FindTemperatureCharacteristic(row.characteristic);
    const std::string_view voltageText = pelmo::libgen::RatedVoltageText(row.voltageCode);
    if (outline == nullptr || tc == nullptr || voltageText.empty() ||
        ReferenceHeatResistance(row.sizeCode) == 0.0) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall,
                                   std::string(row.series) + std::string(row.sizeCode),
                                   "The product catalogue names an unknown size, dielectric "
                                   "or voltage.");
    }
    const double volts = *shared::ParseFileNumber(voltageText);
    const std::string_view suffix = row.suffix.empty() ? SeriesSuffix(row.series, *tc) : row.suffix;

    for (const double picofarads : pelmo::libgen::CapacitanceSteps(kProductGrid, row.minPf, row.maxPf)) {
        int thickness = row.thickness;
        if (thickness < 0) {
            thickness = 0;
            if (outline->thicknessCount > 1 && row.maxPf > row.minPf) {
                const double share = std::log(picofarads / row.minPf) / std::log(row.maxPf / row.minPf);
                thickness =
                    std::min(outline->thicknessCount - 1, static_cast<int>(share * outline->thicknessCount));
            }
        }
        const char thicknessCode = outline->thicknesses[static_cast<std::size_t>(thickness)].code;
        const std::string capacitanceCode = pelmo::libgen::CapacitanceCode(picofarads);

        for (const char tolerance : row.tolerances) {
            ProductRecord record;
            if (!tc->eiaCode.empty()) {
                record.PartNumber[shared::Eia] =
                    CapacitorFactory::PartNumber(row.series, row.sizeCode, thicknessCode, tc->eiaCode,
                                                 row.voltageCode, capacitanceCode, tolerance, suffix);
            }
            if (!tc->jisCode.empty()) {
                record.PartNumber[shared::Jis] =
                    CapacitorFactory::PartNumber(row.series, row.sizeCode, thicknessCode, tc->jisCode,
                                                 row.voltageCode, capacitanceCode, tolerance, suffix);
            }
            if (!Claim(record)) {
                continue;
            }
            record.SizeCode = {std::string(outline->eiaSize), std::string(outline->jisSize)};
            record.TempChar = {std::string(tc->eiaName), std::string(tc->jisName)};
            // The peaked dielectric measured against the polynomial model says so.
            record.PolynomialModel = tc->eiaName == "Y5V" && tc->modelType == 2;

            const ProductDesign design{picofarads, volts, row.sizeCode, tc, row.maxCv, row.lowLoss};
            // Every product draws its scatter, so a row's data kind never shifts the
            // values of the products after it.
            const HeatModelValues heat = MakeHeatModel(design, random_);
            const CapModelValues cap = MakeCapModel(design);
            switch (row.data) {
                case ProductData::Full:
                    record.CapModel = cap;
                    record.HeatModel = heat;
                    break;
                case ProductData::CapacitanceOnly:
                    record.CapModel = cap;
                    break;
                case ProductData::HeatOnly:
                    record.HeatModel = heat;
                    break;
                case ProductData::AcOnly:
                    std::copy(cap.begin() + kCapModelStaticCount, cap.end(),
                              record.CapModel.begin() + kCapModelStaticCount);
                    break;
                case ProductData::None:
                    break;
            }
            SetChartAvailability(record);
            records.push_back(std::move(record));
        }
    }
}

std::vector<ProductRecord> GenerateProducts() {
    ProductFactory factory;
    return factory.BuildCatalogue();
}

}  // namespace darvo::libgen
