#include "shared/platform/qt/qt_cursor.h"

#include <QApplication>
#include <QCursor>

namespace shared {

QtCursor::~QtCursor() {
    while (depth_ > 0) {
        RestorePointer();
    }
}

void QtCursor::ShowHourglass() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++depth_;
}

void QtCursor::RestorePointer() {
    if (depth_ > 0) {
        QApplication::restoreOverrideCursor();
        --depth_;
    }
}

}  // namespace shared
