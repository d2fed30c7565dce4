#include "pelmo/selection/qt/frm_library.h"

#include "pelmo/library/program_facts.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/selection/library_selection.h"

#include "shared/canvas/draw_masked.h"
#include "shared/canvas/qt/canvas_widget.h"
#include "shared/desktop/window_entry.h"
#include "shared/dialogs/twips.h"
#include "shared/platform/services.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace pelmo {

namespace {

// Wider than the classic 11630 twips, which cut off long ranges and readouts; the main
// window stretches the selection window to its own width in any case.
constexpr int kFormWidthTwips = 12340;
constexpr int kFormHeightTwips = 3550;

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

FrmLibrary::FrmLibrary(LibrarySelection& model, const shared::Services& services, const ProgramFacts& facts,
                       QWidget* parent)
    : QWidget(parent), model_(model), services_(services), facts_(facts), beep_([] {
          QApplication::beep();
      }) {
    setObjectName(QStringLiteral("frmLibrary"));
    // Captioned with the product title, as the selection window of the sister program.
    setWindowTitle(QString::fromUtf8(kProductTitle));
    // The classic form font: its metrics are what the twips layout was made for.
    QFont formFont(QStringLiteral("Arial"));
    formFont.setPointSizeF(8.25);
    setFont(formFont);
    BuildControls();
    PlaceControls();
    SetTabOrder();
    ConnectControls();
    // A message box waits modally; the window shows what the handler has changed so
    // far (emptied readouts, the beep) before it, not the previous part's texts.
    model_.SetBeforeMessage([this] { ShowControls(); });
}

FrmLibrary::~FrmLibrary() {
    model_.SetBeforeMessage({});
}

void FrmLibrary::ConnectControls() {
    for (int index = 0; index < 2; ++index) {
        connect(optProduct_[static_cast<std::size_t>(index)], &QRadioButton::toggled, this,
                [this, index](bool on) {
                    if (on) optProduct_Click(index);
                });
        connect(optMode_[static_cast<std::size_t>(index)], &QRadioButton::toggled, this,
                [this, index](bool on) {
                    if (on) optMode_Click(index);
                });
    }
    // activated is raised by the user's choice only, never by ShowState's selections.
    const std::array<void (FrmLibrary::*)(const QString&), 4> itemHandlers{
        &FrmLibrary::cboItemA_Click, &FrmLibrary::cboItemB_Click, &FrmLibrary::cboItemC_Click,
        &FrmLibrary::cboItemD_Click};
    for (std::size_t i = 0; i < 4; ++i) {
        QComboBox* box = cboItem_[i];
        const auto handler = itemHandlers[i];
        connect(box, &QComboBox::activated, this,
                [this, box, handler](int row) { (this->*handler)(box->itemText(row)); });
    }
    connect(cboPartNumber_, &QComboBox::activated, this,
            [this](int row) { cboPartNumber_Click(cboPartNumber_->itemText(row)); });
    // Typing changes only the texts; nothing is checked until Enter or a command.
    connect(cboPartNumber_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetPartNumberText(text.toStdString()); });
    connect(txtFreq_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetFrequencyText(text.toStdString()); });
    connect(txtTemp_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetTemperatureText(text.toStdString()); });
    connect(txtDC_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetBiasText(text.toStdString()); });
    connect(hsvFreq_, &QScrollBar::valueChanged, this, &FrmLibrary::hsvFreq_Change);
    connect(cmdCatalogLink_, &QPushButton::clicked, this, &FrmLibrary::cmdCatalogLink_Click);
    // The editable box is its line edit's focus proxy: keys reach the box first, and
    // the box hands Return to its line edit without passing any filter there, applying
    // only texts that are entries of its list. Enter is therefore taken at the box.
    for (QObject* watched : {static_cast<QObject*>(cboPartNumber_), static_cast<QObject*>(txtFreq_),
                             static_cast<QObject*>(txtTemp_), static_cast<QObject*>(txtDC_)})
        watched->installEventFilter(this);
}

