#include "chart_test_data.h"

#include <cmath>

namespace pelmo::testing {

Library ChartTestLibrary() {
    Library library;
    const auto capacitor = [&](std::string eia, std::string jis, int modelType) {
        CapacitorRecord record;
        record.PartNumber = {std::move(eia), std::move(jis)};
        record.ModelType = modelType;
        record.UpperFrequency = 6e9F;
        library.CapacitorTable.push_back(record);
    };
    capacitor("KTE105R104", "KTE105R104J", 2);
    capacitor("PNE21B104", "PNE21B104J", 1);
    capacitor("VSD104", "VSD104J", 1);
    InductorRecord inductor;
    inductor.PartNumber = "PWT15DZ1N0";
    library.InductorTable.push_back(inductor);
    inductor.PartNumber = "PWA10N22";
    library.InductorTable.push_back(inductor);
    return library;
}

ChartSlot Request(std::string_view chartName, ProductKind productKind, std::int32_t partIndex,
                  std::string_view sParameter, std::string_view connection, float temperature, float bias) {
    ChartSlot slot;
    slot.Product = productKind;
    slot.PartIndexPlusOne = partIndex + 1;
    slot.Kind = ChartKindFromName(chartName);
    slot.Parameter = SParameterFromName(sParameter).value();
    slot.Connection = CircuitModeFromName(connection);
    slot.Temperature = temperature;
    slot.DcBias = bias;
    return slot;
}

ChartPointTable Sweep(double start, double end, const std::function<double(double)>& value) {
    ChartPointTable points;
    for (int i = 0; i < kChartPointCount; ++i) {
        const double f = start * std::pow(end / start, i / 200.0);
        const double v = value(f);
        points[static_cast<std::size_t>(i)] = ChartPoint{f, v, v, v, v, v, v, v, v, v, v, v, v, v, v, v, v};
    }
    return points;
}

}  // namespace pelmo::testing
