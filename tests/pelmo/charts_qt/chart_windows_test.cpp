#include "pelmo/charts/qt/chart_windows.h"

#include "chart_request_fixture.h"
#include "chart_windows_session.h"
#include "pelmo/charts/chart_axis.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/qt/frm_graph.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/selection/chart_requests.h"
#include "pelmo/selection/library_selection.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/dialogs/twips.h"
#include "shared/text/number_text.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace pelmo {
namespace {

using testing::FindCapacitor;
using testing::FindInductor;
using testing::RangeClassOf;

// A main window with its MDI area, the selection model, the chart requests and the
// chart windows, on the sample library and the scripted services.
class ChartWindowsTest : public ::testing::Test, protected testing::ChartWindowsSession {
protected:
    ChartWindowsTest() : ChartWindowsSession(testing::SampleLibrary(), QSize(1400, 900)) {}

    void Choose(const std::string& partNumber, bool inductor) {
        ChartWindowsSession::Choose(partNumber, inductor);
        ASSERT_EQ(selection.State().PartNumber.Text, partNumber);
        ASSERT_EQ(selection.State().Product, inductor ? ProductKind::Inductor : ProductKind::Capacitor);
        fake.messages.Clear();
    }
    std::string Inductor(int skip) {
        return FindInductor(
            library, [](const InductorRecord& r) { return r.SelfResonance > 0; }, skip);
    }
    std::string Capacitor(int skip) {
        return FindCapacitor(
            library,
            [](const CapacitorRecord& r) {
                return RangeClassOf(r.PartNumber[shared::Eia]) == 4 && !HasConditionModel(r);
            },
            skip);
    }

    static QMdiSubWindow* Frame(FrmGraph* window) {
        return qobject_cast<QMdiSubWindow*>(window->parentWidget());
    }
    int Px(double twips) const { return shared::TwipsToPixels(twips, mainWindow.logicalDpiX()); }

    // The picture pixel of a trace point of a rectangular window.
    QPoint PixelOf(FrmGraph* window, int slot, int point) const {
        const ChartWindowModel& model = window->Model();
        const TraceStore& store = model.Store();
        const auto log10 = [](double v) { return std::log10(v); };
        const double x = FrequencyX(model.Axis(), store.Value(slot, 0, point), log10);
        const double y = ValueY(model.Kind(), model.Axis(), store.Value(slot, 1, point), log10);
        const shared::ChartCanvas& canvas = window->Picture().Canvas();
        return QPoint(static_cast<int>(std::lround(canvas.ToPixelX(x))),
                      static_cast<int>(std::lround(canvas.ToPixelY(y))));
    }

    static void Mouse(FrmGraph* window, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
        QWidget& picture = window->Picture();
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, QPointF(at), picture.mapToGlobal(QPointF(at)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&picture, &event);
    }
    static void Click(FrmGraph* window, QPoint at, Qt::MouseButton button) {
        Mouse(window, QEvent::MouseButtonPress, at, button);
        Mouse(window, QEvent::MouseButtonRelease, at, button);
    }

