#include "shared/dialogs/frm_about.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace shared {

frmAbout::frmAbout(const AboutContent& content, QWidget* parent)
    : QDialog(parent),
      picIcon_(new QLabel(this)),
      lblTitle_(new QLabel(this)),
      lblVersion_(new QLabel(QStringLiteral("Version"), this)),
      lblDescription_(new QLabel(this)),
      lblDiscription2_(new QLabel(this)),
      cmdOk_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(content.caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    picIcon_->setObjectName(QStringLiteral("picIcon"));
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblDescription_->setObjectName(QStringLiteral("lblDescription"));
    lblDiscription2_->setObjectName(QStringLiteral("lblDiscription2"));
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));

    QFont titleFont = lblTitle_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle_);
    text->addWidget(lblVersion_);
    text->addSpacing(12);
    text->addWidget(lblDescription_);
    text->addWidget(lblDiscription2_);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon_, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    cmdOk_->setDefault(true);
    connect(cmdOk_, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
    Form_Load(content);
}

QString frmAbout::VersionText(const ProgramVersion& version) {
    return QStringLiteral("Version %1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision);
}

void frmAbout::Form_Load(const AboutContent& content) {
    QIcon icon = content.icon;
    if (icon.isNull()) icon = QApplication::windowIcon();
    if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    picIcon_->setPixmap(icon.pixmap(48, 48));
    lblTitle_->setText(content.productTitle);
    lblVersion_->setText(VersionText(content.version));
    lblDescription_->setText(
        QStringLiteral("%1, characteristics of surface-mount chip components.").arg(content.productTitle));
    lblDiscription2_->setText(QStringLiteral(
        "Values come from equivalent-circuit models; verify critical designs by measurement."));
}

void frmAbout::cmdOk_Click() {
    accept();
}

}  // namespace shared
