#include "darvo/selection/qt/frm_library.h"

#include "darvo/selection/library_selection.h"
#include "darvo/selection/selection_captions.h"

#include "shared/desktop/window_entry.h"
#include "shared/dialogs/twips.h"
#include "shared/platform/services.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <tuple>

namespace darvo {

namespace captions = selection_captions;

namespace {

constexpr int kFormWidthTwips = 15180;
constexpr int kFormHeightTwips = 3240;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void SetText(QLabel& label, const std::string& text) {
    const QString shown = Q(text);
    if (label.text() != shown) label.setText(shown);
}

// Only a changed text is written back, so the caret stays where the user left it.
void SetText(QLineEdit& edit, const std::string& text) {
    const QString shown = Q(text);
    if (edit.text() != shown) edit.setText(shown);
}

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

FrmLibrary::FrmLibrary(LibrarySelection& model, const shared::Services& services, QWidget* parent)
    : QWidget(parent), model_(model), services_(services) {
    setObjectName(QStringLiteral("frmLibrary"));
    setWindowTitle(QString::fromUtf8(captions::kProductTitle));
    // The classic form font: its metrics are what the twips layout was made for.
    QFont formFont(QStringLiteral("Arial"));
    formFont.setPointSizeF(8.25);
    setFont(formFont);
    BuildControls();
    PlaceControls();
    SetTabOrder();
    ConnectControls();
    // A message box waits modally; the window first shows what the handler has changed.
    model_.SetBeforeMessage([this] { ShowControls(); });
    ShowControls();
}

FrmLibrary::~FrmLibrary() {
    model_.SetBeforeMessage({});
}

void FrmLibrary::ConnectControls() {
    for (std::size_t i = 0; i < optChartType_.size(); ++i) {
        connect(optChartType_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optChartType_Click(static_cast<int>(i));
        });
    }
    for (std::size_t i = 0; i < optParameter_.size(); ++i) {
        connect(optParameter_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optParameter_Click(static_cast<int>(i));
        });
    }
    // activated is raised by the user's choice only (mouse or arrow keys), never by
    // ShowState's selections.
    const std::array<void (FrmLibrary::*)(const QString&), 4> listHandlers{
        &FrmLibrary::cmbSizeCode_Click, &FrmLibrary::cmbTcc_Click, &FrmLibrary::cmbCap_Click,
        &FrmLibrary::cmbRatedVol_Click};
    for (std::size_t i = 0; i < partLists_.size(); ++i) {
        QComboBox* box = partLists_[i];
        const auto handler = listHandlers[i];
        connect(box, &QComboBox::activated, this,
                [this, box, handler](int row) { (this->*handler)(box->itemText(row)); });
    }
    connect(cmbXaxis_, &QComboBox::activated, this,
            [this](int row) { cmbXaxis_Click(cmbXaxis_->itemText(row)); });
    connect(cmbYaxis_, &QComboBox::activated, this,
            [this](int row) { cmbYaxis_Click(cmbYaxis_->itemText(row)); });
    connect(cmbPartNum_, &QComboBox::activated, this,
            [this](int row) { cmbPartNum_Click(cmbPartNum_->itemText(row)); });
    connect(cmbPartNum_->lineEdit(), &QLineEdit::textEdited, this, &FrmLibrary::cmbPartNum_Change);

    ConnectConditionBox(txtDCBiasVol_, &LibrarySelection::SetDCBiasVolText);
    ConnectConditionBox(txtFrequency_, &LibrarySelection::SetFrequencyText);
    ConnectConditionBox(txtHeatResistance_, &LibrarySelection::SetHeatResistanceText);
    ConnectConditionBox(txtAmbientTemp_, &LibrarySelection::SetAmbientTempText);
    ConnectConditionBox(txtParameter_, &LibrarySelection::SetParameterText);

    connect(cmdPlot_, &QPushButton::clicked, this, &FrmLibrary::cmdPlot_Click);
    connect(cmdCatalogLink_, &QPushButton::clicked, this, &FrmLibrary::cmdCatalogLink_Click);
    // The editable box hands Return to its line edit, which would pick an entry that
    // matches in another letter case; the box takes Enter first and keeps it.
    cmbPartNum_->installEventFilter(this);
}

void FrmLibrary::ConnectConditionBox(QLineEdit* box, void (LibrarySelection::*setText)(const std::string&)) {
    // Typing changes only the text; the box is checked when it is left.
    connect(box, &QLineEdit::textEdited, this,
            [this, setText](const QString& text) { (model_.*setText)(text.toStdString()); });
    box->installEventFilter(this);
}