    std::vector<QString> Panels(FrmGraph* window) const {
        return {window->StatusText(1), window->StatusText(2), window->StatusText(3)};
    }
};

TEST_F(ChartWindowsTest, OpensAWindowPerSmithRequestAndOnePerRectangularKind) {
    QSignalSpy changed(windows.get(), &ChartWindows::windowsChanged);
    const std::string a = Inductor(0);
    const std::string b = Inductor(1);
    Choose(a, true);
    requests->Request(ChartKind::Impedance);
    requests->Request(ChartKind::Smith, SParameter::S11);
    requests->Request(ChartKind::Smith, SParameter::S21);
    Choose(b, true);
    requests->Request(ChartKind::Impedance);
    requests->Request(ChartKind::Q);
    EXPECT_TRUE(fake.messages.Shown().empty());
    ASSERT_EQ(windows->OpenCount(), 4);
    EXPECT_EQ(changed.count(), 4);  // the second Impedance trace opened nothing
    EXPECT_EQ(area->subWindowList().size(), 4);

    const std::vector<FrmGraph*> open = windows->Windows();
    std::vector<QString> captions;
    for (FrmGraph* window : open) captions.push_back(window->windowTitle());
    EXPECT_EQ(captions, (std::vector<QString>{
                            "Impedance Chart", QString::fromStdString("Smith Chart-" + a + "-S11-Series"),
                            QString::fromStdString("Smith Chart-" + a + "-S21-Series"), "Q Chart"}));
    EXPECT_EQ(windows->WindowOfKind(ChartKind::Impedance), open[0]);
    EXPECT_EQ(windows->WindowOfKind(ChartKind::Smith), nullptr);

    // The rectangular window shows both traces, in the trace colours, framed No.1 ... No.6.
    FrmGraph* impedance = open[0];
    EXPECT_EQ(impedance->LegendCaption(0).toStdString(), a);
    EXPECT_EQ(impedance->LegendCaption(1).toStdString(), b);
    EXPECT_EQ(impedance->LegendCaption(2), QString());
    EXPECT_EQ(impedance->LegendFrameCaption(0), "No.1");
    EXPECT_EQ(impedance->LegendFrameCaption(5), "No.6");
    const auto* second = impedance->findChild<QLabel*>("lblStatus(1)");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(Frame(impedance)->size(), QSize(Px(10000), Px(4420)));
    EXPECT_EQ(Frame(impedance)->y(), Px(3240));
    EXPECT_EQ(impedance->Picture().size(), QSize(Px(5438.4), Px(3625.6)));

    // Smith windows alternate between 5430 twips in (even slot) and the left edge (odd
    // slot), with a square picture and blue labels: part, S-parameter, connection.
    FrmGraph* smith = open[1];
    ASSERT_EQ(smith->Model().SlotNumber(), 2);
    ASSERT_EQ(open[2]->Model().SlotNumber(), 3);
    EXPECT_EQ(Frame(smith)->pos(), QPoint(Px(5430), Px(3240)));
    EXPECT_EQ(Frame(open[2])->pos(), QPoint(0, Px(3240)));
    EXPECT_EQ(Frame(smith)->size(), QSize(Px(6200), Px(4420)));
    EXPECT_EQ(smith->Picture().width(), smith->Picture().height());
    EXPECT_EQ(smith->LegendCaption(0).toStdString(), a);
    EXPECT_EQ(smith->LegendCaption(1), "S11");
    EXPECT_EQ(smith->LegendCaption(2), "Series");
    EXPECT_EQ(smith->LegendFrameCaption(0), QString());
    EXPECT_EQ(smith->findChild<QLabel*>("lblStatus(0)")->palette().color(QPalette::WindowText),
              QColor(0, 0, 255));
}

TEST_F(ChartWindowsTest, ImpedanceAndEsrGivesOneWindowWithBothTraces) {
    const std::string part = Capacitor(0);
    Choose(part, false);
    requests->Request(ChartKind::ImpedanceAndEsr);
    ASSERT_EQ(windows->OpenCount(), 1);
    FrmGraph* window = windows->Windows()[0];
    EXPECT_EQ(window->windowTitle(), "Impedance & ESR Chart");
    EXPECT_EQ(window->LegendCaption(0).toStdString(), part + "-Impedance");
    EXPECT_EQ(window->LegendCaption(1).toStdString(), part + "-ESR");
    EXPECT_EQ(slotTable.SlotsOfChart(ChartKind::ImpedanceAndEsr), (std::vector<int>{1, 2}));
}

// Moving over a trace shows its point in the status bar and marks it red; a left click
// freezes it, a right click releases it, and a right click with nothing frozen opens
// the popup menu.
TEST_F(ChartWindowsTest, CursorReadoutFollowsTheMouse) {
    Choose(Inductor(0), true);
    requests->Request(ChartKind::Impedance);
    FrmGraph* window = windows->Windows().at(0);
    const QPoint at = PixelOf(window, 1, 0);
    const TraceStore& store = window->Model().Store();
    const std::vector<QString> expected{
        QString::fromStdString("Freq=" + shared::Format(store.Value(1, 0, 0) / 1e6, "0.00", '.') + "[MHz]"),
        QString::fromStdString("Z=" + shared::Format(store.Value(1, 1, 0), "0.00", '.') + "[ohm]"),
        QString::fromStdString("SRF=" + shared::FormatSingle(slotTable.Slot(1).Srf, "0.00", '.') + "[MHz]")};
    ASSERT_NE(slotTable.Slot(1).Srf, 0.0F);

    Mouse(window, QEvent::MouseMove, at);
    EXPECT_EQ(Panels(window), expected);
    const shared::PainterCanvas& canvas = window->Picture().Canvas();
    EXPECT_EQ(canvas.OverlayImage().pixelColor(at), QColor(255, 0, 0));

    const QPoint away(at.x(), at.y() + 60);
    Mouse(window, QEvent::MouseMove, away);
    EXPECT_EQ(Panels(window), (std::vector<QString>{"", "", ""}));
    EXPECT_EQ(canvas.OverlayImage().pixelColor(at).alpha(), 0);

    // Freeze, move away, release.
    Mouse(window, QEvent::MouseMove, at);
    Click(window, at, Qt::LeftButton);
    EXPECT_TRUE(window->Readout().Frozen());
    Mouse(window, QEvent::MouseMove, away);
    EXPECT_EQ(Panels(window), expected);
    Click(window, away, Qt::RightButton);
    EXPECT_FALSE(window->Readout().Frozen());
    EXPECT_FALSE(window->PopupMenu().isVisible());
    Mouse(window, QEvent::MouseMove, away);
    EXPECT_EQ(Panels(window), (std::vector<QString>{"", "", ""}));

    // Nothing frozen: the popup with its one item.
    Click(window, away, Qt::RightButton);
    EXPECT_TRUE(window->PopupMenu().isVisible());
    ASSERT_EQ(window->PopupMenu().actions().size(), 1);
    EXPECT_EQ(window->PopupMenu().actions()[0]->text(), "&Copy to Clipboard");
    window->PopupMenu().hide();
}

TEST_F(ChartWindowsTest, TheClipboardGetsTheChartWithoutTheMarker) {
    Choose(Inductor(0), true);
    requests->Request(ChartKind::Impedance);
    FrmGraph* window = windows->Windows().at(0);
    Mouse(window, QEvent::MouseMove, PixelOf(window, 1, 100));
    ASSERT_TRUE(window->Readout().Active());
    window->PopupMenu().actions()[0]->trigger();
    ASSERT_TRUE(fake.clipboard.Picture().has_value());
    const shared::PixelImage& picture = *fake.clipboard.Picture();
    EXPECT_GE(picture.Width(), window->Picture().width());
    EXPECT_GE(picture.Height(), window->Picture().height() - 1);
    // One blue trace: pure red can only be the cursor marker.
    int red = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) red += picture.At(x, y) == shared::Rgb{255, 0, 0} ? 1 : 0;
    EXPECT_EQ(red, 0);
    EXPECT_TRUE(fake.messages.Shown().empty());
}

