#ifndef DARVO_ENGINE_ENGINE_FAILURE_H
#define DARVO_ENGINE_ENGINE_FAILURE_H

#include "darvo/engine/chart_data_record.h"

#include <string>

namespace darvo {

// Where the engine's numerical failures come from; the selection window and the data
// output use them as the title of the "Unexpected Error" report.
inline constexpr const char* kCalculateDataTSource = "darvo:mdlPublic.CalculateDataT";
inline constexpr const char* kCalculateDataSSource = "darvo:mdlPublic.CalculateDataS";

// The title of the engine's own message boxes: the program title.
inline constexpr const char* kEngineMessageTitle = "darvo";

// The formulas were written for a runtime that stopped on a division by zero, an
// overflow or the logarithm of a non-positive value. C++ yields inf or NaN silently,
// which a chart would draw as nonsense and a data file would write as "inf". These raise
// shared::RuntimeError instead, with the number the error report shows (5 for an
// argument out of a function's domain, 6 for a value that is not finite) and a
// description naming the routine, so that the user learns which computation failed.
[[noreturn]] void RaiseNumericalFailure(int number, const std::string& source, const std::string& reason);

// Raises error 5 for an axis or load quantity the routine has no curve for; the names
// come from fixed lists, so this is a programming or command-line error.
[[noreturn]] void RaiseUnknownQuantity(const std::string& source, Quantity quantity);

// Raises error 6 unless value is finite.
double RequireFinite(double value, const std::string& source);
// Raises error 6 unless every series value and axis limit of the record is finite.
void RequireFiniteRecord(const ChartDataRecord& record, const std::string& source);

}  // namespace darvo

#endif
