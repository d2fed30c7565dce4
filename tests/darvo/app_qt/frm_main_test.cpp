#include "darvo/app/qt/frm_main.h"

#include "darvo/app/program_start.h"
#include "darvo/app/public.h"
#include "darvo/app/qt/program_menus.h"
#include "darvo/app/testing/fake_program.h"
#include "darvo/charts/qt/chart_windows.h"
#include "darvo/charts/qt/frm_graph.h"
#include "darvo/library/product_loader.h"
#include "darvo/selection/library_selection.h"
#include "darvo/selection/qt/frm_library.h"
#include "support/temporary_folder.h"

#include "shared/platform/qt/qt_single_instance.h"
#include "shared/platform/testing/failing_file_sink.h"
#include "shared/platform/testing/fake_messages.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace darvo::testing {
namespace {

ProductLibrary SampleProducts() {
    ProductLibrary products = LoadProducts(DARVO_SAMPLE_LIBRARY_DIR, '.');
    EXPECT_TRUE(SortProducts(products, shared::Eia, '.'));
    return products;
}

// The main window over the generated sample products with every service a scripted
// fake, loaded as the program shows it (English help, so EIA notation).
class FrmMainTest : public ::testing::Test {
protected:
    FrmMainTest() {
        window_ = std::make_unique<FrmMain>(state_, fake_.services);
        window_->SetExitHandler([this]() { ++exits_; });
        window_->SetDateTimeText([] { return std::string("2026-12-09 10:00:00"); });
        window_->resize(1300, 900);
        window_->show();
        window_->MDIForm_Load();
        fake_.messages.Clear();
    }

    QAction* Item(MenuBarKind bar, const char* name) const {
        QAction* action = window_->Menus().Action(bar, QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    LibrarySelection& Selection() { return state_.Selection(); }
    const ChartTable& Table() const { return state_.Charts(); }

    // Opens a menu of the shown bar with Alt and its mnemonic, then an item (or a
    // submenu and its item) with theirs, as a user does from the keyboard.
    void KeyMenu(const char* menuName, std::vector<Qt::Key> keys) {
        const MenuBarKind bar = window_->Menus().Shown();
        QMenu* menu = window_->Menus().Menu(bar, QString::fromLatin1(menuName));
        ASSERT_NE(menu, nullptr) << menuName;
        const QString caption = menu->title();
        const QChar mnemonic = caption.at(caption.indexOf(QLatin1Char('&')) + 1).toUpper();
        // Alt+letter reaches the menu bar of the active window only.
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), static_cast<Qt::Key>(mnemonic.unicode()), Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([menu]() { return menu->isVisible(); }, 2000)) << menuName;
        QWidget* target = menu;
        for (const Qt::Key key : keys) {
            QTest::keyClick(target, key);
            QApplication::processEvents();
            if (QWidget* popup = QApplication::activePopupWidget()) {
                target = popup;
            }
        }
        QApplication::processEvents();
    }
    // Opens a menu of the shown bar with the mouse and clicks one of its items.
    void ClickMenu(const char* menuName, const char* itemName) {
        const MenuBarKind bar = window_->Menus().Shown();
        QMenu* menu = window_->Menus().Menu(bar, QString::fromLatin1(menuName));
        QAction* item = Item(bar, itemName);
        ASSERT_TRUE(menu != nullptr && item != nullptr);
        QMenuBar* menuBar = window_->menuBar();
        QTest::mouseClick(menuBar, Qt::LeftButton, {}, menuBar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([menu]() { return menu->isVisible(); }, 2000)) << menuName;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QApplication::processEvents();
    }

    // A part listable for the chart type, chosen from the part list.
    std::string ChoosePart(int chartType, int nth = 0) {
        window_->SelectionWindow().optChartType_Click(chartType);
        const std::vector<std::string>& parts = Selection().State().PartNum.Items;
        EXPECT_GT(parts.size(), static_cast<std::size_t>(nth));
        const std::string part = parts.at(static_cast<std::size_t>(nth));
        window_->SelectionWindow().cmbPartNum_Click(QString::fromStdString(part));
        EXPECT_TRUE(Selection().State().PartChosen);
        return part;
    }
    void ClickPlot() {
        auto* plot = window_->SelectionWindow().findChild<QPushButton*>(QStringLiteral("cmdPlot"));
        ASSERT_NE(plot, nullptr);
        QTest::mouseClick(plot, Qt::LeftButton);
        QApplication::processEvents();
    }

