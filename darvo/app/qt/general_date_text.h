#ifndef DARVO_APP_QT_GENERAL_DATE_TEXT_H
#define DARVO_APP_QT_GENERAL_DATE_TEXT_H

#include <string>

namespace darvo {

// The general date form of the current local time as the system locale writes it: its
// short date, a blank and its long time. The data file and the data print head their
// page with it.
std::string SystemGeneralDateText();

}  // namespace darvo

#endif
