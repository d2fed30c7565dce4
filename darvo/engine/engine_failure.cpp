#include "darvo/engine/engine_failure.h"

#include "shared/errors/runtime_error.h"

#include <cmath>

namespace darvo {

namespace {

// "darvo:mdlPublic.CalculateDataT" -> "CalculateDataT".
std::string ProcedureName(const std::string& source) {
    const std::size_t dot = source.rfind('.');
    return dot == std::string::npos ? source : source.substr(dot + 1);
}

}  // namespace

void RaiseNumericalFailure(int number, const std::string& source, const std::string& reason) {
    // The routine also titles the report, in the window and the data output.
    throw shared::RuntimeError(
        number, source,
        shared::StandardErrorDescription(number) + " in " + ProcedureName(source) + ": " + reason)
        .WithReportTitle(source);
}

void RaiseUnknownQuantity(const std::string& source, Quantity quantity) {
    RaiseNumericalFailure(shared::error::kInvalidProcedureCall, source,
                          "no curve for the quantity \"" + std::string(QuantityName(quantity)) + "\"");
}

double RequireFinite(double value, const std::string& source) {
    if (!std::isfinite(value)) {
        RaiseNumericalFailure(shared::error::kOverflow, source,
                              "a value of the curve is not a finite number");
    }
    return value;
}

void RequireFiniteRecord(const ChartDataRecord& record, const std::string& source) {
    for (int i = 0; i < kChartPoints; ++i) {
        RequireFinite(record.XData[static_cast<std::size_t>(i)], source);
        RequireFinite(record.YData[static_cast<std::size_t>(i)], source);
    }
    for (const float limit : {record.Xmax, record.Ymax, record.Xmin, record.Ymin, record.MaxValue}) {
        RequireFinite(limit, source);
    }
}

}  // namespace darvo