    // The chart table as it must stand between commands: count curves, no record being
    // prepared, and exactly ChartCount elements (one empty element when 0).
    void ExpectTable(int count, const char* where) const {
        EXPECT_FALSE(Table().IsPreparing()) << where;
        EXPECT_EQ(Table().ChartCount(), count) << where;
        EXPECT_EQ(Table().Size(), static_cast<std::size_t>(count == 0 ? 1 : count)) << where;
        if (count == 0) {
            EXPECT_EQ(Table().At(0), ChartDataRecord{}) << where;
        }
    }

    FakeProgram fake_{std::string(DARVO_SAMPLE_LIBRARY_DIR) + "/", "darvoehlp.pdf"};
    Public state_{SampleProducts(), fake_.facts, fake_.messages, fake_.cursor, '.'};
    std::unique_ptr<FrmMain> window_;
    int exits_ = 0;
};

// The main window is captioned "darvo", holds the selection window and shows the main bar
// with the EIA item checked; OutPut Data and Link to Catalog wait for a part.
TEST_F(FrmMainTest, TheWindowStartsWithTheSelectionWindowAndItsBar) {
    EXPECT_EQ(window_->windowTitle(), "darvo");
    EXPECT_EQ(window_->Area().subWindowList().size(), 1);
    EXPECT_TRUE(window_->SelectionWindow().isVisible());
    EXPECT_EQ(window_->Menus().Shown(), MenuBarKind::Main);
    std::vector<QString> bar;
    for (const QAction* action : window_->menuBar()->actions()) {
        bar.push_back(action->text());
    }
    EXPECT_EQ(bar, (std::vector<QString>{"&File", "&View", "&Window", "&Help"}));
    EXPECT_TRUE(Item(MenuBarKind::Main, "mnuViewCode0")->isChecked());
    EXPECT_FALSE(Item(MenuBarKind::Main, "mnuViewCode1")->isChecked());
    EXPECT_FALSE(Item(MenuBarKind::Main, "mnuOutPut")->isEnabled());
    EXPECT_FALSE(Item(MenuBarKind::Main, "mnuCatalogLink")->isEnabled());
    ExpectTable(0, "at start");

    ChoosePart(TemperatureRise);
    EXPECT_TRUE(Item(MenuBarKind::Main, "mnuOutPut")->isEnabled());
    EXPECT_TRUE(Item(MenuBarKind::Main, "mnuCatalogLink")->isEnabled());
    EXPECT_TRUE(Item(MenuBarKind::Chart, "mnuCatalogLink")->isEnabled());
    // The selection window closes not: its frame refuses.
    EXPECT_FALSE(window_->SelectionWindow().parentWidget()->close());
    EXPECT_TRUE(window_->SelectionWindow().isVisible());
}

// Alt+V, J switches to JIS from the keyboard: the part stays chosen in JIS, the
// ambient temperature reads 20; with a chart open the switch says "Close all chart
// windows" once and closes it. Choosing the checked item again does nothing.
TEST_F(FrmMainTest, TheNotationSwitchFromTheKeyboard) {
    const std::string eia = ChoosePart(CapacitanceTemperature);
    const auto index = FindProduct(state_.Products(), eia);
    ASSERT_TRUE(index);
    const std::string jis =
        state_.Products().ProductTable[static_cast<std::size_t>(*index)].PartNumber[shared::Jis];
    ClickPlot();
    ASSERT_EQ(window_->Charts().OpenCount(), 1);
    window_->Area().setActiveSubWindow(window_->Area().subWindowList().front());
    ASSERT_EQ(window_->Menus().Shown(), MenuBarKind::Main);
    fake_.messages.Clear();

    KeyMenu("mnuView", {Qt::Key_J});
    EXPECT_EQ(state_.GetCodeSystem(), shared::Jis);
    EXPECT_TRUE(Item(MenuBarKind::Main, "mnuViewCode1")->isChecked());
    EXPECT_FALSE(Item(MenuBarKind::Main, "mnuViewCode0")->isChecked());
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "Close all chart windows");
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Information);
    EXPECT_EQ(fake_.messages.Shown()[0].title, "darvo");
    EXPECT_EQ(window_->Charts().OpenCount(), 0);
    ExpectTable(0, "after the switch");
    if (!jis.empty()) {
        EXPECT_EQ(Selection().State().PartNum.Text, jis);
    }
    EXPECT_EQ(Selection().State().AmbientTemp.Text, "20");
    EXPECT_EQ(fake_.cursor.Depth(), 0);

    fake_.messages.Clear();
    ClickMenu("mnuView", "mnuViewCode1");
    EXPECT_EQ(state_.GetCodeSystem(), shared::Jis);
    EXPECT_TRUE(fake_.messages.Shown().empty());
    ClickMenu("mnuView", "mnuViewCode0");
    EXPECT_EQ(state_.GetCodeSystem(), shared::Eia);
    EXPECT_EQ(Selection().State().AmbientTemp.Text, "25");
    EXPECT_TRUE(fake_.messages.Shown().empty()) << "no chart was open";
}

