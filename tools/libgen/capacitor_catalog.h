#ifndef TOOLS_LIBGEN_CAPACITOR_CATALOG_H
#define TOOLS_LIBGEN_CAPACITOR_CATALOG_H

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelmo::libgen {

// How densely a row fills its capacitance span: RF series are offered in 0.1 pF steps
// below 10 pF, general parts in the E-series of preferred numbers.
enum class CapacitanceGrid { Fine, E24, E12, E6 };

// One line of the sample catalogue: every preferred capacitance from minPf to maxPf of
// a series, size, dielectric and rated voltage becomes a part. Rows only combine a
// series with dielectrics its frequency-range class admits.
struct CatalogRow {
    std::string_view series;          // "KTA"
    std::string_view sizeCode;        // "15"
    std::string_view characteristic;  // generator handle of the dielectric ("X7R")
    std::string_view voltageCode;     // "1H"
    double minPf = 0.0;
    double maxPf = 0.0;
    CapacitanceGrid grid = CapacitanceGrid::E12;
    // Index into the outline's thicknesses, or -1 to let larger values take thicker
    // chips. A fixed thickness lets a row repeat values of another row in a second
    // thickness, as catalogues do.
    int thickness = -1;
    // Thinnest dielectric layers of the size: the steepest DC-bias curve.
    bool maxCv = false;
};

std::span<const CatalogRow> CapacitorCatalogRows();

// The preferred values in [minPf, maxPf] (pF), ascending, each exactly representable
// by a three-character capacitance code.
std::vector<double> CapacitanceSteps(CapacitanceGrid grid, double minPf, double maxPf);

// The three-character code of a preferred value: two digits and a power of ten ("104"),
// or "R" as the decimal point below 10 pF ("1R5", "R75").
std::string CapacitanceCode(double picofarads);

// The rated voltage text of a voltage code ("0J" gives "6.3"), written as the library
// writes numbers; the empty text for an unknown code.
std::string_view RatedVoltageText(std::string_view voltageCode);

}  // namespace pelmo::libgen

#endif
