#include "darvo/engine/capacitance_series.h"

#include "darvo/engine/engine_failure.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

namespace darvo {

namespace {

bool ShowsCapacitance(const ChartDataRecord& record) {
    if (record.YAxisName == Quantity::Capacitance) {
        return true;
    }
    if (record.YAxisName == Quantity::CapacitanceChange) {
        return false;
    }
    RaiseUnknownQuantity(kCalculateDataSSource, record.YAxisName);
}

// Fills 200 points from start to end by repeated single-precision addition, tracking the
// largest and smallest Y from the first point on, then sets the axis range of [xs, xe].
void FillSeries(ChartDataRecord& record, float start, float end, float xe, float xs,
                const std::function<double(float)>& y) {
    const float step = (end - start) / 199.0F;
    float x = start;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kChartPoints); ++i) {
        record.XData[i] = x;
        record.YData[i] = static_cast<float>(RequireFinite(y(x), kCalculateDataSSource));
        x += step;
    }
    float largest = record.YData[0];
    float smallest = record.YData[0];
    for (const float value : record.YData) {
        largest = value > largest ? value : largest;
        smallest = value < smallest ? value : smallest;
    }
    SetCapAxisRange(record, record.ChartType, xe, xs, largest, smallest);
}

// 10^Int(|log10 |y||) as a 32-bit integer, the logarithm in single precision.
double PowerOfTen(float y) {
    if (y == 0.0F) {
        RaiseNumericalFailure(shared::error::kInvalidProcedureCall, kCalculateDataSSource,
                              "a capacitance of 0 has no logarithmic scale");
    }
    const auto decade = static_cast<float>(std::log10(std::fabs(static_cast<double>(y))));
    const double power = std::pow(10.0, std::floor(std::fabs(static_cast<double>(decade))));
    if (power > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        RaiseNumericalFailure(shared::error::kOverflow, kCalculateDataSSource,
                              "the capacitance is out of range");
    }
    return shared::RoundHalfEven(power);
}

// The 32-bit integer an axis end passes through before it is stored.
float ThroughInteger(double value) {
    const double rounded = shared::RoundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::max()))) {
        RaiseNumericalFailure(shared::error::kOverflow, kCalculateDataSSource,
                              "an axis limit is out of range");
    }
    return static_cast<float>(rounded);
}

}  // namespace

double RoundDownToMultiple(double x, double m) noexcept {
    const double step = std::fabs(m);
    return std::floor(x / step) * step;
}

double RoundUpToMultiple(double x, double m) noexcept {
    const double step = std::fabs(m);
    return std::ceil(x / step) * step;
}

void CapTempSeries(ChartDataRecord& record, const CapacitanceModel& model, float vdc, int tmin, int tmax) {
    const bool capacitance = ShowsCapacitance(record);
    const double v = vdc;
    const double pdc = model.Pdc(v);
    const auto start = static_cast<float>(tmin);
    const auto end = static_cast<float>(tmax);
    FillSeries(record, start, end, end, start, [&](float t) {
        const double pt =
            model.ModelClass() == kPolynomialClass ? model.PT(static_cast<double>(t) - 25.0) : 0.0;
        const double change = model.Change(t, v, pdc, pt);
        return capacitance ? model.Capacitance(change) : model.ShownChange(change);
    });
}

void CapDCSeries(ChartDataRecord& record, const CapacitanceModel& model, float t, float ratedVoltage) {
    const bool capacitance = ShowsCapacitance(record);
    const double pt = model.ModelClass() == kPolynomialClass ? model.PT(static_cast<double>(t) - 25.0) : 0.0;
    FillSeries(record, 0.0F, ratedVoltage, ratedVoltage, 0.0F, [&](float v) {
        const double change = model.Change(t, v, model.Pdc(v), pt);
        return capacitance ? model.Capacitance(change) : model.ShownChange(change);
    });
}

void CapACSeries(ChartDataRecord& record, const CapacitanceModel& model, float largestAc,
                 float capacitanceBasis) {
    const bool capacitance = ShowsCapacitance(record);
    const double reference = model.IsJis() ? model.C20Ac() : static_cast<double>(capacitanceBasis);
    // The first point lies at 0.1 V, where the data begin, but the axis starts at 0.
    FillSeries(record, 0.1F, largestAc, largestAc, 0.0F, [&](float u) {
        const double change = model.Pac(u);
        return capacitance ? reference * (change / 100.0 + 1.0) : change;
    });
}

void SetCapAxisRange(ChartDataRecord& record, int chartType, float xe, float xs, float yhi, float ylo) {
    if (chartType == CapacitanceTemperature) {
        xe = static_cast<float>(RoundUpToMultiple(xe, 25.0));
        xs = static_cast<float>(RoundDownToMultiple(xs, 25.0));
    }
    double ymax = 0.0;
    double ymin = 0.0;
    if (record.YAxisName == Quantity::CapacitanceChange) {
        ymax = RoundUpToMultiple(yhi, 10.0);
        ymin = RoundDownToMultiple(ylo, 10.0);
    } else {
        ymax = RoundUpToMultiple(yhi, PowerOfTen(yhi));
        ymin = RoundDownToMultiple(ylo, PowerOfTen(ylo));
    }
    record.Ymax = ThroughInteger(ymax);
    record.Ymin = ThroughInteger(ymin);
    record.Xmax = xe;
    record.Xmin = xs;
}

}  // namespace darvo
