#include "darvo/printing/printed_units.h"

#include "darvo/export/chart_names.h"

namespace darvo {

std::string PrintedUnit(std::string_view quantityName, const std::string& degreeSign) {
    std::string unit = DataFileUnit(quantityName);
    // Both temperature quantities, and only they, read "[C]" in the file.
    if (unit == "[C]") {
        return "[" + degreeSign + "C]";
    }
    return unit;
}

}  // namespace darvo
