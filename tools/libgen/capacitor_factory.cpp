#include "tools/libgen/capacitor_factory.h"

#include "tools/libgen/capacitor_catalog.h"
#include "tools/libgen/capacitor_model.h"
#include "tools/libgen/chip_outline.h"
#include "tools/libgen/split_mix64.h"
#include "tools/libgen/temperature_characteristic.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_number_codes.h"
#include "shared/text/number_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace pelmo::libgen {

namespace {

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool IsHighQSeries(std::string_view series) {
    return series == "KTH" || series == "KTN" || series == "VSD" || series == "VSK" || series == "KUX";
}

// The highest frequency of a part's data: where its measurement fixture was good for.
float UpperFrequencyOf(std::string_view series, std::string_view size) {
    if (series == "KTH") {
        return 2e10F;  // exactly 20 GHz: these parts export 402 points
    }
    if (series == "KTN" || series == "VSD") {
        return size == "18" ? 18e9F : size == "21" ? 8.5e9F : 6e9F;
    }
    if (series == "VSK") {
        return size == "1D" ? 8.5e9F : 6e9F;
    }
    if (series == "KUX" || (series == "KTA" && (size == "02" || size == "03" || size == "15"))) {
        return 8.5e9F;
    }
    return 6e9F;
}

std::string_view UseTextOf(std::string_view series) {
    if (series == "KTA") return "General purpose";
    if (series == "KTE") return "Automotive, AEC-Q200 qualified";
    if (series == "KTH") return "High-Q RF, tight tolerance";
    if (series == "KTN" || series == "VSD") return "High-Q RF";
    if (series == "VSK") return "High-power RF, high Q";
    if (series == "KUX") return "Die attach, wire bonding";
    return "Low ESL decoupling";
}

// Positions 15-17. The JIS-only B dielectric shares its JIS code with X5R, so its parts
// carry their own closing characters.
std::string_view SuffixOf(std::string_view series, const TemperatureCharacteristic& tc) {
    if (tc.id == "B-JIS") return "J01";
    if (series == "KTA") return "A88";
    if (series == "KTE") return "E12";
    if (series == "KTH") return "H01";
    if (series == "KTN") return "N01";
    if (series == "VSD") return "D01";
    if (series == "VSK") return "K01";
    if (series == "KUX") return "U01";
    return "P01";
}

// The tolerances a value is offered in: general-purpose class-2 parts of 1 uF and more
// come in 10 % and 20 %, parts that match in every filter the program offers.
std::string TolerancesOf(std::string_view series, const TemperatureCharacteristic& tc, double picofarads) {
    if (IsTemperatureCompensating(tc)) {
        if (picofarads < 10) {
            return series == "KTH" ? "B" : "C";
        }
        return series == "KTH" ? "G" : "J";
    }
    if (tc.eiaName == "Y5V") {
        return "Z";
    }
    if (series == "KTA" && picofarads >= 1e6) {
        return "KM";
    }
    return "K";
}

}  // namespace

std::string CapacitorFactory::PartNumber(std::string_view series, std::string_view sizeCode,
                                         char thicknessCode, std::string_view characteristicCode,
                                         std::string_view voltageCode, std::string_view capacitanceCode,
                                         char tolerance, std::string_view suffix) {
    std::string number;
    number.reserve(17);
    number.append(series).append(sizeCode);
    number.push_back(thicknessCode);
    number.append(characteristicCode).append(voltageCode).append(capacitanceCode);
    number.push_back(tolerance);
    number.append(suffix);
    return number;
}

std::vector<CapacitorRecord> CapacitorFactory::BuildCatalogue() {
    std::vector<CapacitorRecord> records;
    for (const CatalogRow& row : CapacitorCatalogRows()) {
        AddRow(row, records);
    }
    return records;
}

bool CapacitorFactory::Claim(const CapacitorRecord& record) {
    return claims_.Claim({UpperCase(record.PartNumber[0]), UpperCase(record.PartNumber[1])});
}

