#include "darvo/app/qt/general_date_text.h"

#include <QDateTime>
#include <QLocale>

namespace darvo {

std::string SystemGeneralDateText() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return (locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
            locale.toString(now.time(), QLocale::LongFormat))
        .toStdString();
}

}  // namespace darvo
