#ifndef SHARED_PARTS_CAPACITANCE_TEXT_H
#define SHARED_PARTS_CAPACITANCE_TEXT_H

#include <string>
#include <string_view>

namespace shared {

// Capacitances in pF are shown with an engineering prefix that reads together with the
// "Capacitance[F]" caption: a number, a blank and " f", " p", " n", " u" or " m"; values
// of 10^12 pF and more have no suffix. Numbers are in their shortest text with the
// given decimal separator.

// The notation of a capacitance in pF given as a number text (given separator):
// "0.5" gives "500 f", "2200000" gives "2.2 u". The empty text stays empty; a text that
// is no number raises RuntimeError 13 "Type mismatch". Pass a single-precision value as
// its GeneralNumberTextSingle text: widened to double, 0.47f would show as
// "469.999998807907 f".
std::string CapacitanceText(std::string_view value, char separator);

// Back from the notation to the number text in pF: "4.7 n" gives "4700". The empty text
// stays empty. The number is the text before the last blank; when that is no number
// the text comes back unchanged. A text without a blank is a plain number with no
// suffix and is scaled by 10^12, mirroring CapacitanceText's suffix-less form.
std::string CapacitanceValue(std::string_view text, char separator);

// The 1-based position where the last occurrence of find starts, searching backwards
// from position start (letter case counts); 0 when either text is empty or nothing
// matches. A start below 1 is set to the length of text, and the caller sees that.
// A match would have to begin before position 1 is no match.
int LastIndexOf(std::string_view text, std::string_view find, int& start);

}  // namespace shared

#endif