void CapacitorFactory::AddRow(const CatalogRow& row, std::vector<CapacitorRecord>& records) {
    const ChipOutline* outline = FindChipOutline(row.series, row.sizeCode);
    const TemperatureCharacteristic* tc = FindTemperatureCharacteristic(row.characteristic);
    const std::string_view voltageText = RatedVoltageText(row.voltageCode);
    if (outline == nullptr || tc == nullptr || voltageText.empty()) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall,
                                   std::string(row.series) + std::string(row.sizeCode),
                                   "The sample catalogue names an unknown size, dielectric "
                                   "or voltage.");
    }
    const double volts = *shared::ParseFileNumber(voltageText);
    const float upperFrequency = UpperFrequencyOf(row.series, row.sizeCode);

    for (const double picofarads : CapacitanceSteps(row.grid, row.minPf, row.maxPf)) {
        int thickness = row.thickness;
        if (thickness < 0) {
            thickness = 0;
            if (outline->thicknessCount > 1 && row.maxPf > row.minPf) {
                const double share = std::log(picofarads / row.minPf) / std::log(row.maxPf / row.minPf);
                thickness =
                    std::min(outline->thicknessCount - 1, static_cast<int>(share * outline->thicknessCount));
            }
        }
        const ChipThickness& chip = outline->thicknesses[static_cast<std::size_t>(thickness)];
        const std::string capacitanceCode = CapacitanceCode(picofarads);

        for (const char tolerance : TolerancesOf(row.series, *tc, picofarads)) {
            CapacitorRecord record;
            const std::string_view suffix = SuffixOf(row.series, *tc);
            if (!tc->eiaCode.empty()) {
                record.PartNumber[0] = PartNumber(row.series, row.sizeCode, chip.code, tc->eiaCode,
                                                  row.voltageCode, capacitanceCode, tolerance, suffix);
            }
            if (!tc->jisCode.empty()) {
                record.PartNumber[1] = PartNumber(row.series, row.sizeCode, chip.code, tc->jisCode,
                                                  row.voltageCode, capacitanceCode, tolerance, suffix);
            }
            if (!Claim(record)) {
                continue;
            }
            const std::string& anyNumber =
                record.PartNumber[0].empty() ? record.PartNumber[1] : record.PartNumber[0];
            record.UseText = std::string(UseTextOf(row.series));
            record.SizeCode = {std::string(outline->eiaSize), std::string(outline->jisSize)};
            record.TempChar = {std::string(tc->eiaName), std::string(tc->jisName)};
            record.RatedVoltage = std::string(voltageText);
            // Library files write "." whatever the user's locale.
            record.NominalCapacitance = shared::ParseCapacitanceCode(anyNumber, '.');

            record.ChipShape = static_cast<float>(outline->shape);
            auto& sheet = record.SizeSheet;
            sheet[0] = std::string(picofarads >= 1e6 ? outline->lengthLarge : outline->length);
            sheet[1] = std::string(outline->width);
            sheet[2] = std::string(chip.text);
            sheet[3] = std::string(outline->band);
            sheet[4] = std::string(outline->gapMin);
            for (std::size_t i = 0; i < 3; ++i) {
                sheet[5 + i] = std::string(outline->terminals[i]);
                sheet[15 + i] = std::string(outline->flow[i]);
            }
            for (std::size_t i = 0; i < 7; ++i) {
                sheet[8 + i] = std::string(outline->reflow[i]);
            }
            const bool highQ = IsHighQSeries(row.series) && IsTemperatureCompensating(*tc);
            sheet[18] = highQ ? "" : "B";  // nickel inner electrodes
            sheet[19] = outline->nonStandard ? "NS" : "";

            CapacitorDesign design;
            design.outline = outline;
            design.characteristic = tc;
            design.nominalPf = picofarads;
            design.ratedVolts = volts;
            design.thicknessMm = chip.millimetres;
            design.thinnestChip = thickness == 0 && outline->thicknessCount > 1;
            design.highQ = highQ;
            design.maxCv = row.maxCv;
            design.secondMode = upperFrequency >= 18e9F;
            design.upperFrequency = upperFrequency;
            FillCapacitorModel(design, random_, record);
            records.push_back(std::move(record));
        }
    }
}

std::vector<CapacitorRecord> ResizeCatalogue(const std::vector<CapacitorRecord>& catalogue,
                                             std::size_t count) {
    if (catalogue.empty() && count > 0) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall, "libgen",
                                   "An empty catalogue cannot be repeated.");
    }
    std::vector<CapacitorRecord> records;
    records.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        CapacitorRecord record = catalogue[k % catalogue.size()];
        const std::size_t round = k / catalogue.size();
        if (round >= 26 * 26) {
            throw shared::RuntimeError(shared::error::kOverflow, "libgen",
                                       "Too many repeats of the catalogue.");
        }
        if (round > 0) {
            // Positions 15-17 only order the list, so a repeat differs from its model
            // part there alone: the model's first closing character (which keeps apart
            // dielectrics sharing a code) and the round as two letters, which no
            // catalogue part has.
            const std::string roundLetters = {static_cast<char>('A' + round / 26),
                                              static_cast<char>('A' + round % 26)};
            for (std::string& number : record.PartNumber) {
                if (number.size() >= 17) {
                    number.replace(15, 2, roundLetters);
                }
            }
        }
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace pelmo::libgen
