#ifndef SHARED_PARTS_PART_NUMBER_CODES_H
#define SHARED_PARTS_PART_NUMBER_CODES_H

#include <cstddef>
#include <string>
#include <string_view>

namespace shared {

// The maker's part numbers carry their meaning in fixed character positions (1-based):
// 1-2 inductor family, 1-3 series, 4-5 size, 6 and 14 and 15-17 variant characters,
// 7-8 temperature characteristic, 9-10 rated voltage, 11-13 capacitance code.

// The characters from 1-based position start, at most length of them. A text too short
// for the range gives what it has (possibly nothing), so typed part numbers of any
// length can be classified without a bounds fault.
std::string MidText(std::string_view text, std::size_t start, std::size_t length);

// The class 1 to 6 that fixes a part's frequency ranges; the rules are tried in order
// and the first that holds decides. 0 means no rule holds: the library lists series
// (KTW15 for one) that no class covers, and the windows refuse such a part instead of
// assuming a class.
int FrequencyRangeClass(std::string_view partNumber);

// Positions 1-2 are "PW".
bool IsInductorNumber(std::string_view partNumber);

// Positions 1-5 name a series and size whose equivalent series C and L are derived at
// the low-inductance frequencies (PNN15 is deliberately not one of them).
bool IsLowInductanceSize(std::string_view partNumber);

// The nominal capacitance in pF encoded in positions 11-13, as the shortest text of a
// single-precision number with the given decimal separator: "1R5" gives 1.5, "R75"
// 0.75, "104" 100000, "220" 22. A code that is no number raises RuntimeError 13 "Type
// mismatch".
std::string ParseCapacitanceCode(std::string_view partNumber, char separator);

// The rated voltage text of the code in positions 9-10 ("0J" gives "6.3", always with
// "."); the empty text for a code outside the table, which the start reports as a data
// error naming the part.
std::string RatedVoltageFromCode(std::string_view partNumber);

}  // namespace shared

#endif