// The chart-data table holds exactly the open curves after every command: plots, a
// refused duplicate, a save, a failed save, a data print whose printer fails, a chart
// print whose printer fails, and closing the windows.
TEST_F(FrmMainTest, TheChartTableFollowsEveryCommand) {
    ChoosePart(CapacitanceDcVoltage, 0);
    ClickPlot();
    ExpectTable(1, "first plot");
    ASSERT_EQ(window_->Charts().OpenCount(), 1);
    EXPECT_EQ(window_->Menus().Shown(), MenuBarKind::Chart);

    window_->Area().setActiveSubWindow(window_->Area().subWindowList().front());
    ClickPlot();
    ASSERT_FALSE(fake_.messages.Shown().empty());
    EXPECT_EQ(fake_.messages.Shown().back().text, "This Chart is already opened!");
    ExpectTable(1, "refused duplicate");

    ChoosePart(CapacitanceDcVoltage, 1);
    ClickPlot();
    ExpectTable(2, "second curve");
    EXPECT_EQ(window_->Charts().OpenCount(), 1);

    // Save from the chart window's File menu: Cancel, then a folder that is gone.
    shared::testing::TemporaryFolder folder;
    fake_.messages.Clear();
    fake_.dialogs.QueueFileCancel();
    KeyMenu("mnuFile", {Qt::Key_O, Qt::Key_S});
    ASSERT_EQ(fake_.dialogs.FileRequests().size(), 1U) << "File, OutPut Data, Save Data To File";
    EXPECT_EQ(fake_.dialogs.FileRequests()[0].fileName, Selection().State().PartNum.Text + ".dvx");
    ExpectTable(2, "cancelled save");
    EXPECT_TRUE(fake_.messages.Shown().empty());
    fake_.dialogs.QueueFile(folder.File("gone") + "/x.dvx");
    window_->RunMenuCommand(static_cast<int>(MenuCommand::SaveDataToFile));
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text.rfind("Unexpected Error ", 0), 0U);
    ExpectTable(2, "failed save");
    fake_.messages.Clear();
    fake_.dialogs.QueueFile(folder.File("saved.dvx"));
    window_->RunMenuCommand(static_cast<int>(MenuCommand::SaveDataToFile));
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "darvo Data saved to " + folder.File("saved.dvx"));
    EXPECT_TRUE(std::filesystem::exists(folder.File("saved.dvx")));
    ExpectTable(2, "save");

    // The printer fails at the start of the job: one report, the table as it was.
    fake_.printer.FailAtBegin(shared::RuntimeError(482, "Printer error"));
    fake_.messages.Clear();
    window_->RunMenuCommand(static_cast<int>(MenuCommand::PrintData));
    ASSERT_FALSE(fake_.messages.Shown().empty());
    EXPECT_EQ(fake_.messages.Shown().back().text, "Unexpected Error 482\r\nPrinter error");
    ExpectTable(2, "failed data print");
    fake_.messages.Clear();
    ASSERT_EQ(window_->Menus().Shown(), MenuBarKind::Chart);
    window_->RunMenuCommand(static_cast<int>(MenuCommand::PrintChart));
    ASSERT_FALSE(fake_.messages.Shown().empty());
    EXPECT_EQ(fake_.messages.Shown().back().text, "Unexpected Error 482\r\nPrinter error");
    ExpectTable(2, "failed chart print");
    fake_.printer.ClearFailure();
    EXPECT_EQ(fake_.cursor.Depth(), 0);

    // Another identity, then Close All: every curve leaves.
    ChoosePart(CapacitanceAcVoltage, 0);
    ClickPlot();
    ExpectTable(3, "second window");
    EXPECT_EQ(window_->Charts().OpenCount(), 2);
    KeyMenu("mnuWindow", {Qt::Key_C});
    QApplication::processEvents();
    EXPECT_EQ(window_->Charts().OpenCount(), 0);
    ExpectTable(0, "close all");
    EXPECT_EQ(window_->Menus().Shown(), MenuBarKind::Main);
}

