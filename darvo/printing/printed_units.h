#ifndef DARVO_PRINTING_PRINTED_UNITS_H
#define DARVO_PRINTING_PRINTED_UNITS_H

#include <string>
#include <string_view>

namespace darvo {

// The unit text of an axis or load quantity as the chart windows and printed pages show
// it: the data file's unit, except that temperatures carry the degree sign ("[" +
// degreeSign + "C]"), which only the file leaves out. Empty for a name outside the
// selection window's lists.
std::string PrintedUnit(std::string_view quantityName, const std::string& degreeSign);

}  // namespace darvo

#endif