bool FrmLibrary::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmbPartNum_) {
        return IsEnter(event) || QWidget::eventFilter(watched, event);
    }
    if (IsEnter(event)) {
        EnterInBox(watched);
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        // Only the user leaves a box: a message box over the window, a popup, or the
        // window moving the focus back to a refused box is no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // The check runs once the focus has arrived where the user sent it, so a refusal
        // can take it back without racing the focus change still under way.
        if (!movingFocus_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QMetaObject::invokeMethod(
                this,
                [this, watched] {
                    // A box that has the focus again was not left after all: a Plot that
                    // refused it has already said why.
                    if (QApplication::focusWidget() != watched) LeaveBox(watched);
                },
                Qt::QueuedConnection);
    } else if (event->type() == QEvent::FocusIn) {
        // GotFocus: the whole text is selected, so typing replaces it. Queued, so the
        // click that gave the focus does not undo the selection.
        QMetaObject::invokeMethod(static_cast<QLineEdit*>(watched), &QLineEdit::selectAll,
                                  Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void FrmLibrary::LeaveBox(QObject* box) {
    if (box == txtDCBiasVol_)
        Handle([this] { model_.txtDCBiasVol_LostFocus(); });
    else if (box == txtFrequency_)
        Handle([this] { model_.txtFrequency_LostFocus(); });
    else if (box == txtHeatResistance_)
        Handle([this] { model_.txtHeatResistance_LostFocus(); });
    else if (box == txtAmbientTemp_)
        Handle([this] { model_.txtAmbientTemp_LostFocus(); });
    else if (box == txtParameter_)
        Handle([this] { model_.txtParameter_LostFocus(); });
}

void FrmLibrary::EnterInBox(QObject* box) {
    // Enter asks for the chart the boxes describe; Plot checks every enabled box first.
    // Without a part there is nothing to plot, and Enter checks the box alone.
    if (model_.State().PartChosen)
        cmdPlot_Click();
    else
        LeaveBox(box);
}

QSize FrmLibrary::sizeHint() const {
    return {shared::TwipsToPixels(kFormWidthTwips, logicalDpiX()),
            shared::TwipsToPixels(kFormHeightTwips, logicalDpiY())};
}

void FrmLibrary::Form_Load(int helpLanguage) {
    resize(sizeHint());
    Handle([this, helpLanguage] { model_.Form_Load(helpLanguage); });
}

void FrmLibrary::Handle(const std::function<void()>& handler) {
    shared::RunWindowEntry(services_.Messages, captions::kProgramTitle, handler);
    // Also after a failure: the window shows what the handler left.
    ShowState();
}

void FrmLibrary::optChartType_Click(int index) {
    Handle([&] { model_.optChartType_Click(index); });
}

void FrmLibrary::cmbPartNum_Click(const QString& value) {
    Handle([&] { model_.cmbPartNum_Click(value.toStdString()); });
}

void FrmLibrary::cmbPartNum_Change(const QString& text) {
    Handle([&] { model_.cmbPartNum_Change(text.toStdString()); });
}

void FrmLibrary::cmbSizeCode_Click(const QString& value) {
    Handle([&] { model_.cmbSizeCode_Click(value.toStdString()); });
}

void FrmLibrary::cmbTcc_Click(const QString& value) {
    Handle([&] { model_.cmbTcc_Click(value.toStdString()); });
}

void FrmLibrary::cmbCap_Click(const QString& value) {
    Handle([&] { model_.cmbCap_Click(value.toStdString()); });
}

void FrmLibrary::cmbRatedVol_Click(const QString& value) {
    Handle([&] { model_.cmbRatedVol_Click(value.toStdString()); });
}

void FrmLibrary::cmbXaxis_Click(const QString& value) {
    Handle([&] { model_.cmbXaxis_Click(value.toStdString()); });
}

void FrmLibrary::cmbYaxis_Click(const QString& value) {
    Handle([&] { model_.cmbYaxis_Click(value.toStdString()); });
}

void FrmLibrary::optParameter_Click(int index) {
    Handle([&] { model_.optParameter_Click(index); });
}

void FrmLibrary::cmdPlot_Click() {
    Handle([&] { model_.cmdPlot_Click(); });
}

void FrmLibrary::cmdCatalogLink_Click() {
    Handle([&] { model_.cmdCatalogLink_Click(); });
}

void FrmLibrary::ShowCombo(QComboBox& box, const SelectionList& list, std::vector<std::string>& shownItems) {
    const QSignalBlocker blocker(box);
    if (shownItems != list.Items) {
        box.clear();
        QStringList items;
        items.reserve(static_cast<qsizetype>(list.Items.size()));
        for (const std::string& item : list.Items) items.append(Q(item));
        box.addItems(items);
        shownItems = list.Items;
    }
    const int row =
        list.Text.empty() ? -1 : box.findText(Q(list.Text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (box.currentIndex() != row) box.setCurrentIndex(row);
    if (box.isEditable()) SetText(*box.lineEdit(), list.Text);
}

void FrmLibrary::ShowState() {
    ShowControls();
    ApplyFocus();
}

void FrmLibrary::ShowControls() {
    // A box disabled while it has the focus hands the focus on; that is no leaving.
    const bool wasMovingFocus = movingFocus_;
    movingFocus_ = true;
    ShowControlStates();
    movingFocus_ = wasMovingFocus;
}

void FrmLibrary::ShowControlStates() {
    const SelectionWindowState& state = model_.State();
    const auto check = [](QRadioButton* option) {
        if (option->isChecked()) return;
        const QSignalBlocker blocker(option);
        option->setChecked(true);
    };
    if (state.ChartTypeOption >= 0 && state.ChartTypeOption < static_cast<int>(optChartType_.size()))
        check(optChartType_[static_cast<std::size_t>(state.ChartTypeOption)]);

    ShowCombo(*cmbPartNum_, state.PartNum, shownItems_[0]);
    const std::array<const SelectionList*, 4> lists{&state.SizeCode, &state.Tcc, &state.Cap, &state.RatedVol};
    for (std::size_t i = 0; i < lists.size(); ++i) ShowCombo(*partLists_[i], *lists[i], shownItems_[i + 1]);
    ShowCombo(*cmbXaxis_, state.XAxis, shownItems_[5]);
    ShowCombo(*cmbYaxis_, state.YAxis, shownItems_[6]);
    cmdPlot_->setEnabled(state.PartChosen);
    cmdCatalogLink_->setEnabled(state.PartChosen);

    fraCondition_->setEnabled(state.ConditionFrameEnabled);
    const std::array<std::tuple<QLabel*, QLineEdit*, const ConditionBox*>, 4> rows{
        std::tuple{lblDCBiasVol_, txtDCBiasVol_, &state.DCBiasVol},
        std::tuple{lblFrequency_, txtFrequency_, &state.Frequency},
        std::tuple{lblHeatResistance_, txtHeatResistance_, &state.HeatResistance},
        std::tuple{lblAmbientTemp_, txtAmbientTemp_, &state.AmbientTemp}};
    for (const auto& [label, edit, box] : rows) {
        label->setEnabled(box->Enabled);
        edit->setEnabled(box->Enabled);
        SetText(*edit, box->Text);
    }
    fraParameter_->setEnabled(state.ParameterFrameEnabled);
    if (state.ParameterOption >= 0 && state.ParameterOption < static_cast<int>(optParameter_.size()))
        check(optParameter_[static_cast<std::size_t>(state.ParameterOption)]);
    txtParameter_->setEnabled(state.Parameter.Enabled);
    lblParameter_->setEnabled(state.Parameter.Enabled);
    SetText(*txtParameter_, state.Parameter.Text);
    SetText(*lblParameter_, state.ParameterUnit);
}

void FrmLibrary::ApplyFocus() {
    QWidget* target = nullptr;
    switch (model_.TakeFocus()) {
        case FocusTarget::None:
            return;
        case FocusTarget::ChartType:
            target = optChartType_[static_cast<std::size_t>(model_.GetChartType())];
            break;
        case FocusTarget::DCBiasVol:
            target = txtDCBiasVol_;
            break;
        case FocusTarget::Frequency:
            target = txtFrequency_;
            break;
        case FocusTarget::HeatResistance:
            target = txtHeatResistance_;
            break;
        case FocusTarget::AmbientTemp:
            target = txtAmbientTemp_;
            break;
        case FocusTarget::Parameter:
            target = txtParameter_;
            break;
    }
    if (target == nullptr || !target->isEnabled()) return;
    movingFocus_ = true;
    target->setFocus(Qt::OtherFocusReason);
    movingFocus_ = false;
    if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
}

}  // namespace darvo
