#include "pelmo/charts/trace_store.h"

#include "shared/errors/runtime_error.h"

namespace pelmo {

namespace {

constexpr int kSlotCount = 21;

// The quantities a column holds by kind, series 1 onwards.
std::array<double, kTraceSeriesCount> SeriesOf(ChartKind kind, const ChartPoint& p, bool esrPass) {
    std::array<double, kTraceSeriesCount> s{};
    s[0] = p.Frequency;
    switch (kind) {
        case ChartKind::Magnitude:
            s[1] = p.S11MagnitudeDb;
            s[2] = p.S21MagnitudeDb;
            s[3] = p.S11PhaseDeg;
            s[4] = p.S21PhaseDeg;
            break;
        case ChartKind::Smith:
        case ChartKind::Phase:
            s[1] = p.S11Real;
            s[2] = p.S11Imag;
            s[3] = p.S21Real;
            s[4] = p.S21Imag;
            s[5] = p.S11MagnitudeDb;
            s[6] = p.S21MagnitudeDb;
            s[7] = p.S11PhaseDeg;
            s[8] = p.S21PhaseDeg;
            break;
        case ChartKind::Impedance:
            s[1] = p.ImpedanceMagnitude;
            break;
        case ChartKind::Esr:
            s[1] = p.Esr;
            break;
        case ChartKind::Reactance:
            s[1] = p.Reactance;
            break;
        case ChartKind::Q:
            s[1] = p.Q;
            break;
        case ChartKind::DF:
            s[1] = p.DF;
            break;
        case ChartKind::ApparentCapacitance:
            s[1] = p.ApparentCapacitance * 1e12;
            break;
        case ChartKind::ApparentInductance:
            s[1] = p.ApparentInductance * 1e9;
            break;
        case ChartKind::ImpedanceAndEsr:
            s[1] = esrPass ? p.Esr : p.ImpedanceMagnitude;
            break;
    }
    return s;
}

}  // namespace

TraceStore::TraceStore()
    : values_(static_cast<std::size_t>(kSlotCount * kTraceSeriesCount * kChartPointCount), 0.0) {}

std::size_t TraceStore::IndexOf(int slot, int series, int point) const {
    if (slot < 0 || slot >= kSlotCount || series < 0 || series >= kTraceSeriesCount || point < 0 ||
        point >= kChartPointCount)
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange);
    return static_cast<std::size_t>((slot * kTraceSeriesCount + series) * kChartPointCount + point);
}

void TraceStore::CopyTrace(ChartKind kind, int slot, const ChartPointTable& points, bool esrPass) {
    IndexOf(slot, 0, 0);
    for (int i = 0; i < kChartPointCount; ++i) {
        const auto series = SeriesOf(kind, points[static_cast<std::size_t>(i)], esrPass);
        for (int s = 0; s < kTraceSeriesCount; ++s)
            values_[IndexOf(slot, s, i)] = series[static_cast<std::size_t>(s)];
    }
    esr_[static_cast<std::size_t>(slot)] = kind == ChartKind::ImpedanceAndEsr && esrPass;
}

double TraceStore::Value(int slot, int series, int point) const {
    return values_[IndexOf(slot, series, point)];
}

bool TraceStore::HasTrace(int slot) const {
    return Value(slot, 0, 0) != 0.0;
}

bool TraceStore::HoldsEsr(int slot) const {
    IndexOf(slot, 0, 0);
    return esr_[static_cast<std::size_t>(slot)];
}

}  // namespace pelmo