TEST_F(ChartWindowsTest, MinimisingClearsTheReadout) {
    Choose(Inductor(0), true);
    requests->Request(ChartKind::Impedance);
    FrmGraph* window = windows->Windows().at(0);
    const QPoint at = PixelOf(window, 1, 0);
    Mouse(window, QEvent::MouseMove, at);
    Click(window, at, Qt::LeftButton);
    ASSERT_TRUE(window->Readout().Frozen());
    Frame(window)->showMinimized();
    QApplication::processEvents();
    EXPECT_FALSE(window->Readout().Frozen());
    EXPECT_FALSE(window->Readout().Active());
    EXPECT_EQ(Panels(window), (std::vector<QString>{"", "", ""}));
    EXPECT_EQ(window->Picture().Canvas().OverlayImage().pixelColor(at).alpha(), 0);
}

// A rectangular window frees every slot of its kind, a Smith window only its own; the
// registry forgets the window, so the next request opens a new one.
TEST_F(ChartWindowsTest, ClosingFreesTheWindowsSlots) {
    const std::string a = Inductor(0);
    const std::string b = Inductor(1);
    Choose(a, true);
    requests->Request(ChartKind::Impedance);
    requests->Request(ChartKind::Smith, SParameter::S11);
    Choose(b, true);
    requests->Request(ChartKind::Impedance);
    requests->Request(ChartKind::Smith, SParameter::S11);
    ASSERT_EQ(slotTable.InUseCount(), 4);
    QSignalSpy changed(windows.get(), &ChartWindows::windowsChanged);
    QSignalSpy closed(windows->Windows()[0], &FrmGraph::closed);

    Frame(windows->Windows()[0])->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(windows->OpenCount(), 2);
    EXPECT_FALSE(slotTable.Slot(1).InUse());
    EXPECT_FALSE(slotTable.Slot(3).InUse());
    EXPECT_EQ(windows->WindowOfKind(ChartKind::Impedance), nullptr);

    // Closing A's Smith window leaves B's counted: the same chart is still a duplicate.
    Frame(windows->Windows()[0])->close();
    EXPECT_EQ(slotTable.InUseCount(), 1);
    EXPECT_TRUE(slotTable.Slot(4).InUse());
    requests->Request(ChartKind::Smith, SParameter::S11);
    ASSERT_EQ(fake.messages.Shown().size(), 1U);
    EXPECT_EQ(fake.messages.Shown()[0].text, "This Chart is already opened!");
    fake.messages.Clear();

    requests->Request(ChartKind::Impedance);
    EXPECT_EQ(windows->OpenCount(), 2);
    EXPECT_EQ(windows->Windows()[1]->windowTitle(), "Impedance Chart");
    EXPECT_EQ(windows->Windows()[1]->Model().SlotNumber(), 1);
    QApplication::processEvents();
    EXPECT_EQ(area->subWindowList().size(), 2);
}

