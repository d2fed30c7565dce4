#ifndef SHARED_PLATFORM_QT_MESSAGES_H
#define SHARED_PLATFORM_QT_MESSAGES_H

#include "shared/platform/messages.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace shared {

// Message boxes on the desktop: a modal QMessageBox over the owner window (or the
// active window when none is set).
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* owner = nullptr) : owner_(owner) {}

    MessageAnswer Show(const std::string& text, MessageIcon icon, const std::string& title,
                       MessageButtons buttons = MessageButtons::Ok) override;

    void SetOwner(QWidget* owner) { owner_ = owner; }

    // The programs' texts break lines with CR LF (the error reports do); the toolkit
    // wants a plain line feed, or the CR shows as a stray glyph on some styles.
    static QString DisplayText(const std::string& text);

private:
    QPointer<QWidget> owner_;
};

}  // namespace shared

#endif
