#ifndef SHARED_PARTS_SORT_KEY_H
#define SHARED_PARTS_SORT_KEY_H

#include <span>
#include <string>
#include <string_view>

namespace shared {

// Weight tables of the capacitor sort key. The order of entries is the catalogue order
// the maker wants (not alphabetical: "R6" sits after "D8"), so it must not be changed.
std::span<const std::string_view> SeriesAndSizeWeights() noexcept;   // positions 1-5
std::span<const std::string_view> CharacteristicWeights() noexcept;  // positions 7-8
std::span<const std::string_view> RatedVoltageWeights() noexcept;    // positions 9-10

// The 0-based index of the first entry equal to code (letter case counts), or -1.
int WeightOf(std::span<const std::string_view> table, std::string_view code);

// The number of digits every weight of a table is written with, so keys compare as
// texts: RoundUp(Log10(entries) + 0.001), 2 for each of the three tables.
int WeightDigits(std::span<const std::string_view> table);

// The key that lists capacitors in catalogue order when keys are compared as texts:
// series-and-size weight, characteristic weight, the nominal capacitance with 12
// integer digits and 2 decimals (the given decimal separator), rated-voltage weight, then
// positions 6, 14 and 15-17 as they are.
//
// Returns false when a code is not in its table, the capacitance code is no number, or
// the capacitance needs more than two decimals; key is then incomplete and message
// holds a diagnostic for developers (users see only "Sort Error!").
bool BuildSortKey(std::string_view partNumber, char separator, std::string& key, std::string& message);

}  // namespace shared

#endif
