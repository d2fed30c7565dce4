#include "shared/dialogs/frm_printing.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace shared {

frmPrinting::frmPrinting(QWidget* owner)
    : QDialog(owner), lblPrinting_(new QLabel(QStringLiteral("Now Printing..."), this)) {
    setObjectName(QStringLiteral("frmPrinting"));
    setWindowTitle(QStringLiteral("Printing"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    lblPrinting_->setObjectName(QStringLiteral("lblPrinting"));
    lblPrinting_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    layout->addWidget(lblPrinting_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmPrinting::ShowNow() {
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace shared
