#include "darvo/charts/chart_legends.h"

#include "darvo/charts/chart_axes.h"
#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"

#include "shared/text/number_text.h"

#include <array>

namespace darvo {

namespace {

std::string Number(float value, char separator) {
    return shared::GeneralNumberTextSingle(value, separator);
}

std::string PartNumberOf(const ProductLibrary& library, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= library.ProductTable.size()) return {};
    const auto notation = static_cast<std::size_t>(GetCodeSystem(library));
    return library.ProductTable[static_cast<std::size_t>(index)].PartNumber[notation];
}

}  // namespace

shared::Rgb LegendColor(int row) noexcept {
    constexpr std::array<shared::Rgb, kLegendRows> kColors = {{
        {0, 0, 255},
        {255, 0, 0},
        {0, 0, 0},
        {255, 0, 255},
        {0, 128, 0},
        {128, 0, 0},
    }};
    if (row < 0 || row >= kLegendRows) return kColors.back();
    return kColors[static_cast<std::size_t>(row)];
}

std::string LegendFrameCaption(int row) {
    return "No." + std::to_string(row + 1);
}

std::string LegendConditions(const ChartDataRecord& r, const ChartIdentity& identity,
                             const std::string& degreeSign, char separator) {
    const std::string heat = Number(r.DCBiasVoltage, separator) + "[V]," +
                             Number(r.HeatResistance, separator) + "[" + degreeSign + "C/W],";
    switch (identity.ChartType) {
        case TemperatureRise:
            if (identity.XAxis == Quantity::Frequency) {
                return heat + Number(r.AmbientTemperature, separator) + "[" + degreeSign + "C]" + "," +
                       Number(r.ParameterValue, separator) + GetUnit(r.ParameterName, degreeSign);
            }
            return heat + Number(r.Frequency, separator) + "[kHz]," +
                   Number(r.AmbientTemperature, separator) + "[" + degreeSign + "C]";
        case AllowablePower:
            return heat + Number(r.AmbientTemperature, separator) + "[" + degreeSign + "C]," +
                   shared::FormatSingle(r.MaxValue, "##.###", separator) +
                   GetUnit(identity.YAxis, degreeSign);
        case CapacitanceTemperature:
            return " " + Number(r.DCBiasVoltage, separator) + "[V] ";
        case CapacitanceDcVoltage:
            return " " + Number(r.AmbientTemperature, separator) + "[ " + degreeSign + "C] ";
        case CapacitanceAcVoltage:
            break;
    }
    return {};
}

std::vector<LegendEntry> WriteLegends(const ChartTable& table, const ProductLibrary& library,
                                      const ChartIdentity& identity, const std::string& degreeSign,
                                      char separator) {
    std::vector<LegendEntry> entries;
    for (std::size_t i = 0; i < table.Size() && entries.size() < kLegendRows; ++i) {
        const ChartDataRecord& r = table.At(i);
        if (!BelongsTo(r, identity)) continue;
        const int row = static_cast<int>(entries.size());
        const std::string s = LegendConditions(r, identity, degreeSign, separator);
        entries.push_back(LegendEntry{PartNumberOf(library, r.ProductIndex), s.empty() ? s : "(" + s + ")",
                                      LegendColor(row)});
    }
    return entries;
}

}  // namespace darvo
