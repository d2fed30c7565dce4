#ifndef DARVO_CHARTS_CHART_IDENTITY_H
#define DARVO_CHARTS_CHART_IDENTITY_H

#include "darvo/engine/chart_data_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace darvo {

// Whether a record is a curve of the window of that identity.
bool BelongsTo(const ChartDataRecord& record, const ChartIdentity& identity);

// "Temperature Rise Characteristics" ... "Capacitance-AC Voltage Characteristics".
std::string ChartTypeName(darvo::ChartType chartType);
// The chart type of a name; any other text gives chart type 0.
darvo::ChartType GetChartTypeNumber(std::string_view chartTypeName) noexcept;

// The window caption: type name, "(", X name, ",", Y name, ")" with no blanks added.
std::string ChartCaption(const ChartIdentity& identity);
// The identity read back from a caption; nothing when the caption is not of that form
// or names a quantity outside the lists.
std::optional<ChartIdentity> ParseChartCaption(std::string_view caption);

}  // namespace darvo

#endif
