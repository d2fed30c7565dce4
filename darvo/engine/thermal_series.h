#ifndef DARVO_ENGINE_THERMAL_SERIES_H
#define DARVO_ENGINE_THERMAL_SERIES_H

#include "darvo/engine/chart_data_record.h"
#include "darvo/engine/heat_terms.h"

namespace darvo {

// The k-th of the 200 logarithmically spaced frequencies from 10^5 Hz (k = 0) to 10^6 Hz
// (k = 199) of the frequency charts, in single precision as the curves store them.
float ThermalChartFrequency(int k) noexcept;

// Temperature rise against the load record.XAxisName (current, voltage, apparent or
// effective power) at the fixed frequency f0 [Hz]: 200 points from 0
// to the load whose rise is 80 C (or the rated voltage's rms value, when that comes
// first). The X values are accumulated in single precision, as the data files show them.
// Any other quantity raises RuntimeError 5.
void TempRiseSeries(ChartDataRecord& record, const HeatTerms& terms, double f0);

// Temperature rise against frequency at the fixed load record.ParameterName =
// record.ParameterValue. The caller has checked the load with ParameterLimit. The rises
// of current, voltage and apparent power are scaled by Rth / q like TempRiseSeries, so
// that both charts agree about one part at one heat resistance.
void TempRiseOverFrequency(ChartDataRecord& record, const HeatTerms& terms);

// The largest load of the quantity record.YAxisName that keeps the rise within the
// allowance, limited by the rated voltage, against frequency; writes MaxValue and a
// logarithmic Y range. An allowance of 0 (ambient above the part's maximum temperature)
// or a non-positive value leaves no logarithmic range: a numerical failure is raised.
void AllowablePowerSeries(ChartDataRecord& record, const HeatTerms& terms);

// The linear axes of a temperature rise against load: X from xs to the next integer
// above xe, Y from ylo to the next ten above the largest rise, or to 100 from 75 C on.
void SetThermalAxisRange(ChartDataRecord& record, float xe, float xs, float yhi, float ylo);

}  // namespace darvo

#endif
