#ifndef PELMO_SIZE_SIZE_SHEET_LAYOUT_H
#define PELMO_SIZE_SIZE_SHEET_LAYOUT_H

#include "pelmo/size/size_sheet.h"

#include <array>

namespace pelmo {

// A control's place in twips, relative to its container (the window's client area or,
// for the rows, the frame that holds them).
struct TwipsRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const noexcept { return Left + Width; }
    int Bottom() const noexcept { return Top + Height; }
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Where every control of the sheet goes for one shape. The window's outer size and the
// frames, picture and button follow the catalogue sheet's measures; the places the
// sheet leaves open (the texts at the top, the rows inside the frames) are chosen so
// that the tallest shape still fits with every row readable.
struct SizeSheetLayout {
    int WindowWidth = 0;  // outer size, title bar and borders included
    int WindowHeight = 0;
    int ClientWidth = 0;  // what the window's contents get
    int ClientHeight = 0;

    TwipsRect PartNumber;  // lblPartnumber
    TwipsRect Use;         // lblUse
    TwipsRect Note;        // lblAdd
    TwipsRect ChipFrame;   // fraChip
    TwipsRect LandFrame;   // fraLand
    TwipsRect Picture;     // picChip
    TwipsRect Ok;          // cmdOk

    // Inside fraChip.
    std::array<TwipsRect, kChipRowCount> ChipNames;   // lblTitle
    std::array<TwipsRect, kChipRowCount> ChipValues;  // lblD
    // Inside fraLand.
    TwipsRect FlowCaption;                              // lblTitleF
    TwipsRect ReflowCaption;                            // lblTitleR
    std::array<TwipsRect, kLandRowCount> LandNames;     // lblTitle2
    std::array<TwipsRect, kLandRowCount> ReflowValues;  // lblR
    std::array<TwipsRect, kFlowRowCount> FlowValues;    // lblF
};

// Title bar and borders of a fixed dialog, which the outer window size includes.
inline constexpr int kWindowChromeWidthTwips = 90;
inline constexpr int kWindowChromeHeightTwips = 405;

// The layout of a shape (1 to 6). Shapes other than 2 and 3 share the short sheet.
SizeSheetLayout LayOutSizeSheet(int shape);

}  // namespace pelmo

#endif
