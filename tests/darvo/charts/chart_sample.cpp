#include "chart_sample.h"

#include "darvo/engine/calculate_data_s.h"
#include "darvo/engine/calculate_data_t.h"
#include "darvo/library/derived_values.h"
#include "tools/libgen/product_factory.h"

#include <stdexcept>

namespace darvo::testing {

ChartSample::ChartSample() {
    Library.ProductTable = libgen::GenerateProducts();
    for (ProductRecord& record : Library.ProductTable) {
        DeriveProductValues(record, shared::Eia, '.');
        SetChartAvailability(record);
    }
    if (!SortProducts(Library, shared::Eia, '.')) throw std::runtime_error("sample products do not sort");
}

std::int32_t ChartSample::PartFor(ChartType chartType, int n) const {
    int seen = 0;
    for (std::size_t i = 0; i < Library.ProductTable.size(); ++i) {
        const ProductRecord& part = Library.ProductTable[i];
        if (!part.ChartAvailable[static_cast<std::size_t>(chartType)] || part.PartNumber[0].empty()) continue;
        if (seen++ == n) return static_cast<std::int32_t>(i);
    }
    throw std::runtime_error("too few sample parts for the chart type");
}

bool ChartSample::Prepare(const ChartIdentity& identity, int nthPart,
                          const std::function<void(ConditionTexts&)>& tweak) {
    const std::int32_t index = PartFor(identity.ChartType, nthPart);
    const ProductRecord& part = Library.ProductTable[static_cast<std::size_t>(index)];
    ConditionTexts texts = DefaultConditions(part, shared::Eia, '.');
    // The default 0.1 A over frequency heats most small parts past their limit.
    if (identity.ChartType == TemperatureRise && identity.XAxis == Quantity::Frequency)
        texts.ParameterValue = "0.01";
    if (tweak) tweak(texts);
    ChartDataRecord& record = Table.Prepare();
    record = ChartRequestHeader(identity, index, texts, '.');
    if (identity.ChartType == TemperatureRise || identity.ChartType == AllowablePower)
        return CalculateDataT(Table, part, Messages, '.');
    return CalculateDataS(Table, part, shared::Eia, Messages);
}

void ChartSample::AddCurve(const ChartIdentity& identity, int nthPart,
                           const std::function<void(ConditionTexts&)>& tweak) {
    if (!Prepare(identity, nthPart, tweak)) throw std::runtime_error("the engine refused the sample curve");
    Table.AdoptPrepared();
}

ChartDataRecord LineRecord(const ChartIdentity& identity, float x0, float y0, float x1, float y1,
                           const AxisRange& range) {
    ChartDataRecord record;
    record.ChartType = identity.ChartType;
    record.XAxisName = identity.XAxis;
    record.YAxisName = identity.YAxis;
    for (int j = 0; j < kChartPoints; ++j) {
        const float t = static_cast<float>(j) / static_cast<float>(kChartPoints - 1);
        record.XData[static_cast<std::size_t>(j)] = x0 + (x1 - x0) * t;
        record.YData[static_cast<std::size_t>(j)] = y0 + (y1 - y0) * t;
    }
    record.Xmax = range.Xmax;
    record.Ymax = range.Ymax;
    record.Xmin = range.Xmin;
    record.Ymin = range.Ymin;
    return record;
}

void Adopt(ChartTable& table, const ChartDataRecord& record) {
    table.Prepare() = record;
    table.AdoptPrepared();
}

}  // namespace darvo::testing
