#include "pelmo/charts/chart_captions.h"

#include "shared/text/number_text.h"

namespace pelmo {

namespace {

std::string Conditions(const ChartTrace& trace, const std::string& degreeSign, char separator) {
    return shared::GeneralNumberTextSingle(trace.Slot.Temperature, separator) + "[" + degreeSign + "C]" +
           "," + shared::GeneralNumberTextSingle(trace.Slot.DcBias, separator) + "[V]";
}

std::string ParameterText(const ChartSlot& slot) {
    return std::string(SParameterName(slot.Parameter));
}

std::string ConnectionText(const ChartSlot& slot) {
    return slot.Connection ? std::string(CircuitModeName(*slot.Connection)) : std::string();
}

}  // namespace

std::string RectangularChartCaption(ChartKind kind) {
    return std::string(ChartName(kind)) + " Chart";
}

std::string SmithChartCaption(const ChartTrace& trace, char separator) {
    std::string caption = "Smith Chart-" + trace.PartNumber + "-";
    if (trace.DependsOnConditions)
        caption += shared::GeneralNumberTextSingle(trace.Slot.Temperature, separator) + "[C]" + "-" +
                   shared::GeneralNumberTextSingle(trace.Slot.DcBias, separator) + "[V]" + "-";
    return caption + ParameterText(trace.Slot) + "-" + ConnectionText(trace.Slot);
}

std::array<std::string, 6> SmithLegendLabels(const ChartTrace& trace, const std::string& degreeSign,
                                             char separator) {
    std::array<std::string, 6> labels;
    labels[0] = trace.PartNumber;
    if (trace.DependsOnConditions) {
        labels[1] =
            shared::GeneralNumberTextSingle(trace.Slot.Temperature, separator) + "[" + degreeSign + "C]";
        labels[2] = shared::GeneralNumberTextSingle(trace.Slot.DcBias, separator) + "[V]";
        labels[3] = ParameterText(trace.Slot);
        labels[4] = ConnectionText(trace.Slot);
    } else {
        labels[1] = ParameterText(trace.Slot);
        labels[2] = ConnectionText(trace.Slot);
    }
    return labels;
}

std::string LegendCaption(ChartKind kind, const ChartTrace& trace, bool holdsEsr,
                          const std::string& degreeSign, char separator) {
    const bool sParameterKind = kind == ChartKind::Magnitude || kind == ChartKind::Phase;
    const std::string& p = trace.PartNumber;
    std::string caption;
    if (kind == ChartKind::ImpedanceAndEsr) {
        caption = p + (holdsEsr ? "-ESR" : "-Impedance");
        if (trace.DependsOnConditions) caption += " (" + Conditions(trace, degreeSign, separator) + ")";
    } else if (trace.DependsOnConditions) {
        caption = p + " (" + Conditions(trace, degreeSign, separator);
        if (sParameterKind) caption += "," + ParameterText(trace.Slot) + "," + ConnectionText(trace.Slot);
        caption += ")";
    } else if (sParameterKind) {
        caption = p + " (" + ParameterText(trace.Slot) + "," + ConnectionText(trace.Slot) + ")";
    } else {
        caption = p;
    }
    if (!trace.Capacitor && p.find("PWT15DZ") != std::string::npos) caption += "   (See Help 2)";
    return caption;
}

std::string ValueUnitText(ChartKind kind) {
    switch (kind) {
        case ChartKind::Magnitude:
            return "[dB]";
        case ChartKind::Phase:
            return "[DEG]";
        case ChartKind::Reactance:
            return "[ohm]:Absolute Value";
        case ChartKind::Q:
        case ChartKind::DF:
            return "";
        case ChartKind::ApparentCapacitance:
            return "[pF]";
        case ChartKind::ApparentInductance:
            return "[nH]";
        default:
            return "[ohm]";
    }
}

}  // namespace pelmo
