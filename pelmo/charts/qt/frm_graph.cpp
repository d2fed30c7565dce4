#include "pelmo/charts/qt/frm_graph.h"

#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/library/program_facts.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/printing/qt/chart_output.h"
#include "pelmo/selection/library_selection.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/desktop/window_entry.h"
#include "shared/dialogs/twips.h"
#include "shared/platform/error_report.h"
#include "shared/platform/services.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cmath>

namespace pelmo {

namespace {

constexpr int kLegendFrames = 6;
constexpr int kPanels = 3;
// Legend frames of a rectangular window take the width the window has beside its
// picture, less this margin for the window's border.
constexpr double kRightMarginTwips = 150.0;
constexpr double kFrameSpacingTwips = 30.0;
constexpr double kLabelIndentTwips = 60.0;
// The longest captions (part, conditions, S-parameter and connection) fit a frame at
// this size; a larger desktop font would cut them off.
constexpr double kLegendPointSize = 8.0;

QColor ToQColor(shared::Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

FrmGraph::FrmGraph(ChartSlotTable& slotTable, const ChartPointTable& points, const Library& library,
                   LibrarySelection& selection, const shared::Services& services, const ProgramFacts& facts,
                   QWidget* mainWindow, QWidget* parent)
    : QWidget(parent),
      slots_(slotTable),
      points_(points),
      library_(library),
      selection_(selection),
      services_(services),
      facts_(facts),
      mainWindow_(mainWindow),
      model_(slotTable, selection.State().Connection(), selection.Separator()),
      geometry_(NewChartWindowGeometry(model_.Kind(), model_.SlotNumber())) {
    setObjectName(QStringLiteral("frmGraph"));
    BuildControls();
}

FrmGraph::~FrmGraph() = default;

void FrmGraph::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    chartArea_ = new QWidget(this);
    layout->addWidget(chartArea_, 1);
    picGraph_ = new shared::CanvasWidget(chartArea_, logicalDpiY());
    picGraph_->setObjectName(QStringLiteral("picGraph"));
    // Focus lets the keyboard reach the popup menu (menu key, Shift+F10).
    picGraph_->setFocusPolicy(Qt::StrongFocus);
    // The mouse reaches the program through the one guard of every window entry: a
    // failure while reading a point is reported, never unwound through the event loop.
    const auto guarded = [this](auto handler) {
        return shared::GuardedEntry(services_.Messages, kProgramTitle,
                                    [this, handler](auto button, Qt::KeyboardModifiers shift, double x,
                                                    double y) { (this->*handler)(button, shift, x, y); });
    };
    connect(picGraph_, &shared::CanvasWidget::mouseMoved, this, guarded(&FrmGraph::picGraph_MouseMove));
    connect(picGraph_, &shared::CanvasWidget::mousePressed, this, guarded(&FrmGraph::picGraph_MouseDown));
    connect(picGraph_, &shared::CanvasWidget::mouseReleased, this, guarded(&FrmGraph::picGraph_MouseUp));

    for (int k = 0; k < kLegendFrames; ++k) {
        const auto u = static_cast<std::size_t>(k);
        QGroupBox* frame = new QGroupBox(chartArea_);
        frame->setObjectName(QStringLiteral("fraStatus(%1)").arg(k));
        if (!model_.IsSmith()) frame->setTitle(QString::fromStdString(pelmo::LegendFrameCaption(k)));
        QLabel* label = new QLabel(frame);
        label->setObjectName(QStringLiteral("lblStatus(%1)").arg(k));
        QFont legendFont = label->font();
        if (legendFont.pointSizeF() > kLegendPointSize) legendFont.setPointSizeF(kLegendPointSize);
        label->setFont(legendFont);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, ToQColor(LegendFrameColor(model_.Kind(), k)));
        frame->setPalette(palette);
        label->setPalette(palette);
        fraStatus_[u] = frame;
        lblStatus_[u] = label;
    }

