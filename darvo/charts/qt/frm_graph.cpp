#include "darvo/charts/qt/frm_graph.h"

#include "darvo/charts/qt/chart_window_host.h"
#include "darvo/charts/qt/frm_set_axis.h"
#include "darvo/engine/chart_table.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/desktop/window_entry.h"
#include "shared/dialogs/twips.h"
#include "shared/platform/services.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QResizeEvent>
#include <QStatusBar>

#include <cmath>

namespace darvo {

namespace {

// The status bar under the picture, in twips; the window's fixed height leaves this
// much beside the picture and the title bar.
constexpr double kStatusBarHeight = 330.0;

QColor ToQColor(shared::Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

shared::Rgb ToRgb(const QColor& color) {
    return shared::Rgb{static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                       static_cast<std::uint8_t>(color.blue())};
}

// The conditions of a temperature-rise curve are longer than their label at 9 pt in
// this platform's Arial metrics; a smaller size keeps them whole rather than cut off.
void FitText(QLabel& label, const QString& text) {
    constexpr double kSmallestPointSize = 6.5;
    QFont font = label.parentWidget()->font();
    while (QFontMetrics(font).horizontalAdvance(text) > label.width() &&
           font.pointSizeF() > kSmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label.setFont(font);
    label.setText(text);
    label.setToolTip(text);
}

}  // namespace

template <typename Handler>
auto FrmGraph::Guarded(Handler handler) {
    return shared::GuardedEntry(services_.Messages, kChartProgramTitle, handler);
}

FrmGraph::FrmGraph(ChartTable& table, const ProductLibrary& library, const shared::Services& services,
                   std::string degreeSign, char separator, ChartWindowHost& host, QWidget* parent)
    : QWidget(parent),
      table_(table),
      library_(library),
      services_(services),
      degreeSign_(std::move(degreeSign)),
      separator_(separator),
      host_(host),
      model_(ChartWindowModel::ForPrepared(table)) {
    setObjectName(QStringLiteral("frmGraph"));
    // The window's own font; the picture draws in Arial 8.25 through its canvas.
    setFont(QFont(QStringLiteral("Arial"), 9));
    BuildControls();
}

FrmGraph::~FrmGraph() = default;

void FrmGraph::BuildControls() {
    picGraph_ = new shared::CanvasWidget(this, logicalDpiY());
    picGraph_->setObjectName(QStringLiteral("picGraph"));
    // Focus lets the keyboard reach the Chart popup (menu key, Shift+F10).
    picGraph_->setFocusPolicy(Qt::StrongFocus);
    picGraph_->setAccessibleName(QStringLiteral("Chart"));
    picGraph_->installEventFilter(this);
    connect(picGraph_, &shared::CanvasWidget::mouseMoved, this,
            Guarded([this](Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y) {
                picGraph_MouseMove(buttons, shift, x, y);
            }));
    connect(picGraph_, &shared::CanvasWidget::mousePressed, this,
            Guarded([this](Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y) {
                picGraph_MouseDown(button, shift, x, y);
            }));

    for (int i = 0; i < kLegendRows; ++i) {
        const auto u = static_cast<std::size_t>(i);
        auto* frame = new QGroupBox(QString::fromStdString(LegendFrameCaption(i)), this);
        frame->setObjectName(QStringLiteral("fraStatus(%1)").arg(i));
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, ToQColor(LegendColor(i)));
        frame->setPalette(palette);
        auto* part = new QLabel(frame);
        part->setObjectName(QStringLiteral("lblStatus(%1)").arg(i));
        part->setPalette(palette);
        auto* conditions = new QLabel(frame);
        conditions->setObjectName(QStringLiteral("lblPara(%1)").arg(i));
        conditions->setPalette(palette);
        fraStatus_[u] = frame;
        lblStatus_[u] = part;
        lblPara_[u] = conditions;
    }

    sbr1_ = new QStatusBar(this);
    sbr1_->setObjectName(QStringLiteral("sbr1"));
    sbr1_->setSizeGripEnabled(false);
    for (std::size_t p = 0; p < panels_.size(); ++p) {
        auto* panel = new QLabel(sbr1_);
        panel->setObjectName(QStringLiteral("sbr1Panel%1").arg(p + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        sbr1_->addWidget(panel, 1);
        panels_[p] = panel;
    }

    mnuChart_ = new QMenu(QStringLiteral("&Chart"), this);
    mnuChart_->setObjectName(QStringLiteral("mnuChart"));
    mnuChartExpand_ = mnuChart_->addAction(QStringLiteral("&Expand/Contract..."));
    mnuChartExpand_->setObjectName(QStringLiteral("mnuChartExpand"));
    mnuChartClipboard_ = mnuChart_->addAction(QStringLiteral("&Copy to Clipboard"));
    mnuChartClipboard_->setObjectName(QStringLiteral("mnuChartClipboard"));
    connect(mnuChartExpand_, &QAction::triggered, this, Guarded([this](bool) { mnuChartExpand_Click(); }));
    connect(mnuChartClipboard_, &QAction::triggered, this,
            Guarded([this](bool) { mnuChartClipboard_Click(); }));
}

int FrmGraph::PixelsX(double twips) const {
    return shared::TwipsToPixels(twips, logicalDpiX());
}
int FrmGraph::PixelsY(double twips) const {
    return shared::TwipsToPixels(twips, logicalDpiY());
}

shared::Rgb FrmGraph::FaceColor() const {
    return ToRgb(palette().color(QPalette::Button));
}

ChartDrawOptions FrmGraph::DrawOptions() const {
    ChartDrawOptions options;
    options.OwnPicture = true;
    options.DegreeSign = degreeSign_;
    options.DecimalSeparator = separator_;
    options.ButtonTextColor = ToRgb(palette().color(QPalette::ButtonText));
    return options;
}

void FrmGraph::PrepareChartWindow(bool keepLeft) {
    setWindowTitle(QString::fromStdString(model_.Caption()));
    if (!keepLeft) leftTwips_ = CascadeLeft(host_.LoadedWindowCount());
    picGraph_->move(0, 0);
    picGraph_->SetPictureSize(PixelsX(kPictureWidth), PixelsY(kPictureHeight));
    const int labelHeight = std::max(PixelsY(kLegendLabelHeight), fontMetrics().height());
    for (std::size_t i = 0; i < fraStatus_.size(); ++i) {
        fraStatus_[i]->setGeometry(PixelsX(kLegendFrameLeft), PixelsY(kLegendFrameTops[i]),
                                   PixelsX(kLegendFrameWidth), PixelsY(kLegendFrameHeight));
        lblStatus_[i]->setGeometry(PixelsX(kPartLabelLeft), PixelsY(kLegendLabelTop),
                                   PixelsX(kPartLabelWidth), labelHeight);
        lblPara_[i]->setGeometry(PixelsX(kConditionsLabelLeft), PixelsY(kLegendLabelTop),
                                 PixelsX(kConditionsLabelWidth), labelHeight);
    }
    sbr1_->setGeometry(0, PixelsY(kPictureHeight), PixelsX(kLegendFrameLeft + kLegendFrameWidth),
                       PixelsY(kStatusBarHeight));
    setMinimumSize(PixelsX(kLegendFrameLeft + kLegendFrameWidth), PixelsY(kPictureHeight + kStatusBarHeight));
    // A window shown already goes back to its place; a new one is placed by whoever
    // shows it, from WindowPosition and WindowSize.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->showNormal();
        frame->resize(WindowSize());
        frame->move(WindowPosition());
    }
}

void FrmGraph::ResetReadout() {
    readout_.Reset(picGraph_->Canvas());
    ShowPanels();
}

void FrmGraph::Form_Load() {
    ResetReadout();
    PrepareChartWindow(false);
    model_.Load(table_, picGraph_->Canvas(), DrawOptions(), FaceColor());
    ShowLegends();
}

void FrmGraph::WriteMagnification(const AxisRange& range, int checkResult) {
    ResetReadout();
    // A magnified window stays where it is; the full range returns it to its cascade place.
    PrepareChartWindow(checkResult != kRangeFull);
    model_.WriteMagnification(table_, picGraph_->Canvas(), range, checkResult, DrawOptions(), FaceColor());
    ShowLegends();
}

void FrmGraph::ShowLegends() {
    legends_ = WriteLegends(table_, library_, model_.Identity(), degreeSign_, separator_);
    for (std::size_t i = 0; i < legends_.size() && i < lblStatus_.size(); ++i) {
        lblStatus_[i]->setText(QString::fromStdString(legends_[i].PartNumber));
        // A curve without conditions (AC voltage) keeps the label as it stands.
        if (!legends_[i].Conditions.empty())
            FitText(*lblPara_[i], QString::fromStdString(legends_[i].Conditions));
    }
}

void FrmGraph::ShowPanels() {
    const std::array<std::string, 2>& texts = readout_.Panels();
    for (std::size_t p = 0; p < panels_.size(); ++p) panels_[p]->setText(QString::fromStdString(texts[p]));
}

void FrmGraph::picGraph_MouseMove(Qt::MouseButtons /*buttons*/, Qt::KeyboardModifiers /*shift*/, double x,
                                  double y) {
    readout_.MouseMove(table_, model_.Identity(), picGraph_->Canvas(), degreeSign_, separator_, x, y);
    ShowPanels();
}

void FrmGraph::picGraph_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers /*shift*/, double x,
                                  double y) {
    const CursorButtonAction action = readout_.MouseDown(button == Qt::LeftButton, button == Qt::RightButton);
    if (action != CursorButtonAction::OpenPopup) return;
    const shared::ChartCanvas& canvas = picGraph_->Canvas();
    const QPoint at(static_cast<int>(std::lround(canvas.ToPixelX(x))),
                    static_cast<int>(std::lround(canvas.ToPixelY(y))));
    OpenPopup(picGraph_->mapToGlobal(at));
}

void FrmGraph::OpenPopup(QPoint globalPosition) {
    mnuChart_->popup(globalPosition);
}

void FrmGraph::OpenPopupFromKeyboard() {
    // Offered, as by the mouse, only while no point is shown.
    if (!readout_.CursorActive() && !readout_.CursorHeld())
        OpenPopup(picGraph_->mapToGlobal(picGraph_->rect().center()));
}

void FrmGraph::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse opens the popup on the right button's press (picGraph_MouseDown).
    if (event->reason() == QContextMenuEvent::Keyboard) OpenPopupFromKeyboard();
    event->accept();
}

bool FrmGraph::eventFilter(QObject* watched, QEvent* event) {
    // The menu key and Shift+F10 on the focused chart open the Chart popup over it.
    if (watched == picGraph_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Menu ||
            (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            shared::RunWindowEntry(services_.Messages, kChartProgramTitle,
                                   [this] { OpenPopupFromKeyboard(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmGraph::mnuChartExpand_Click() {
    FrmSetAxis dialog(table_, model_.Identity(), model_.Range(), degreeSign_, separator_, services_.Messages,
                      host_.MainWindow(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const AxisDialogOutcome& outcome = dialog.Outcome();
    WriteMagnification(outcome.Range, outcome.Result);
}

void FrmGraph::mnuChartClipboard_Click() {
    host_.CopyChartToClipboard(*this);
}

void FrmGraph::mnuFilePageSetup_Click() {
    host_.PrintSetup(*this);
}

void FrmGraph::mnuFilePrint_Click() {
    host_.PrintChart(*this);
}

bool FrmGraph::IsMinimised() const {
    if (const auto* frame = qobject_cast<const QMdiSubWindow*>(parentWidget())) return frame->isMinimized();
    return isMinimized();
}

void FrmGraph::Form_Resize() {
    if (IsMinimised()) {
        ResetReadout();
        return;
    }
    // The size is fixed: whatever the user dragged, a normal window takes it back.
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (frame != nullptr && !frame->isMaximized()) {
        const QSize fixed(PixelsX(kChartWindowFixedWidth), PixelsY(kChartWindowFixedHeight));
        if (frame->size() != fixed) frame->resize(fixed);
    }
}

void FrmGraph::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
    QWidget::changeEvent(event);
}

void FrmGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    shared::RunWindowEntry(services_.Messages, kChartProgramTitle, [this] { Form_Resize(); });
}

void FrmGraph::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        hide();
        Form_Unload();
    }
    event->accept();
}

void FrmGraph::Form_Unload() {
    unloaded_ = true;
    model_.Close(table_);
    emit closed(this);
    host_.ChartWindowClosed(*this);
}

QSize FrmGraph::WindowSize() const {
    return QSize(PixelsX(kChartWindowWidth), PixelsY(kChartWindowHeight));
}

QPoint FrmGraph::WindowPosition() const {
    return QPoint(PixelsX(leftTwips_), PixelsY(kChartWindowTop));
}

QString FrmGraph::StatusText(int panel) const {
    if (panel < 1 || panel > static_cast<int>(panels_.size())) return {};
    return panels_[static_cast<std::size_t>(panel - 1)]->text();
}

QString FrmGraph::PartLabel(int row) const {
    if (row < 0 || row >= kLegendRows) return {};
    return lblStatus_[static_cast<std::size_t>(row)]->text();
}

QString FrmGraph::ConditionsLabel(int row) const {
    if (row < 0 || row >= kLegendRows) return {};
    return lblPara_[static_cast<std::size_t>(row)]->text();
}

}  // namespace darvo
