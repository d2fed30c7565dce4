#ifndef TOOLS_LIBGEN_CHIP_OUTLINE_H
#define TOOLS_LIBGEN_CHIP_OUTLINE_H

#include <array>
#include <string_view>

namespace pelmo::libgen {

// One available chip thickness: its value decides which thickness code a part number
// carries in position 6, and thicker chips hold more layers and so more capacitance.
struct ChipThickness {
    double millimetres = 0.0;
    char code = ' ';        // part-number position 6
    std::string_view text;  // "0.50d0.05": value, "d", tolerance
};

// What a chip outline contributes to a capacitor: the texts of its size sheet, the
// names of its size in both notations and the parasitics that follow from its geometry
// (intrinsic ESL range, termination fringe capacitance of the second branch).
struct ChipOutline {
    std::string_view key;          // "15", or series and size ("PNN15") for own outlines
    std::string_view eiaSize;      // "0402"
    std::string_view jisSize;      // "1005"
    int shape = 1;                 // chip size sheet drawing
    bool nonStandard = false;      // "NS" mark
    std::string_view length;       // "1.00d0.05"
    std::string_view lengthLarge;  // the wider length tolerance of parts of 1 uF and more
    std::string_view width;
    std::array<ChipThickness, 4> thicknesses{};
    int thicknessCount = 0;
    std::string_view band;    // e
    std::string_view gapMin;  // g(min)
    // SizeSheet(5..7): f or f1, f2, p of the multi-terminal drawings.
    std::array<std::string_view, 3> terminals{};
    // SizeSheet(8..14): reflow lands a, b, c, d, e, f, p.
    std::array<std::string_view, 7> reflow{};
    // SizeSheet(15..17): flow lands a, b, c, "-" where wave soldering is not allowed.
    std::array<std::string_view, 3> flow{};
    double eslLow = 0.0;             // intrinsic ESL of the largest capacitance [nH]
    double eslHigh = 0.0;            // intrinsic ESL of pF parts and thin chips [nH]
    double fringeCapacitance = 0.0;  // C2 [pF]
};

// The outline a series uses for a size code: the low-inductance series have their own
// (reversed or multi-terminal) outlines, every other series the standard chip. Null
// when the size is unknown, which is a fault in the generator's catalogue.
const ChipOutline* FindChipOutline(std::string_view series, std::string_view sizeCode);

}  // namespace pelmo::libgen

#endif