// Help, the web links and About from the main bar's Help menu by mouse.
TEST_F(FrmMainTest, HelpLinksAndAbout) {
    ClickMenu("mnuHelp", "mnuContents");
    ASSERT_EQ(fake_.shell.OpenedDocuments().size(), 1U);
    EXPECT_EQ(fake_.shell.OpenedDocuments()[0], std::string(DARVO_SAMPLE_LIBRARY_DIR) + "/darvoehlp.pdf");
    ClickMenu("mnuHelp", "mnuContactUs");
    ClickMenu("mnuHelp", "mnuVersionCheck");
    const std::string part = ChoosePart(TemperatureRise);
    ClickMenu("mnuView", "mnuCatalogLink");
    const std::vector<std::string>& urls = fake_.shell.OpenedUrls();
    ASSERT_EQ(urls.size(), 3U);
    EXPECT_NE(urls[0].find("lt=1&i=0&"), std::string::npos) << urls[0];
    EXPECT_NE(urls[1].find("lt=2&i=0&"), std::string::npos) << urls[1];
    EXPECT_NE(urls[2].find("&l=2&nkey=" + part + "&okey=" + part + "&lan=2&t=1"), std::string::npos)
        << urls[2];

    QString aboutTitle;
    QTimer::singleShot(0, [&aboutTitle]() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            aboutTitle = modal->windowTitle();
            modal->close();
        }
    });
    window_->RunMenuCommand(static_cast<int>(MenuCommand::About));
    EXPECT_EQ(aboutTitle, "About darvo");
    EXPECT_TRUE(fake_.messages.Shown().empty());

    KeyMenu("mnuFile", {Qt::Key_X});
    EXPECT_EQ(exits_, 1);
    EXPECT_TRUE(window_->ExitRequested());
}

// A second copy of the program is refused through the lock the program takes at start,
// with the exact message, icon and title.
TEST(SecondCopyTest, TheProgramsLockRefusesASecondCopy) {
    shared::testing::TemporaryFolder lockFolder;
    shared::QtSingleInstance first("darvo", QString::fromStdString(lockFolder.Path()));
    ASSERT_TRUE(first.Acquire());
    shared::QtSingleInstance second("darvo", QString::fromStdString(lockFolder.Path()));
    shared::FakeMessages messages;
    EXPECT_FALSE(StartProgram(second, messages, DARVO_SAMPLE_LIBRARY_DIR, '.'));
    ASSERT_EQ(messages.Shown().size(), 1U);
    EXPECT_EQ(messages.Shown()[0].text, "It is already started.");
    EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Critical);
    EXPECT_EQ(messages.Shown()[0].title, "darvo");
    EXPECT_EQ(messages.Shown()[0].buttons, shared::MessageButtons::Ok);
}

}  // namespace
}  // namespace darvo::testing
