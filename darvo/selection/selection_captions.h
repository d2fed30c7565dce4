#ifndef DARVO_SELECTION_SELECTION_CAPTIONS_H
#define DARVO_SELECTION_SELECTION_CAPTIONS_H

#include <array>

namespace darvo::selection_captions {

// The titles the selection window shows and reports under.
inline constexpr const char* kProductTitle = "Tervalon";  // the window's caption
inline constexpr const char* kProgramTitle = "darvo";     // every message box

// Control captions, exactly as the window shows them. The chart-type options are
// captioned with the chart type names (darvo::ChartTypeName).
inline constexpr const char* kChartTypeFrame = "Chart Type";
inline constexpr const char* kPartNumberLabel = "Orvane Part Number";
inline constexpr const char* kSizeCodeLabel = "Size Code";
inline constexpr const char* kTccLabel = "TCC";
inline constexpr const char* kCapacitanceLabel = "Capacitance[F]";
inline constexpr const char* kRatedVoltageLabel = "Rated Voltage[V]";
inline constexpr const char* kCatalogLink = "Link to Catalog";
inline constexpr const char* kAxisFrame = "Axis";
inline constexpr const char* kXAxisLabel = "X axis";
inline constexpr const char* kYAxisLabel = "Y axis";
inline constexpr const char* kConditionFrame = "Condition";
inline constexpr const char* kDCBiasVolLabel = "DC Bias Voltage[V]";
inline constexpr const char* kFrequencyLabel = "Frequency[kHz]";
inline constexpr const char* kHeatResistanceLabel = "Heat Resistance[C/W]";
inline constexpr const char* kAmbientTempLabel = "Ambient Temperature[C]";
inline constexpr const char* kParameterFrame = "Parameter";
inline constexpr const char* kPlot = "Plot";

// The unit lblParameter shows for each parameter option ("Current", "Voltage",
// "Effective Power", "Apparent Power", as darvo::ParameterNames lists them).
inline constexpr std::array<const char*, 4> kParameterUnits = {"[Arms]", "[Vrms]", "[W]", "[VA]"};

// The refusals of a plot request (exclamation icon, the program title).
inline constexpr const char* kAlreadyOpened = "This Chart is already opened!";
inline constexpr const char* kMaximumCurves = "Maximum Numbers of this Chart Type open!";

}  // namespace darvo::selection_captions

#endif
