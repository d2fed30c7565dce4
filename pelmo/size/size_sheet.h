#ifndef PELMO_SIZE_SIZE_SHEET_H
#define PELMO_SIZE_SIZE_SHEET_H

#include "pelmo/selection/selection_window_state.h"

#include "shared/parts/code_system.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmo {

struct CapacitorRecord;
struct Library;

// The outline drawings of the sheet. Inductors have no shape of their own in their
// record; they always get the standard two-terminal chip.
inline constexpr int kInductorChipShape = 4;

// The rows of the chip-dimension frame (lblTitle / lblD) and of the land frame
// (lblTitle2, lblF, lblR).
inline constexpr int kChipRowCount = 8;
inline constexpr int kLandRowCount = 7;
inline constexpr int kFlowRowCount = 3;

// One caption/value pair. A hidden name may sit beside a visible value: the land values
// are shown whatever the record holds, even where the shape names no such land.
struct SizeSheetRow {
    std::string Name;
    std::string Value;
    bool NameVisible = false;
    bool ValueVisible = false;
};

// Everything frmSize shows, as texts: all figures come from the record's size-sheet
// fields, nothing is computed, so the sheet reads the same as the maker's catalogue.
struct SizeSheetContent {
    int Shape = 1;         // 1, 2, 3, 5, 6 for capacitors, kInductorChipShape for inductors
    std::string ImageKey;  // "chip", "chip2", ...; its mask is ImageKey + "_mask"
    std::string PartNumber;
    std::string UseText;
    std::string Note;  // lblAdd; lines end with "\n"
    bool NoteVisible = true;
    bool LandFrameVisible = true;
    std::array<SizeSheetRow, kChipRowCount> Chip;  // lblTitle(i) / lblD(i)
    // lblTitle2(i) with lblR(i); Flow holds lblF(0..2) beside the first three rows.
    std::array<SizeSheetRow, kLandRowCount> Land;
    std::array<std::string, kFlowRowCount> Flow;
    bool FlowVisible = true;
};

// The library writes a tolerance with the letter "d" ("1.00d0.05"); the sheet shows the
// first "d" as the plus-minus sign and leaves any later one as it stands.
std::string PlusMinusText(std::string_view text);

// The note under the use text: "Non-Standard Part" and a line break for the mark "NS"
// in SizeSheet(19), then "Base Metal Inner Electrode" for "B" in SizeSheet(18).
std::string SizeSheetNote(const CapacitorRecord& record);

// The drawing of a shape ("chip" for 1 and the inductor's 4, "chip2" to "chip5" for
// 2, 3, 5, 6). Throws shared::RuntimeError 5 for any other shape.
std::string ChipImageKey(int shape);

// The capacitor's outline type as the sheet uses it. A value other than 1, 2, 3, 5 or 6
// (a fraction included) is a library fault and throws shared::RuntimeError 5 naming the
// part, so the sheet is refused rather than drawn with some other part's outline.
int CapacitorChipShape(const CapacitorRecord& record);

// The sheet of a part of the library. The part number is shown in the notation in force,
// or in the other one when the part has no name there (it was found through that one).
// Throws shared::RuntimeError 9 for an index outside the table and 5 for a capacitor
// with an unknown outline; the window turns either into its error report.
SizeSheetContent BuildSizeSheet(const Library& library, ProductKind kind, std::int32_t index,
                                shared::CodeSystem codeSystem);

}  // namespace pelmo

#endif
