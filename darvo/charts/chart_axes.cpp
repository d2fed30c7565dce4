#include "darvo/charts/chart_axes.h"

#include "darvo/engine/chart_table.h"

#include "shared/text/number_text.h"

#include <algorithm>
#include <cmath>

namespace darvo {

std::optional<AxisRange> FullRange(const ChartTable& table, const ChartIdentity& identity) {
    std::optional<AxisRange> range;
    for (std::size_t i = 0; i < table.Size(); ++i) {
        const ChartDataRecord& r = table.At(i);
        if (!BelongsTo(r, identity)) continue;
        if (!range) {
            range = AxisRange{r.Xmax, r.Ymax, r.Xmin, r.Ymin};
            continue;
        }
        range->Xmax = std::max(range->Xmax, r.Xmax);
        range->Ymax = std::max(range->Ymax, r.Ymax);
        range->Xmin = std::min(range->Xmin, r.Xmin);
        range->Ymin = std::min(range->Ymin, r.Ymin);
    }
    return range;
}

bool IsLogX(const ChartIdentity& identity) noexcept {
    return identity.ChartType == AllowablePower ||
           (identity.ChartType == TemperatureRise && identity.XAxis == Quantity::Frequency);
}

bool IsLogY(const ChartIdentity& identity) noexcept {
    return identity.ChartType == AllowablePower;
}

namespace {

int AtLeastOne(double divisions) {
    // A part whose model gives values far beyond any characteristic's (up to the
    // largest float) would otherwise ask for millions of grid lines, or a count no int
    // holds; the plot has room for far fewer.
    if (std::isnan(divisions) || divisions < 1.0) return 1;
    if (divisions >= kMaxDivisions) return kMaxDivisions;
    const auto n = static_cast<int>(shared::RoundHalfEven(divisions));
    return std::max(n, 1);
}

}  // namespace

int XDivisions(const ChartIdentity& identity, float xmax, float xmin, bool customRange) {
    if (customRange) return 5;
    if (identity.ChartType == CapacitanceTemperature) {
        const float span = xmax - xmin;
        return AtLeastOne(static_cast<double>(span / 25.0F));
    }
    return 5;
}

int YDivisions(const ChartIdentity& identity, float ymax, float ymin, bool customRange) {
    if (customRange) return 5;
    if (identity.ChartType == TemperatureRise) return identity.XAxis == Quantity::Frequency ? 8 : 10;
    if (identity.YAxis == Quantity::CapacitanceChange) {
        const float d = ymax - ymin;
        return AtLeastOne(static_cast<double>(d <= 20.0F ? d / 5.0F : d / 10.0F));
    }
    return 5;
}

std::string GetUnit(Quantity axis, const std::string& degreeSign, bool plainTemperature) {
    switch (axis) {
        case Quantity::Current:
            return "[Arms]";
        case Quantity::Voltage:
            return "[Vrms]";
        case Quantity::ApparentPower:
            return "[VA]";
        case Quantity::EffectivePower:
            return "[W]";
        case Quantity::Frequency:
            return "[kHz]";
        case Quantity::TemperatureRise:
        case Quantity::Temperature:
            return plainTemperature ? "[C]" : "[" + degreeSign + "C]";
        case Quantity::DcBiasVoltage:
        case Quantity::AcVoltage:
            return "[V]";
        case Quantity::Capacitance:
            return "[pF]";
        case Quantity::CapacitanceChange:
            return "[%]";
        case Quantity::None:
            break;
    }
    return {};
}

}  // namespace darvo