bool FrmLibrary::eventFilter(QObject* watched, QEvent* event) {
    // Enter is swallowed by the boxes: it applies the box, it never reaches a button.
    if (IsEnter(event)) {
        if (watched == cboPartNumber_) {
            cboPartNumber_KeyPress();
            return true;
        }
        if (watched == txtFreq_) {
            txtFreq_KeyPress();
            return true;
        }
        if (watched == txtTemp_) {
            txtTemp_KeyPress();
            return true;
        }
        if (watched == txtDC_) {
            txtDC_KeyPress();
            return true;
        }
    }
    // GotFocus of the three fields: the whole text is selected, so typing replaces it.
    // Queued, so the click that gave the focus does not undo the selection.
    if (event->type() == QEvent::FocusIn &&
        (watched == txtFreq_ || watched == txtTemp_ || watched == txtDC_)) {
        auto* edit = static_cast<QLineEdit*>(watched);
        QMetaObject::invokeMethod(edit, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

QSize FrmLibrary::sizeHint() const {
    return {shared::TwipsToPixels(kFormWidthTwips, logicalDpiX()),
            shared::TwipsToPixels(kFormHeightTwips, logicalDpiY())};
}

void FrmLibrary::Form_Load() {
    resize(sizeHint());
    imlCircuit_.SetDotsPerInch(logicalDpiX());
    hsvFreq_->setMaximum(200);
    model_.Form_Load(facts_.Help.language, facts_.DegreeSign);
    // All three pictures are drawn at load; the shunt picture never changes afterwards.
    DrawPicture(*picESC_, "cec");
    DrawPicture(*picSeries_, "cseries");
    DrawPicture(*picShunt_, "cshunt");
    escShown_ = "cec";
    seriesShown_ = "cseries";
    const QPointer<FrmLibrary> alive(this);
    ShowState();
    // The main window sets its menus from the loaded state as after any handler.
    if (alive) emit selectionChanged();
}

void FrmLibrary::Handle(const std::function<void()>& handler) {
    shared::RunWindowEntry(services_.Messages, kProgramTitle, [&] {
        handler();
        // mustEnd may make the main window end the program and take this window with it.
        const QPointer<FrmLibrary> alive(this);
        ShowState();
        if (alive) emit selectionChanged();
    });
}

void FrmLibrary::optProduct_Click(int index) {
    Handle([&] { model_.optProduct_Click(index); });
}

void FrmLibrary::cboItemA_Click(const QString& value) {
    Handle([&] { model_.cboItemA_Click(value.toStdString()); });
}

void FrmLibrary::cboItemB_Click(const QString& value) {
    Handle([&] { model_.cboItemB_Click(value.toStdString()); });
}

void FrmLibrary::cboItemC_Click(const QString& value) {
    Handle([&] { model_.cboItemC_Click(value.toStdString()); });
}

void FrmLibrary::cboItemD_Click(const QString& value) {
    Handle([&] { model_.cboItemD_Click(value.toStdString()); });
}

void FrmLibrary::cboPartNumber_Click(const QString& value) {
    Handle([&] { model_.cboPartNumber_Click(value.toStdString()); });
}

void FrmLibrary::cboPartNumber_KeyPress() {
    // The box's text as it stands is what Enter applies, typed or chosen.
    model_.SetPartNumberText(cboPartNumber_->currentText().toStdString());
    Handle([&] { model_.cboPartNumber_KeyPress('\r'); });
}

void FrmLibrary::hsvFreq_Change(int position) {
    Handle([&] { model_.hsvFreq_Change(position); });
}

void FrmLibrary::txtFreq_KeyPress() {
    model_.SetFrequencyText(txtFreq_->text().toStdString());
    Handle([&] { model_.txtFreq_KeyPress('\r'); });
}

void FrmLibrary::txtTemp_KeyPress() {
    model_.SetTemperatureText(txtTemp_->text().toStdString());
    Handle([&] { model_.txtTemp_KeyPress('\r'); });
}

void FrmLibrary::txtDC_KeyPress() {
    model_.SetBiasText(txtDC_->text().toStdString());
    Handle([&] { model_.txtDC_KeyPress('\r'); });
}

void FrmLibrary::optMode_Click(int index) {
    Handle([&] { model_.optMode_Click(index); });
}

void FrmLibrary::cmdCatalogLink_Click() {
    emit catalogLinkRequested();
}

QString FrmLibrary::SrfReadout() const {
    return lblFreq_->text();
}

void FrmLibrary::ShowCombo(QComboBox& box, const ComboBoxState& state, std::vector<std::string>& shownItems) {
    const QSignalBlocker blocker(box);
    if (shownItems != state.Items) {
        box.clear();
        QStringList items;
        items.reserve(static_cast<qsizetype>(state.Items.size()));
        for (const std::string& item : state.Items) items.append(Q(item));
        box.addItems(items);
        shownItems = state.Items;
    }
    const int row = state.Text.empty() ? -1 : box.findText(Q(state.Text), Qt::MatchExactly);
    if (box.isEditable()) {
        if (box.currentIndex() != row) box.setCurrentIndex(row);
        SetText(*box.lineEdit(), state.Text);
    } else if (box.currentIndex() != row) {
        box.setCurrentIndex(row);
    }
}

void FrmLibrary::ShowState() {
    ShowControls();
    ApplyFocus();
    if (model_.State().MustEnd && !mustEndSent_) {
        mustEndSent_ = true;
        emit mustEnd();
    }
}

void FrmLibrary::ShowControls() {
    const SelectionWindowState& state = model_.State();
    {
        const QSignalBlocker product0(optProduct_[0]);
        const QSignalBlocker product1(optProduct_[1]);
        optProduct_[state.Product == ProductKind::Capacitor ? 0 : 1]->setChecked(true);
    }
    ShowCombo(*cboPartNumber_, state.PartNumber, shownItems_[0]);
    const std::array<const ComboBoxState*, 4> items{&state.ItemA, &state.ItemB, &state.ItemC, &state.ItemD};
    const std::array<const std::string*, 4> itemCaptions{&state.ItemACaption, &state.ItemBCaption,
                                                         &state.ItemCCaption, &state.ItemDCaption};
    for (std::size_t i = 0; i < 4; ++i) {
        ShowCombo(*cboItem_[i], *items[i], shownItems_[i + 1]);
        SetText(*lblItem_[i], *itemCaptions[i]);
    }
    lblItem_[3]->setVisible(state.ItemDVisible);
    cboItem_[3]->setVisible(state.ItemDVisible);
    SetText(*lblUse_, state.Use);
    lblUse_->setToolTip(Q(state.Use));

    {
        const QSignalBlocker blocker(hsvFreq_);
        hsvFreq_->setValue(state.ScrollPosition);
    }
    SetText(*txtFreq_, state.Frequency);
    SetText(*lblFreqRange_, state.FrequencyRange);
    fraConf_->setVisible(state.ConditionsVisible);
    SetText(*lblTemp_, state.TemperatureCaption);
    SetText(*txtTemp_, state.Temperature);
    SetText(*txtDC_, state.Bias);
    txtTemp_->setEnabled(state.TemperatureEnabled);
    txtDC_->setEnabled(state.BiasEnabled);

    SetText(*lblCaption_[1], state.CapacitanceCaption);
    const SelectionReadouts& r = state.Readouts;
    SetText(*lblFreq_, r.Freq);
    SetText(*lblImp_, r.Imp);
    SetText(*lblCap_, r.Cap);
    SetText(*lblInd_, r.Ind);
    SetText(*lblRes_, r.Res);
    for (std::size_t k = 0; k < 2; ++k) {
        SetText(*lblMag_[k], r.Mag[k]);
        SetText(*lblPhase_[k], r.Phase[k]);
        SetText(*lblReal_[k], r.Real[k]);
        SetText(*lblImag_[k], r.Imag[k]);
    }

    {
        const QSignalBlocker mode0(optMode_[0]);
        const QSignalBlocker mode1(optMode_[1]);
        optMode_[state.Mode == 0 ? 0 : 1]->setChecked(true);
    }
    optMode_[1]->setVisible(state.ShuntVisible);
    picShunt_->setVisible(state.ShuntVisible);
    ShowPictures();
    cmdCatalogLink_->setEnabled(state.Menus.CatalogLink);

    while (beepsHeard_ < state.Beeps) {
        ++beepsHeard_;
        beep_();
    }
}

void FrmLibrary::ShowPictures() {
    const SelectionWindowState& state = model_.State();
    if (state.EquivalentCircuitPicture != escShown_) {
        DrawPicture(*picESC_, state.EquivalentCircuitPicture);
        escShown_ = state.EquivalentCircuitPicture;
    }
    if (state.SeriesPicture != seriesShown_) {
        DrawPicture(*picSeries_, state.SeriesPicture);
        seriesShown_ = state.SeriesPicture;
    }
}

void FrmLibrary::DrawPicture(shared::CanvasWidget& box, const std::string& key) {
    shared::PainterCanvas& canvas = box.Canvas();
    // The pictures sit on the field colour, like the boxes beside them: a frame's own
    // fill differs between styles, so matching it would leave a visible patch.
    const QColor back = palette().color(QPalette::Base);
    canvas.SetBackColor(shared::Rgb{static_cast<std::uint8_t>(back.red()),
                                    static_cast<std::uint8_t>(back.green()),
                                    static_cast<std::uint8_t>(back.blue())});
    shared::DrawMasked(canvas, imlCircuit_.ListImage(key), imlCircuit_.ListImage(key + "_mask"));
}

void FrmLibrary::ApplyFocus() {
    QWidget* target = nullptr;
    switch (model_.TakeFocus()) {
        case FocusTarget::None:
            return;
        case FocusTarget::PartNumber:
            target = cboPartNumber_;
            break;
        case FocusTarget::Frequency:
            target = txtFreq_;
            break;
        case FocusTarget::Temperature:
            target = txtTemp_;
            break;
        case FocusTarget::Bias:
            target = txtDC_;
            break;
    }
    if (target != nullptr && target->isEnabled()) {
        target->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(target))
            edit->selectAll();
        else if (target == cboPartNumber_)
            cboPartNumber_->lineEdit()->selectAll();
    }
}

}  // namespace pelmo
