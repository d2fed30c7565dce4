#include "darvo/charts/qt/frm_set_axis.h"

#include "darvo/charts/qt/frm_graph.h"

#include "shared/desktop/window_entry.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace darvo {

FrmSetAxis::FrmSetAxis(const ChartTable& table, const ChartIdentity& identity, const AxisRange& range,
                       const std::string& degreeSign, char separator, shared::Messages& messages,
                       QWidget* mainWindow, QWidget* parent)
    : QDialog(parent),
      table_(table),
      identity_(identity),
      separator_(separator),
      messages_(messages),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmSetAxis"));
    setModal(true);
    const AxisDialogTexts texts = AxisDialogFor(identity, range, degreeSign, separator);
    setWindowTitle(QString::fromStdString(texts.Caption));

    auto* fraXaxis = new QGroupBox(QString::fromStdString(texts.XFrame), this);
    fraXaxis->setObjectName(QStringLiteral("fraXaxis"));
    auto* fraYaxis = new QGroupBox(QString::fromStdString(texts.YFrame), this);
    fraYaxis->setObjectName(QStringLiteral("fraYaxis"));
    new QGridLayout(fraXaxis);
    new QGridLayout(fraYaxis);
    for (int i = 0; i < 2; ++i) {
        const auto u = static_cast<std::size_t>(i);
        txtX_[u] = AddRow(fraXaxis, QStringLiteral("X"), i, texts.X[u], texts.XUnit, &lblX_[u]);
        if (!texts.XEditable) {
            // Over frequency the range is shown, not edited: the labels take the boxes' place.
            txtX_[u]->hide();
            lblX_[u]->show();
        }
    }
    for (int i = 0; i < 2; ++i) {
        const auto u = static_cast<std::size_t>(i);
        txtY_[u] = AddRow(fraYaxis, QStringLiteral("Y"), i, texts.Y[u], texts.YUnit, nullptr);
    }

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK_, &QPushButton::clicked, this,
            shared::GuardedEntry(messages_, kChartProgramTitle, [this](bool) { cmdOk_Click(); }));
    connect(cmdCancel_, &QPushButton::clicked, this,
            shared::GuardedEntry(messages_, kChartProgramTitle, [this](bool) { cmdCancel_Click(); }));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraXaxis);
    layout->addWidget(fraYaxis);
    layout->addLayout(buttons);

    // Keyboard order: the editable boxes from X From to Y To, then the buttons.
    QWidget* previous = nullptr;
    for (QWidget* w : {static_cast<QWidget*>(txtX_[0]), static_cast<QWidget*>(txtX_[1]),
                       static_cast<QWidget*>(txtY_[0]), static_cast<QWidget*>(txtY_[1]),
                       static_cast<QWidget*>(cmdOK_), static_cast<QWidget*>(cmdCancel_)}) {
        if (previous != nullptr) setTabOrder(previous, w);
        previous = w;
    }
}

QLineEdit* FrmSetAxis::AddRow(QGroupBox* frame, const QString& name, int index, const std::string& text,
                              const std::string& unit, QLabel** shownInstead) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    const bool from = index == 0;
    auto* caption = new QLabel(from ? QStringLiteral("From:") : QStringLiteral("To:"), frame);
    caption->setObjectName(QStringLiteral("%1(%2)")
                               .arg(from ? QStringLiteral("lblFrom") : QStringLiteral("lblTo"))
                               .arg(name == QStringLiteral("X") ? 0 : 1));
    auto* box = new QLineEdit(QString::fromStdString(text), frame);
    box->setObjectName(QStringLiteral("txt%1(%2)").arg(name).arg(index));
    box->installEventFilter(this);
    caption->setBuddy(box);
    auto* unitLabel = new QLabel(QString::fromStdString(unit), frame);
    unitLabel->setObjectName(QStringLiteral("lbl%1unit(%2)").arg(name).arg(index));
    grid->addWidget(caption, index, 0);
    grid->addWidget(box, index, 1);
    if (shownInstead != nullptr) {
        auto* label = new QLabel(QString::fromStdString(text), frame);
        label->setObjectName(QStringLiteral("lbl%1(%2)").arg(name).arg(index));
        label->hide();
        grid->addWidget(label, index, 1);
        *shownInstead = label;
    }
    grid->addWidget(unitLabel, index, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

void FrmSetAxis::showEvent(QShowEvent* event) {
    Form_Load();
    QDialog::showEvent(event);
}

void FrmSetAxis::Form_Load() {
    // The first box that can be typed into has the focus (Y From over frequency).
    QLineEdit* first = txtX_[0]->isVisibleTo(this) ? txtX_[0] : txtY_[0];
    first->setFocus(Qt::TabFocusReason);
    first->selectAll();
    if (mainWindow_ == nullptr) return;
    adjustSize();
    const QRect main = mainWindow_->frameGeometry();
    move(main.left() + (main.width() - frameGeometry().width()) / 2,
         main.top() + (main.height() - frameGeometry().height()) / 2);
}

bool FrmSetAxis::eventFilter(QObject* watched, QEvent* event) {
    // A box that gets the focus has its whole text selected, also when clicked into
    // (the click would otherwise place the caret after the selection is made).
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
    }
    return QDialog::eventFilter(watched, event);
}

void FrmSetAxis::cmdOk_Click() {
    const std::array<std::string, 2> x{txtX_[0]->text().toStdString(), txtX_[1]->text().toStdString()};
    const std::array<std::string, 2> y{txtY_[0]->text().toStdString(), txtY_[1]->text().toStdString()};
    const AxisDialogOutcome outcome =
        ConfirmAxisDialog(table_, identity_, x, y, separator_, messages_, kChartProgramTitle);
    if (!outcome.Accepted) return;
    outcome_ = outcome;
    accept();
}

void FrmSetAxis::cmdCancel_Click() {
    reject();
}

}  // namespace darvo