    sbr1_ = new QStatusBar(this);
    sbr1_->setObjectName(QStringLiteral("sbr1"));
    sbr1_->setSizeGripEnabled(false);
    for (int p = 0; p < kPanels; ++p) {
        auto* panel = new QLabel(sbr1_);
        panel->setObjectName(QStringLiteral("sbr1Panel%1").arg(p + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Equal panels, whatever each one shows.
        sbr1_->addWidget(panel, 1);
        panels_[static_cast<std::size_t>(p)] = panel;
    }
    layout->addWidget(sbr1_);

    mnuPopup_ = new QMenu(this);
    mnuPopup_->setObjectName(QStringLiteral("mnuPopup"));
    mnuPopupClipboard_ = mnuPopup_->addAction(QStringLiteral("&Copy to Clipboard"));
    mnuPopupClipboard_->setObjectName(QStringLiteral("mnuPopupClipboard"));
    connect(
        mnuPopupClipboard_, &QAction::triggered, this,
        shared::GuardedEntry(services_.Messages, kProgramTitle, [this](bool) { mnuPopupClipboard_Click(); }));
}

int FrmGraph::PixelsX(double twips) const {
    return shared::TwipsToPixels(twips, logicalDpiX());
}
int FrmGraph::PixelsY(double twips) const {
    return shared::TwipsToPixels(twips, logicalDpiY());
}
double FrmGraph::TwipsX(int pixels) const {
    return pixels * shared::kTwipsPerInch / logicalDpiX();
}
double FrmGraph::TwipsY(int pixels) const {
    return pixels * shared::kTwipsPerInch / logicalDpiY();
}

void FrmGraph::PlaceControls() {
    const int pictureWidth = PixelsX(geometry_.PictureWidth);
    const int pictureHeight = PixelsY(geometry_.PictureHeight);
    picGraph_->move(0, 0);
    picGraph_->SetPictureSize(pictureWidth, pictureHeight);

    const int frameLeft = pictureWidth + PixelsX(geometry_.LegendGap);
    const int frameWidth = geometry_.FrameWidth ? PixelsX(*geometry_.FrameWidth)
                                                : PixelsX(geometry_.Width - kRightMarginTwips) - frameLeft;
    const int frameHeight = pictureHeight / kLegendFrames;
    const int lineHeight = lblStatus_[0]->fontMetrics().height();
    const int labelLeft = PixelsX(kLabelIndentTwips);
    const int labelWidth = geometry_.LabelWidth ? PixelsX(*geometry_.LabelWidth) : frameWidth - 2 * labelLeft;
    for (int k = 0; k < kLegendFrames; ++k) {
        const auto u = static_cast<std::size_t>(k);
        QGroupBox* frame = fraStatus_[u];
        frame->setGeometry(frameLeft, k * frameHeight, frameWidth, frameHeight - PixelsY(kFrameSpacingTwips));
        // The style draws a titled frame's top border through the middle of its title
        // ("No.k") and keeps the space below it as the frame's contents; the caption is
        // centred in that space, so neither title nor border runs through it.
        frame->ensurePolished();
        const QRect inside = frame->contentsRect();
        const int labelTop = inside.top() + std::max(0, (inside.height() - lineHeight) / 2);
        lblStatus_[u]->setGeometry(labelLeft, labelTop, labelWidth, lineHeight);
    }
    chartArea_->setMinimumSize(frameLeft + frameWidth, pictureHeight);
}

void FrmGraph::Form_Load() {
    const ChartContext context = Context();
    setWindowTitle(QString::fromStdString(model_.Caption(context)));
    PlaceControls();
    DrawChart();
}

void FrmGraph::DrawChart() {
    if (!model_.IsSmith())
        picGraph_->SetPictureSize(PixelsX(kRectangularPictureWidth), PixelsY(kRectangularPictureHeight));
    ChartContext context = Context();
    // A drawing that fails after copying the new trace must not keep the copy: the
    // request gives the slot back, and a later trace in the same slot would otherwise
    // find its column filled and show the old data.
    const ChartWindowModel before = model_;
    try {
        legends_ = model_.Draw(picGraph_->Canvas(), true, context, selection_.State().Readouts.Freq);
    } catch (...) {
        model_ = before;
        throw;
    }
    // The point shown belonged to the axes before this drawing.
    readout_.Reset(picGraph_->Canvas());
    ShowLegend();
    ShowPanels();
}

void FrmGraph::ShowLegend() {
    for (int k = 0; k < kLegendFrames; ++k) {
        const auto u = static_cast<std::size_t>(k);
        const QString caption = u < legends_.size() ? QString::fromStdString(legends_[u]) : QString();
        lblStatus_[u]->setText(caption);
        // Whatever a narrow frame cuts off stays readable.
        lblStatus_[u]->setToolTip(caption);
    }
}

void FrmGraph::ShowPanels() {
    const std::array<std::string, 3>& texts = readout_.Panels();
    for (std::size_t p = 0; p < panels_.size(); ++p) panels_[p]->setText(QString::fromStdString(texts[p]));
}

ChartContext FrmGraph::Context() const {
    return ChartContext{slots_,
                        points_,
                        library_,
                        selection_.State().CodeSystem,
                        facts_.DegreeSign,
                        &services_.Messages,
                        kProgramTitle};
}

void FrmGraph::picGraph_MouseMove(Qt::MouseButtons /*buttons*/, Qt::KeyboardModifiers /*shift*/, double x,
                                  double y) {
    readout_.MouseMove(model_, slots_, picGraph_->Canvas(), TwipsY(picGraph_->height()), x, y);
    ShowPanels();
}

void FrmGraph::picGraph_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers /*shift*/, double /*x*/,
                                  double /*y*/) {
    if (button == Qt::LeftButton) readout_.LeftButtonDown();
}

void FrmGraph::picGraph_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers /*shift*/, double x, double y) {
    if (button != Qt::RightButton) return;
    if (readout_.RightButtonUp() == CursorRelease::OpenPopup) {
        const shared::ChartCanvas& canvas = picGraph_->Canvas();
        const QPoint at(static_cast<int>(std::lround(canvas.ToPixelX(x))),
                        static_cast<int>(std::lround(canvas.ToPixelY(y))));
        OpenPopup(picGraph_->mapToGlobal(at));
    }
}

void FrmGraph::OpenPopup(QPoint globalPosition) {
    mnuPopup_->popup(globalPosition);
}

void FrmGraph::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse opens the popup on the right button's release (see picGraph_MouseUp);
    // the keyboard's menu key opens it over the chart.
    if (event->reason() == QContextMenuEvent::Keyboard)
        OpenPopup(picGraph_->mapToGlobal(picGraph_->rect().center()));
    event->accept();
}

