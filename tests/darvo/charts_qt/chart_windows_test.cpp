// darvo's chart windows on the offscreen platform: opening and adding curves through
// the hand-over, the cascade place and fixed size, the cursor readout under real mouse
// events, the Chart popup, the axis-range dialog driven by keys and clicks, and closing.
#include "darvo/charts/qt/chart_windows.h"

#include "chart_window_session.h"
#include "darvo/charts/axis_range_check.h"
#include "darvo/charts/qt/frm_graph.h"
#include "darvo/charts/qt/frm_set_axis.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/dialogs/twips.h"
#include "shared/text/number_text.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace darvo {
namespace {

const ChartIdentity kRiseOverCurrent{TemperatureRise, Quantity::Current, Quantity::TemperatureRise};
const ChartIdentity kRiseOverFrequency{TemperatureRise, Quantity::Frequency, Quantity::TemperatureRise};
const ChartIdentity kCapTemp{CapacitanceTemperature, Quantity::Temperature, Quantity::CapacitanceChange};

class ChartWindowsTest : public ::testing::Test, protected testing::ChartWindowSession {
protected:
    static QMdiSubWindow* Frame(FrmGraph* window) {
        return qobject_cast<QMdiSubWindow*>(window->parentWidget());
    }
    int Px(double twips) const { return shared::TwipsToPixels(twips, mainWindow.logicalDpiX()); }

    // The picture pixel where the last drawing put point j of the window's k-th record.
    QPoint PixelOf(FrmGraph* window, std::size_t record, int j) const {
        const ChartDataRecord& r = sample.Table.At(record);
        const shared::ChartCanvas& canvas = window->Picture().Canvas();
        const auto u = static_cast<std::size_t>(j);
        return QPoint(static_cast<int>(std::lround(canvas.ToPixelX(r.PlotX[u]))),
                      static_cast<int>(std::lround(canvas.ToPixelY(r.PlotY[u]))));
    }

