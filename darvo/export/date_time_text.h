#ifndef DARVO_EXPORT_DATE_TIME_TEXT_H
#define DARVO_EXPORT_DATE_TIME_TEXT_H

#include <chrono>
#include <functional>
#include <locale>
#include <string>

namespace darvo {

// Where a command learns the time it stamps a file with. Commands take one instead of
// reading the system clock, so tests can write files whose every byte is known.
using WallClock = std::function<std::chrono::system_clock::time_point()>;

// The general date form of a moment in local time: the locale's short date, a blank and
// its long time ("%x %X"), as the data files and the data print head their page. The
// desktop program passes the toolkit's own form of the same; command-line tools use the
// C++ locale of their environment.
std::string GeneralDateText(std::chrono::system_clock::time_point when, const std::locale& locale);

// The locale of the environment (LC_ALL, LC_TIME, LANG), or the classic one when the
// environment names a locale this system does not have, so a misconfigured shell still
// gets its file rather than an error.
std::locale EnvironmentLocale();

}  // namespace darvo

#endif