TEST_F(ChartWindowsTest, CloseAllClosesTheLastOpenedFirst) {
    Choose(Inductor(0), true);
    requests->Request(ChartKind::Impedance);
    requests->Request(ChartKind::Smith, SParameter::S11);
    requests->Request(ChartKind::Q);
    const std::vector<FrmGraph*> open = windows->Windows();
    ASSERT_EQ(open.size(), 3U);
    std::vector<FrmGraph*> order;
    for (FrmGraph* window : open)
        QObject::connect(window, &FrmGraph::closed, [&order](FrmGraph* w) { order.push_back(w); });
    windows->CloseAll();
    EXPECT_EQ(order, (std::vector<FrmGraph*>{open[2], open[1], open[0]}));
    EXPECT_EQ(windows->OpenCount(), 0);
    EXPECT_EQ(slotTable.InUseCount(), 0);
    EXPECT_TRUE(windows->OpenWindows().Empty());
    selection.UpdateMenuState();
    EXPECT_FALSE(selection.State().Menus.WindowClose);
}

// A window deleted without closing (its frame torn down with the area) drops out of
// every derived view at once; its kind opens a new window on the next request.
TEST_F(ChartWindowsTest, AWindowDeletedWithoutClosingCountsAsGone) {
    Choose(Inductor(0), true);
    requests->Request(ChartKind::Impedance);
    requests->Request(ChartKind::Q);
    ASSERT_EQ(windows->OpenCount(), 2);
    QMdiSubWindow* frame = Frame(windows->WindowOfKind(ChartKind::Impedance));
    FrmGraph* q = windows->WindowOfKind(ChartKind::Q);
    delete frame;
    EXPECT_EQ(windows->OpenCount(), 1);
    EXPECT_EQ(windows->Windows(), std::vector<FrmGraph*>{q});
    EXPECT_EQ(windows->Frames(), std::vector<QMdiSubWindow*>{Frame(q)});
    EXPECT_EQ(windows->WindowOfKind(ChartKind::Impedance), nullptr);
    windows->CloseAll();
    EXPECT_EQ(windows->OpenCount(), 0);
}

// A window that cannot load is reported as the window's load and never shown; the
// request then keeps no slot.
TEST_F(ChartWindowsTest, AWindowThatCannotLoadIsNotShown) {
    EXPECT_THROW(windows->ShowChart(ChartKind::Impedance), ChartWindowFailure);
    ASSERT_EQ(fake.messages.Shown().size(), 1U);
    EXPECT_EQ(fake.messages.Shown()[0].title, "pelmo:frmGraph.Form_Load");
    EXPECT_EQ(windows->OpenCount(), 0);
    EXPECT_TRUE(area->subWindowList().isEmpty());
}

// Printing draws the chart again on paper; it must neither ask for the chart by another
// name nor change any slot, so the SRF each trace recorded survives a later selection.
TEST_F(ChartWindowsTest, PrintAsksForTheChartAndChangesNoSlot) {
    const std::string a = Inductor(0);
    Choose(a, true);
    requests->Request(ChartKind::Impedance);
    Choose(Inductor(3), true);
    requests->Request(ChartKind::Esr);
    const float srfA = slotTable.Slot(1).Srf;
    const float srfB = slotTable.Slot(2).Srf;
    ASSERT_NE(srfA, srfB);
    Choose(Capacitor(0), false);

    FrmGraph* window = windows->Windows().at(0);
    window->mnuFilePrint_Click();
    ASSERT_FALSE(fake.messages.Shown().empty());
    EXPECT_EQ(fake.messages.Shown()[0].text, "Would you print Impedance Chart ?");
    EXPECT_EQ(fake.printer.DocumentsEnded(), 1);
    EXPECT_EQ(slotTable.InUseCount(), 2);
    EXPECT_EQ(slotTable.Slot(1).Srf, srfA);
    EXPECT_EQ(slotTable.Slot(2).Srf, srfB);
    EXPECT_EQ(window->LegendCaption(0).toStdString(), a);
}

}  // namespace
}  // namespace pelmo
