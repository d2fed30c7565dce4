#ifndef PELMO_SELECTION_FREQUENCY_SCROLL_H
#define PELMO_SELECTION_FREQUENCY_SCROLL_H

#include "pelmo/selection/operating_conditions.h"

#include <string>

namespace pelmo {

// The frequency scroll bar of the selection window. Its 201 positions span the part's
// range on a logarithmic scale, so every decade gets the same travel of the thumb
// whether the part starts at 30 kHz or at 100 MHz.

inline constexpr int kFrequencyScrollMaximum = 200;

// f(p) = L x (U / L)^(p / 200) [MHz]: position 0 is the lower limit, 200 the upper.
double ScrollFrequency(const PartFrequencyRange& range, int position);

// The position of a typed frequency [MHz], rounded to the nearest (halves to even) and
// kept within 0 to 200, so that the thumb follows a frequency typed into the box.
int ScrollPosition(const PartFrequencyRange& range, double frequency);

// The frequency box text after the user moved the thumb to position: three decimals for
// class 5 (its range starts at 0.03 MHz), one decimal for the others, and none for
// class 4 once the frequency passes the tenth decade mark of its scale (U^(p/200) of
// 10 or more), where a decimal only adds noise.
std::string ScrollFrequencyText(const PartFrequencyRange& range, int position, char separator);

}  // namespace pelmo

#endif
