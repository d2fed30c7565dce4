#ifndef PELMO_SELECTION_OPERATING_CONDITIONS_H
#define PELMO_SELECTION_OPERATING_CONDITIONS_H

#include "shared/parts/code_system.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelmo {

struct CapacitorRecord;
struct Library;

// The selection window's operating-point fields without the window: the permitted
// frequency range of a part, the values the fields are reset to when a part is chosen,
// and the checks the window runs before every evaluation, with the window's own message
// texts (odd spellings included, since users and scripts match them). A check answers
// the message it would show, or nothing when the input passes.

// The messages' texts, line break included where the window shows two lines.
inline constexpr const char* kFrequencyEmptyText = "Operating Freqency if not selected!";
inline constexpr const char* kFrequencyInvalidText = "Operating Frequency is invalid!";
inline constexpr const char* kFrequencyOutOfRangeText = "Operating Frequency is out of Range!";
inline constexpr const char* kTemperatureInvalidText = "Operation Temp is invalid!";
inline constexpr const char* kTemperatureOutOfRangeText = "Operation Temp is out of range!";
inline constexpr const char* kBiasInvalidText = "DC Bias Voltage is invalid!";
inline constexpr const char* kBiasOutOfRangeText = "DC Bias Voltage is out of range!";
inline constexpr const char* kEnterNumberText = "Please enter a Number from ";
// The chart request's refusal of a part number that is not in the lookup.
inline constexpr const char* kSpecifyPartNumberText = "Please specify correct Part Number.";

// The frequencies a part may be evaluated at [MHz], by its FrequencyRangeClass.
struct PartFrequencyRange {
    int RangeClass = 0;
    // L as typed limits compare: the decimal constant in double precision, so that
    // typing exactly 0.3 or 0.03 is accepted.
    double Lower = 0.0;
    // The texts the window shows: L ("10", "100", "0.3", "0.03") and U, the part's
    // upper frequency in MHz as the shortest text of the double value (rounded to a
    // whole number, halves to even, for class 1). Both in the locale's separator.
    std::string LowerText;
    std::string UpperText;
    // U [MHz] unrounded, the end of the scroll bar's logarithmic scale.
    double Upper = 0.0;
};

// The range of a class (1 to 6) and a stored upper frequency [Hz]; nothing for a class
// outside 1 to 6, which has no lower limit.
std::optional<PartFrequencyRange> FrequencyRangeOf(int rangeClass, float upperFrequency, char separator);

// L + " - " + U + " [MHz]", the range as the frequency messages name it.
std::string FrequencyRangeText(const PartFrequencyRange& range);

// The frequency field after a part is chosen: its lower limit.
std::string DefaultFrequencyText(const PartFrequencyRange& range);

// The temperature field after a part is chosen: "25" in EIA notation, "20" in JIS.
std::string DefaultTemperatureText(shared::CodeSystem codeSystem, char separator);
inline constexpr const char* kDefaultBiasText = "0";

// FrequencyCheck: an empty field, text that is no number, or a frequency below L or
// above the number the text of U reads back as, each with the range on a second line.
// On success frequency receives the typed value [MHz].
std::optional<std::string> FrequencyCheckMessage(std::string_view text, const PartFrequencyRange& range,
                                                 char separator, double* frequency = nullptr);

// OperatingConditionCheck for the capacitor partNumber (in the lookup of codeSystem).
// A part without a temperature and bias model passes whatever the texts hold. Else the
// temperature must be a number within the range of the part's characteristic ("Error at
// GetTempRange" for a characteristic without one: the part is refused, nothing ends),
// and the bias a number from 0 to the rated voltage of the part itself. The window once
// took the rating from its rated-voltage filter and skipped the test when that filter
// was empty, which let a typed part through with another part's rating or none; the
// part's own record is the only rating that belongs to the conditions checked.
std::optional<std::string> OperatingConditionMessage(const Library& library, const CapacitorRecord& record,
                                                     std::string_view partNumber,
                                                     shared::CodeSystem codeSystem,
                                                     std::string_view temperatureText,
                                                     std::string_view biasText, char separator);

}  // namespace pelmo

#endif