void FrmGraph::mnuFilePageSetup_Click() {
    PageSetup(services_);
}

void FrmGraph::mnuFilePrint_Click() {
    ChartContext context = Context();
    PrintChartWindow(mainWindow_, windowTitle().toStdString(), model_, context, legends_, services_);
}

void FrmGraph::mnuPopupClipboard_Click() {
    try {
        shared::ChartCanvas& canvas = picGraph_->Canvas();
        const shared::PixelImage picture =
            canvas.GrabPixels(shared::PixelRect{0, 0, canvas.PixelWidth(), canvas.PixelHeight()});
        std::vector<LegendRow> legend;
        for (int k = 0; k < kLegendFrames; ++k) {
            const auto u = static_cast<std::size_t>(k);
            LegendRow row;
            row.Caption = lblStatus_[u]->text().toStdString();
            row.Colour = LegendFrameColor(model_.Kind(), k);
            row.Left = static_cast<int>(std::lround(TwipsX(fraStatus_[u]->x())));
            row.Top = static_cast<int>(std::lround(TwipsY(fraStatus_[u]->y() + lblStatus_[u]->y())));
            legend.push_back(row);
        }
        const QFont labelFont = lblStatus_[0]->font();
        shared::FontSpec font;
        font.name = labelFont.family().toStdString();
        font.size = labelFont.pointSizeF();
        font.bold = labelFont.bold();
        font.italic = labelFont.italic();
        CopyChartToClipboard(picture, static_cast<int>(std::lround(TwipsX(picGraph_->width()))),
                             static_cast<int>(std::lround(TwipsY(picGraph_->height()))),
                             static_cast<int>(std::lround(TwipsX(fraStatus_[0]->width()))), model_.IsSmith(),
                             legend, services_, font, logicalDpiX());
    } catch (const std::exception& failure) {
        // A picture that cannot be assembled leaves the clipboard as it was and the
        // window running.
        shared::ErrorReport(services_.Messages, kProgramTitle, failure);
    }
}

bool FrmGraph::IsMinimised() const {
    if (const auto* frame = qobject_cast<const QMdiSubWindow*>(parentWidget())) return frame->isMinimized();
    return isMinimized();
}

void FrmGraph::Form_Resize() {
    if (!IsMinimised()) return;
    readout_.Reset(picGraph_->Canvas());
    ShowPanels();
}

void FrmGraph::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
    QWidget::changeEvent(event);
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
    model_.Close(slots_);
    emit closed(this);
}

const ChartWindowModel& FrmGraph::Model() const {
    return model_;
}

QSize FrmGraph::WindowSize() const {
    return QSize(PixelsX(geometry_.Width), PixelsY(geometry_.Height));
}

QPoint FrmGraph::WindowPosition() const {
    return QPoint(geometry_.Left ? PixelsX(*geometry_.Left) : 0, PixelsY(geometry_.Top));
}

bool FrmGraph::HasFixedLeft() const noexcept {
    return geometry_.Left.has_value();
}

QString FrmGraph::StatusText(int panel) const {
    if (panel < 1 || panel > kPanels) return {};
    return panels_[static_cast<std::size_t>(panel - 1)]->text();
}

QString FrmGraph::LegendCaption(int k) const {
    if (k < 0 || k >= kLegendFrames) return {};
    return lblStatus_[static_cast<std::size_t>(k)]->text();
}

QString FrmGraph::LegendFrameCaption(int k) const {
    if (k < 0 || k >= kLegendFrames) return {};
    return fraStatus_[static_cast<std::size_t>(k)]->title();
}

}  // namespace pelmo
