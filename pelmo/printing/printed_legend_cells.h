#ifndef PELMO_PRINTING_PRINTED_LEGEND_CELLS_H
#define PELMO_PRINTING_PRINTED_LEGEND_CELLS_H

#include "shared/parts/code_system.h"

#include <array>
#include <string>
#include <string_view>

namespace pelmo {

struct Library;

// The cells of one row of a printed trace table. The page reads them back from the
// legend texts the window shows, so the paper says what the screen says.
struct PrintedLegendCells {
    std::string PartNumber;
    std::string Temperature;  // only for parts whose data follow temperature and bias
    std::string DcBias;
    std::string SParameter;  // wide table and Smith row only
    std::string Connection;
};

// Whether a printed part number names a capacitor whose data follow temperature and DC
// bias in the notation in force: not empty, no inductor prefix, found in that
// notation's lookup, and modelled. A part the lookup does not know prints no conditions.
bool IsConditionDependentPart(std::string_view partNumber, const Library& library,
                              shared::CodeSystem codeSystem);

// The cells of a rectangular chart's legend caption (empty for a row without a
// trace). The part number runs to the first "-" (the Impedance & ESR suffix), else to
// the first blank. The temperature lies between the first "(" and the first "["; the
// bias starts after "]," - the end of the temperature, which itself may hold a decimal
// comma - and runs to "[V]". S-parameter and connection are the last two values of the
// first bracketed group, so a help note after the group does not disturb them; they are
// filled only when wide is set (Magnitude and Phase).
PrintedLegendCells RectangularLegendCells(std::string_view caption, bool wide, const Library& library,
                                          shared::CodeSystem codeSystem);

// The one row of a Smith chart from its six labels: part number, then temperature and
// bias (cut at their unit) when the part follows the conditions, then S-parameter and
// connection.
PrintedLegendCells SmithLegendCells(const std::array<std::string, 6>& labels, const Library& library,
                                    shared::CodeSystem codeSystem);

}  // namespace pelmo

#endif
