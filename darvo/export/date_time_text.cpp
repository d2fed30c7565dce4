#include "darvo/export/date_time_text.h"

#include <ctime>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace darvo {

std::string GeneralDateText(std::chrono::system_clock::time_point when, const std::locale& locale) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return {};
    }
    std::ostringstream text;
    text.imbue(locale);
    text << std::put_time(&local, "%x %X");
    return text.str();
}

std::locale EnvironmentLocale() {
    try {
        return std::locale("");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

}  // namespace darvo
