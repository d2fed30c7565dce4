#ifndef DARVO_SELECTION_PLOT_CONDITIONS_H
#define DARVO_SELECTION_PLOT_CONDITIONS_H

#include "darvo/engine/chart_data_record.h"
#include "darvo/library/product_record.h"

#include "shared/parts/code_system.h"

#include <string>
#include <vector>

namespace darvo {

// The rules of darvo's selection window without the window: which condition boxes a
// chart type enables, the quantities it lists, the texts it starts with and the record
// header a plot request hands over. The window and darvo-cli both ask them.

// The texts of the selection window's condition boxes and its parameter choice. They
// stay texts until a check or the record reads them, because the checks' messages and
// the stored numbers depend on how the locale reads exactly what was typed.
struct ConditionTexts {
    std::string DCBiasVoltage;       // [V]
    std::string Frequency;           // [kHz]
    std::string HeatResistance;      // [C/W]
    std::string AmbientTemperature;  // [C]
    Quantity Parameter = Quantity::Current;
    std::string ParameterValue;  // in the parameter's unit
};

// The boxes the window enables for a chart type and X quantity; only these are checked,
// and only these may be typed into.
struct EnabledConditions {
    bool DCBiasVoltage = false;
    bool Frequency = false;
    bool HeatResistance = false;
    bool AmbientTemperature = false;
    bool Parameter = false;
};
EnabledConditions EnabledFor(ChartType chartType, Quantity xAxis);

// The four load quantities a temperature rise over frequency may hold fixed, in the
// order of the window's options.
const std::vector<Quantity>& ParameterQuantities();

// The X and Y quantities the window lists for a chart type, the first being the one it
// shows after filling. Empty for an unknown chart type.
const std::vector<Quantity>& XAxisQuantities(ChartType chartType);
const std::vector<Quantity>& YAxisQuantities(ChartType chartType);

// The texts the window shows once part is chosen for chartType in notation codeSystem:
// "0" V, "100" kHz, the part's own heat resistance (HeatModel(3)), "20" C under JIS or
// "25" C under EIA, and the fixed load "Current" at 0.1.
ConditionTexts DefaultConditions(const ProductRecord& part, shared::CodeSystem codeSystem, char separator);

// The record header that WriteChartData fills from the window: every box converted to a
// single, whether the chart uses it or not. A text that is no number is stored as 0, as
// only disabled boxes, which no check reads, can hold one.
ChartDataRecord ChartRequestHeader(const ChartIdentity& identity, std::int32_t productIndex,
                                   const ConditionTexts& texts, char separator);

}  // namespace darvo

#endif