    // Runs look on the modal dialog once it is up.
    static void WhenDialogShown(std::function<void(FrmSetAxis&)> look) {
        QTimer::singleShot(0, [look] {
            auto* dialog = qobject_cast<FrmSetAxis*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            look(*dialog);
        });
    }
};

TEST_F(ChartWindowsTest, FirstCurveOpensAWindowFurtherCurvesJoinItAndOtherIdentitiesCascade) {
    QSignalSpy changed(windows.get(), &ChartWindows::windowsChanged);
    FrmGraph* current = Plot(kRiseOverCurrent, 0);
    ASSERT_NE(current, nullptr);
    EXPECT_TRUE(fake.messages.Shown().empty());
    EXPECT_EQ(current->windowTitle(), "Temperature Rise Characteristics(Current,Temperature Rise)");
    EXPECT_EQ(sample.Table.ChartCount(), 1);
    EXPECT_EQ(Frame(current)->pos(), QPoint(Px(50), Px(3000)));
    EXPECT_EQ(current->PartLabel(0).toStdString(),
              sample.Library.ProductTable[static_cast<std::size_t>(sample.PartFor(TemperatureRise, 0))]
                  .PartNumber[0]);
    EXPECT_EQ(current->ConditionsLabel(0).left(1), "(");
    EXPECT_EQ(current->findChild<QGroupBox*>("fraStatus(1)")->title(), "No.2");
    EXPECT_EQ(current->PartLabel(1), "");

    FrmGraph* frequency = Plot(kRiseOverFrequency, 0);
    ASSERT_NE(frequency, nullptr);
    EXPECT_NE(frequency, current);
    EXPECT_EQ(Frame(frequency)->pos(), QPoint(Px(350), Px(3000)));

    // A second part of the first identity joins its window, which comes to the front.
    EXPECT_EQ(Plot(kRiseOverCurrent, 1), current);
    EXPECT_EQ(area->activeSubWindow(), Frame(current));
    EXPECT_EQ(windows->OpenCount(), 2);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(sample.Table.ChartCount(), 3);
    EXPECT_NE(current->PartLabel(1), "");
    EXPECT_EQ(windows->WindowOf(kRiseOverFrequency), frequency);
    EXPECT_EQ(windows->WindowWithCaption("Temperature Rise Characteristics(Frequency,Temperature Rise)"),
              frequency);
    EXPECT_EQ(windows->WindowWithCaption("Temperature Rise Characteristics(Frequency, Temperature Rise)"),
              nullptr);
    EXPECT_EQ(current->Range(), FullRange(sample.Table, kRiseOverCurrent));
}

TEST_F(ChartWindowsTest, ClosingRemovesItsRecordsAndAReopenedIdentityGetsANewWindow) {
    FrmGraph* current = Plot(kRiseOverCurrent, 0);
    Plot(kCapTemp, 0);
    Plot(kRiseOverCurrent, 1);
    ASSERT_EQ(sample.Table.ChartCount(), 3);
    Frame(current)->close();
    QApplication::processEvents();
    EXPECT_EQ(sample.Table.ChartCount(), 1);
    EXPECT_EQ(sample.Table.At(0).ChartType, CapacitanceTemperature);
    EXPECT_EQ(host.closed.size(), 1U);
    EXPECT_EQ(windows->OpenCount(), 1);
    EXPECT_EQ(windows->WindowOf(kRiseOverCurrent), nullptr);

    FrmGraph* again = Plot(kRiseOverCurrent, 0);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(windows->OpenCount(), 2);
    windows->CloseAll();
    QApplication::processEvents();
    EXPECT_EQ(sample.Table.ChartCount(), 0);
    EXPECT_EQ(sample.Table.Size(), 1U);
}

TEST_F(ChartWindowsTest, ReadoutFollowsTheMouseFreezesOnLeftClickAndReleasesOnRightClick) {
    FrmGraph* window = Plot(kCapTemp, 0);
    ASSERT_NE(window, nullptr);
    QWidget& picture = window->Picture();
    const QPoint point = PixelOf(window, 0, 100);
    QTest::mouseMove(&picture, point);
    ASSERT_TRUE(window->Readout().CursorActive());
    const ChartDataRecord& r = sample.Table.At(0);
    EXPECT_EQ(window->StatusText(1).toStdString(),
              shared::FormatSingle(r.XData[100], "0.###", '.') + "[\u00B0C]");
    EXPECT_EQ(window->StatusText(2).toStdString(), shared::FormatSingle(r.YData[100], "0.###", '.') + "[%]");

    QTest::mouseClick(&picture, Qt::LeftButton, Qt::NoModifier, point);
    EXPECT_TRUE(window->Readout().CursorHeld());
    const QString held = window->StatusText(1);
    QTest::mouseMove(&picture, QPoint(2, 2));
    EXPECT_EQ(window->StatusText(1), held);

    // Right click while held releases; it does not open the popup.
    QTest::mouseClick(&picture, Qt::RightButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_FALSE(window->Readout().CursorHeld());
    EXPECT_FALSE(window->PopupMenu().isVisible());
    QTest::mouseMove(&picture, QPoint(3, 3));
    EXPECT_EQ(window->StatusText(1), "");
    EXPECT_EQ(window->StatusText(2), "");

    // Idle: the right button offers the Chart menu; its Copy goes to the host.
    QTest::mouseClick(&picture, Qt::RightButton, Qt::NoModifier, QPoint(40, 40));
    QMenu& popup = window->PopupMenu();
    ASSERT_TRUE(popup.isVisible());
    const QList<QAction*> actions = popup.actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "&Expand/Contract...");
    EXPECT_EQ(actions[1]->text(), "&Copy to Clipboard");
    QTest::keyClick(&popup, Qt::Key_C);
    QApplication::processEvents();
    EXPECT_EQ(host.copied, (std::vector<FrmGraph*>{window}));
}

TEST_F(ChartWindowsTest, MinimisedClearsTheReadoutAndRestoredTakesItsFixedSize) {
    FrmGraph* window = Plot(kCapTemp, 0);
    QTest::mouseMove(&window->Picture(), PixelOf(window, 0, 50));
    ASSERT_NE(window->StatusText(1), "");
    Frame(window)->showMinimized();
    QApplication::processEvents();
    EXPECT_EQ(window->StatusText(1), "");
    EXPECT_FALSE(window->Readout().CursorActive());
    Frame(window)->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(Frame(window)->size(), QSize(Px(10995), Px(4425)));
    Frame(window)->resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(Frame(window)->size(), QSize(Px(10995), Px(4425)));
    EXPECT_FALSE(Frame(window)->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(ChartWindowsTest, AxisDialogRefusesLettersAndOutOfRangeThenMagnifiesAndAddingACurveDropsIt) {
    FrmGraph* window = Plot(kCapTemp, 0);
    ASSERT_NE(window, nullptr);
    const AxisRange full = window->Range();
    std::vector<std::string> seen;
    WhenDialogShown([&](FrmSetAxis& dialog) {
        auto* from = dialog.findChild<QLineEdit*>("txtY(0)");
        auto* to = dialog.findChild<QLineEdit*>("txtY(1)");
        ASSERT_TRUE(from && to);
        EXPECT_EQ(dialog.windowTitle(), "Capacitance-Temperature Characteristics");
        EXPECT_EQ(dialog.findChild<QGroupBox*>("fraXaxis")->title(), "Temperature");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblYunit(0)")->text(), "[%]");
        EXPECT_EQ(to->text().toStdString(), shared::GeneralNumberTextSingle(full.Ymax, '.'));
        // Letters: warned, the dialog stays.
        to->setFocus();
        QTest::keyClicks(to, "abc");
        QTest::keyClick(to, Qt::Key_Return);
        seen.push_back(fake.messages.Shown().empty() ? "" : fake.messages.Shown().back().text);
        EXPECT_TRUE(dialog.isVisible());
        // Above the full range: the range warning, still open.
        to->selectAll();
        QTest::keyClicks(to, "1000");
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        seen.push_back(fake.messages.Shown().back().text);
        EXPECT_TRUE(dialog.isVisible());
        // A narrower range is taken.
        from->selectAll();
        QTest::keyClicks(from, "0");
        to->selectAll();
        QTest::keyClicks(to, "5");
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    window->mnuChartExpand_Click();
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_EQ(seen[0], "A Non-numerical value exits where numerical value should be in.");
    EXPECT_EQ(seen[1], "Set Capacitance Change Range of Capacitance-Temperature Characteristics from " +
                           shared::GeneralNumberTextSingle(full.Ymin, '.') + " to " +
                           shared::GeneralNumberTextSingle(full.Ymax, '.') + " [%]");
    EXPECT_EQ(window->Range(), (AxisRange{full.Xmax, 5, full.Xmin, 0}));
    EXPECT_EQ(Frame(window)->pos(), QPoint(Px(50), Px(3000)));

    // Cancel changes nothing.
    WhenDialogShown([](FrmSetAxis& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    window->mnuChartExpand_Click();
    EXPECT_EQ(window->Range(), (AxisRange{full.Xmax, 5, full.Xmin, 0}));

    Plot(kCapTemp, 1);
    EXPECT_EQ(window->Range(), FullRange(sample.Table, kCapTemp));
}

TEST_F(ChartWindowsTest, OverFrequencyTheDialogShowsKilohertzAsLabelsOnly) {
    FrmGraph* window = Plot(kRiseOverFrequency, 0);
    ASSERT_NE(window, nullptr);
    bool checked = false;
    WhenDialogShown([&](FrmSetAxis& dialog) {
        EXPECT_FALSE(dialog.findChild<QLineEdit*>("txtX(0)")->isVisible());
        auto* from = dialog.findChild<QLabel*>("lblX(0)");
        ASSERT_TRUE(from->isVisible());
        EXPECT_EQ(from->text().toStdString(),
                  shared::GeneralNumberText(static_cast<double>(window->Range().Xmin) / 1000.0, '.'));
        // The first box the keyboard reaches is Y From, with its text selected.
        EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QLineEdit*>("txtY(0)"));
        checked = true;
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    const AxisRange before = window->Range();
    window->mnuChartExpand_Click();
    EXPECT_TRUE(checked);
    // The values first shown are the full range: redrawn as it was.
    EXPECT_EQ(window->Range(), before);
    EXPECT_TRUE(fake.messages.Shown().empty());
}

TEST_F(ChartWindowsTest, TheKeyboardOpensThePopupAndItsMnemonicsRunTheCommands) {
    FrmGraph* window = Plot(kCapTemp, 0);
    ASSERT_NE(window, nullptr);
    QWidget& picture = window->Picture();
    picture.setFocus();
    EXPECT_EQ(picture.focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(&picture, Qt::Key_Menu);
    QMenu& popup = window->PopupMenu();
    ASSERT_TRUE(popup.isVisible());
    bool shown = false;
    WhenDialogShown([&](FrmSetAxis& dialog) {
        shown = true;
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QTest::keyClick(&popup, Qt::Key_E);
    QApplication::processEvents();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(popup.isVisible());

    // While the readout shows a point the popup is not offered, by mouse or key.
    QTest::mouseMove(&picture, PixelOf(window, 0, 100));
    ASSERT_TRUE(window->Readout().CursorActive());
    QTest::keyClick(&picture, Qt::Key_Menu);
    EXPECT_FALSE(popup.isVisible());
}

TEST_F(ChartWindowsTest, PrintCommandsGoToTheHost) {
    FrmGraph* window = Plot(kCapTemp, 0);
    window->mnuFilePrint_Click();
    window->mnuFilePageSetup_Click();
    EXPECT_EQ(host.printed, (std::vector<FrmGraph*>{window}));
    EXPECT_EQ(host.printSetups, (std::vector<FrmGraph*>{window}));
}

}  // namespace
}  // namespace darvo
