#include "darvo/charts/chart_identity.h"

#include "darvo/export/chart_names.h"

namespace darvo {

bool BelongsTo(const ChartDataRecord& record, const ChartIdentity& identity) {
    return IdentityOf(record) == identity;
}

std::string ChartTypeName(darvo::ChartType chartType) {
    return darvo::ChartTypeName(static_cast<int>(chartType));
}

darvo::ChartType GetChartTypeNumber(std::string_view chartTypeName) noexcept {
    for (int t = 0; t < static_cast<int>(kChartTypeCount); ++t) {
        if (darvo::ChartTypeName(t) == chartTypeName) return static_cast<darvo::ChartType>(t);
    }
    return darvo::TemperatureRise;
}

std::string ChartCaption(const ChartIdentity& identity) {
    return ChartTypeName(identity.ChartType) + "(" + std::string(QuantityName(identity.XAxis)) + "," +
           std::string(QuantityName(identity.YAxis)) + ")";
}

std::optional<ChartIdentity> ParseChartCaption(std::string_view caption) {
    const std::size_t open = caption.find('(');
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t comma = caption.find(',', open + 1);
    if (comma == std::string_view::npos) return std::nullopt;
    const std::size_t close = caption.find(')', comma + 1);
    if (close == std::string_view::npos) return std::nullopt;
    const std::optional<Quantity> x = QuantityFromName(caption.substr(open + 1, comma - open - 1));
    const std::optional<Quantity> y = QuantityFromName(caption.substr(comma + 1, close - comma - 1));
    if (!x || !y) return std::nullopt;
    return ChartIdentity{GetChartTypeNumber(caption.substr(0, open)), *x, *y};
}

}  // namespace darvo
