#ifndef DARVO_ENGINE_CAPACITANCE_SERIES_H
#define DARVO_ENGINE_CAPACITANCE_SERIES_H

#include "darvo/engine/capacitance_model.h"
#include "darvo/engine/chart_data_record.h"

namespace darvo {

// The three capacitance curves. Each has 200 points whose X values start at the range
// start and grow by (end - start) / 199 in single precision, as the data files show
// them; Y is the capacitance [pF] for "Capacitance" or the shown change [%] for
// "Capacitance Change" (another name raises RuntimeError 5). Each ends with
// SetCapAxisRange.

// Against temperature over the characteristic's range at DC bias vdc. tmin and tmax
// come from GetTempRange (polynomial class) or the peaked class's notation range.
void CapTempSeries(ChartDataRecord& record, const CapacitanceModel& model, float vdc, int tmin, int tmax);

// Against DC bias from 0 to the rated voltage at ambient temperature t.
void CapDCSeries(ChartDataRecord& record, const CapacitanceModel& model, float t, float ratedVoltage);

// Against AC voltage from 0.1 V to the part's largest AC voltage; the axis starts at 0.
void CapACSeries(ChartDataRecord& record, const CapacitanceModel& model, float largestAc,
                 float capacitanceBasis);

// The axis range of a capacitance curve. The temperature chart (chartType 2) widens X to
// multiples of 25; "Capacitance Change" widens Y to multiples of 10; "Capacitance" to
// multiples of the power of ten of each end. Both Y ends pass through a 32-bit integer
// (halves to even). A capacitance end of 0 has no power of ten and raises a numerical
// failure, as does a Y end beyond the 32-bit range.
void SetCapAxisRange(ChartDataRecord& record, int chartType, float xe, float xs, float yhi, float ylo);

// Int(x / |m|) · |m| with Int rounding down.
double RoundDownToMultiple(double x, double m) noexcept;
// The smallest multiple of |m| not below x.
double RoundUpToMultiple(double x, double m) noexcept;

}  // namespace darvo

#endif
