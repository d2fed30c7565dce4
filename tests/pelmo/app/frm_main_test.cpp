#include "pelmo/app/qt/frm_main.h"

#include "app_test_support.h"
#include "pelmo/app/program_start.h"
#include "pelmo/app/public.h"
#include "pelmo/app/qt/program_menus.h"
#include "pelmo/charts/qt/chart_windows.h"
#include "pelmo/charts/qt/frm_graph.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/selection/qt/frm_library.h"
#include "support/temporary_folder.h"

#include "shared/dialogs/twips.h"
#include "shared/parts/capacitance_text.h"
#include "shared/platform/qt/qt_single_instance.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace pelmo::testing {
namespace {

// The main window over the generated sample library with every service a scripted fake,
// loaded as the program shows it, in EIA notation (English help).
class FrmMainTest : public ::testing::Test {
protected:
    FrmMainTest() {
        window_ = std::make_unique<FrmMain>(state_, fake_.services, fake_.facts);
        window_->SetExitHandler([this]() { ++exits_; });
        window_->show();
        window_->MDIForm_Load();
        fake_.messages.Clear();
    }

    QAction* Item(MenuBarKind bar, const char* name) const {
        QAction* action = window_->Menus().Action(bar, QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    bool Enabled(MenuBarKind bar, const char* name) const {
        const QAction* action = Item(bar, name);
        return action != nullptr && action->isEnabled();
    }
    // What the user can click: a disabled item does nothing.
    void Click(MenuBarKind bar, const char* name) {
        ASSERT_EQ(window_->Menus().Shown(), bar) << name;
        Item(bar, name)->trigger();
        QApplication::processEvents();
    }
    std::vector<std::string> BarMenus() const {
        std::vector<std::string> names;
        for (const QAction* action : window_->menuBar()->actions()) {
            names.push_back(action->objectName().toStdString());
        }
        return names;
    }

    void ChooseCapacitor(const std::string& partNumber) {
        window_->SelectionWindow().cboPartNumber_Click(QString::fromStdString(partNumber));
        ASSERT_EQ(window_->Selection().State().PartNumber.Text, partNumber);
    }
    void ChooseInductor(const std::string& partNumber) {
        window_->SelectionWindow().optProduct_Click(1);
        window_->SelectionWindow().cboPartNumber_Click(QString::fromStdString(partNumber));
        ASSERT_EQ(window_->Selection().State().PartNumber.Text, partNumber);
    }
    std::string CapacitorOfClass(std::initializer_list<int> classes) const {
        return FindCapacitor(library_, [classes](const CapacitorRecord&, int rangeClass) {
            return std::find(classes.begin(), classes.end(), rangeClass) != classes.end();
        });
    }

    FakeProgram fake_{std::string(PELMO_SAMPLE_LIBRARY_DIR) + "/", "pelmoehlp.pdf"};
    Public state_{LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.'), fake_.messages, fake_.cursor, '.'};
    Library& library_ = state_.Parts();
    std::unique_ptr<FrmMain> window_;
    int exits_ = 0;
};

// Runs action and closes the modal dialog it opens; the dialog's class and caption.
struct ModalSeen {
    QString className;
    QString title;
};
template <typename Action>
ModalSeen RunClosingModal(Action action) {
    ModalSeen seen;
    QTimer::singleShot(0, [&seen]() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen.className = QString::fromLatin1(modal->metaObject()->className());
            seen.title = modal->windowTitle();
            modal->close();
        }
    });
    action();
    // A command that opened no dialog leaves the timer pending: let it find nothing now,
    // rather than close a later command's dialog.
    QApplication::processEvents();
    return seen;
}

// The items of the selection window's bar follow the choice: the part kind and, for a
// capacitor, its frequency range class decide Reactance, Q, DF and Apparent Capacitance;
// the Link to Catalog button goes with its menu item.
TEST_F(FrmMainTest, SelectionMenusFollowTheChoice) {
    const char* const items[] = {
        "mnuFileReset",   "mnuFileSavedata", "mnuFileSavedataSpara", "mnuFileSavedataImp", "mnuViewSize",
        "mnuGraphSmith",  "mnuGraphMag",     "mnuGraphPhase",        "mnuGraphImp",        "mnuGraphESR",
        "mnuGraphReac",   "mnuGraphQ",       "mnuGraphDF",           "mnuGraphApcapa",     "mnuGraphApindu",
        "mnuGraphImpESR", "mnuCatalogLink",  "mnuWindowClose"};
    struct Row {
        const char* name;
        std::string partNumber;
        bool inductor;
        std::vector<bool> enabled;  // in the order of items
    };
    const std::vector<Row> rows = {
        {"nothing",
         "",
         false,
         {false, false, false, false, false, false, false, false, false, false, false, false, false, false,
          false, false, false, false}},
        {"class 3 or 5",
         CapacitorOfClass({3, 5}),
         false,
         {true, true, true, true, true, true, true, true, true, true, true, false, true, true, true, true,
          true, false}},
        {"class 2",
         CapacitorOfClass({2}),
         false,
         {true, true, true, true, true, true, true, true, true, true, true, true, false, true, true, true,
          true, false}},
        {"inductor",
         library_.InductorTable.front().PartNumber,
         true,
         {true, true, true, true, true, true, true, true, true, true, false, true, false, false, true, true,
          true, false}},
    };
    for (const Row& row : rows) {
        if (row.inductor) {
            ChooseInductor(row.partNumber);
        } else if (!row.partNumber.empty()) {
            ChooseCapacitor(row.partNumber);
        }
        for (std::size_t i = 0; i < std::size(items); ++i) {
            EXPECT_EQ(Enabled(MenuBarKind::Selection, items[i]), row.enabled[i])
                << row.name << ": " << items[i];
            // The chart windows' items of the same names take the same states, except
            // their own Close All, which a chart window always offers.
            const bool chartItem = std::string(items[i]) == "mnuWindowClose" || row.enabled[i];
            EXPECT_EQ(Enabled(MenuBarKind::Chart, items[i]), chartItem) << row.name << ": chart " << items[i];
        }
        EXPECT_EQ(Enabled(MenuBarKind::Chart, "mnuFilePrint"), !row.partNumber.empty()) << row.name;
        auto* button =
            window_->SelectionWindow().findChild<QAbstractButton*>(QStringLiteral("cmdCatalogLink"));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->isEnabled(), row.enabled[16]) << row.name;
    }
    // A filter choice alone is a selection that can be reset.
    window_->SelectionWindow().optProduct_Click(0);
    window_->SelectionWindow().cboItemA_Click(
        QString::fromStdString(window_->Selection().State().ItemA.Items.front()));
    EXPECT_TRUE(Enabled(MenuBarKind::Selection, "mnuFileReset"));
    EXPECT_FALSE(Enabled(MenuBarKind::Selection, "mnuGraphImp"));
    EXPECT_TRUE(fake_.messages.Shown().empty());
}

// A chart window brings its own bar with the same states; its Print goes with the chosen
// part and its Close All stays on, while the selection window's Close All is on only
// while chart windows are open. Resetting from the chart window clears both bars.
TEST_F(FrmMainTest, ChartWindowMenusTakeTheSameStates) {
    EXPECT_EQ(window_->Menus().Shown(), MenuBarKind::Selection);
    EXPECT_EQ(BarMenus(),
              (std::vector<std::string>{"mnuFile", "mnuView", "mnuGraph", "mnuWindow", "mnuHelp"}));
    ChooseCapacitor(CapacitorOfClass({2}));
    Click(MenuBarKind::Selection, "mnuGraphImp");
    ASSERT_EQ(window_->Charts().OpenCount(), 1);
    EXPECT_TRUE(fake_.messages.Shown().empty());
    EXPECT_EQ(window_->Menus().Shown(), MenuBarKind::Chart);
    EXPECT_EQ(BarMenus(), (std::vector<std::string>{"mnuFile", "mnuView", "mnuCatalogLink", "mnuGraph",
                                                    "mnuWindow", "mnuHelp"}));
    EXPECT_NE(window_->ActiveChartWindow(), nullptr);
    EXPECT_TRUE(Enabled(MenuBarKind::Chart, "mnuFilePrint"));
    EXPECT_TRUE(Enabled(MenuBarKind::Chart, "mnuWindowClose"));
    EXPECT_TRUE(Enabled(MenuBarKind::Selection, "mnuWindowClose"));
    EXPECT_TRUE(Enabled(MenuBarKind::Chart, "mnuGraphQ"));
    EXPECT_FALSE(Enabled(MenuBarKind::Chart, "mnuGraphDF"));

    // Activating the selection window brings its bar back, and a chart window its own.
    window_->Area().setActiveSubWindow(window_->Area().subWindowList().front());
    EXPECT_EQ(window_->Menus().Shown(), MenuBarKind::Selection);
    EXPECT_EQ(window_->ActiveChartWindow(), nullptr);
    window_->Area().setActiveSubWindow(window_->Area().subWindowList().back());
    EXPECT_EQ(window_->Menus().Shown(), MenuBarKind::Chart);

    Click(MenuBarKind::Chart, "mnuFileReset");
    EXPECT_TRUE(window_->Selection().State().PartNumber.Text.empty());
    EXPECT_EQ(window_->Charts().OpenCount(), 1);
    for (const MenuBarKind bar : {MenuBarKind::Selection, MenuBarKind::Chart}) {
        for (const char* name : {"mnuFileReset", "mnuFileSavedata", "mnuViewSize", "mnuGraphSmith",
                                 "mnuGraphImp", "mnuGraphImpESR", "mnuCatalogLink"}) {
            EXPECT_FALSE(Enabled(bar, name)) << name;
        }
        EXPECT_TRUE(Enabled(bar, "mnuWindowClose"));
    }
    EXPECT_FALSE(Enabled(MenuBarKind::Chart, "mnuFilePrint"));
    EXPECT_TRUE(Enabled(MenuBarKind::Chart, "mnuFilePageSetup"));
}

// Close All Chart Windows closes every chart window, frees every slot and gives the
// frame back the selection window's bar with Close All off.
TEST_F(FrmMainTest, CloseAllClosesEveryChartWindow) {
    ChooseCapacitor(CapacitorOfClass({2}));
    Click(MenuBarKind::Selection, "mnuGraphImp");
    Click(MenuBarKind::Chart, "mnuGraphSmithS11");
    Click(MenuBarKind::Chart, "mnuGraphImpESR");
    ASSERT_EQ(window_->Charts().OpenCount(), 3);
    EXPECT_EQ(window_->Slots().InUseCount(), 4);
    EXPECT_TRUE(fake_.messages.Shown().empty());
    Click(MenuBarKind::Chart, "mnuWindowClose");
    EXPECT_EQ(window_->Charts().OpenCount(), 0);
    EXPECT_EQ(window_->Slots().InUseCount(), 0);
    EXPECT_EQ(window_->Menus().Shown(), MenuBarKind::Selection);
    EXPECT_FALSE(Enabled(MenuBarKind::Selection, "mnuWindowClose"));
    EXPECT_TRUE(Enabled(MenuBarKind::Selection, "mnuGraphImp"));
}

// The Window menu lists the open windows after its own item, in opening order with the
// active one checked; choosing one brings it forward, even from behind other charts.
TEST_F(FrmMainTest, TheWindowMenuListsTheOpenWindows) {
    ChooseCapacitor(CapacitorOfClass({2}));
    Click(MenuBarKind::Selection, "mnuGraphImp");
    Click(MenuBarKind::Chart, "mnuGraphImpESR");
    QMenu* menu = window_->Menus().Menu(MenuBarKind::Chart, QStringLiteral("mnuWindow"));
    ASSERT_NE(menu, nullptr);
    const auto listed = [menu]() {
        std::vector<std::string> texts;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->objectName() != QLatin1String("mnuWindowClose")) {
                texts.push_back(action->text().toStdString() + (action->isChecked() ? " *" : ""));
            }
        }
        return texts;
    };
    emit menu->aboutToShow();
    EXPECT_EQ(listed(),
              (std::vector<std::string>{"&1 Quenzar", "&2 Impedance Chart", "&3 Impedance && ESR Chart *"}));
    // Opening the menu again lists the windows once, not twice.
    emit menu->aboutToShow();
    ASSERT_EQ(listed().size(), 3U);
    for (QAction* action : menu->actions()) {
        if (action->text() == QLatin1String("&2 Impedance Chart")) {
            action->trigger();
        }
    }
    QApplication::processEvents();
    ASSERT_NE(window_->ActiveChartWindow(), nullptr);
    EXPECT_EQ(window_->ActiveChartWindow()->windowTitle(), QStringLiteral("Impedance Chart"));
    Click(MenuBarKind::Chart, "mnuWindowClose");
    QMenu* selectionMenu = window_->Menus().Menu(MenuBarKind::Selection, QStringLiteral("mnuWindow"));
    emit selectionMenu->aboutToShow();
    int items = 0;
    for (const QAction* action : selectionMenu->actions()) {
        items += action->isSeparator() ? 0 : 1;
    }
    EXPECT_EQ(items, 2);  // Close All and the selection window
}

// Chart requests from either bar go through the selection's checks: the same chart
// twice is refused with its message and opens nothing, and switching the notation
// closes every chart window after saying so.
TEST_F(FrmMainTest, ChartRequestsAndTheNotationSwitch) {
    ChooseCapacitor(CapacitorOfClass({2}));
    Click(MenuBarKind::Selection, "mnuGraphPhaseS11");
    Click(MenuBarKind::Chart, "mnuGraphPhaseS11");
    EXPECT_EQ(window_->Charts().OpenCount(), 1);
    EXPECT_EQ(window_->Slots().InUseCount(), 1);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "This Chart is already opened!");
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
    EXPECT_EQ(fake_.messages.Shown()[0].title, "Pelmo");
    Click(MenuBarKind::Chart, "mnuGraphPhaseS21");
    EXPECT_EQ(window_->Slots().InUseCount(), 2);

    fake_.messages.Clear();
    Click(MenuBarKind::Chart, "mnuViewCode1");
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "Close all chart windows");
    EXPECT_EQ(window_->Charts().OpenCount(), 0);
    EXPECT_EQ(window_->Slots().InUseCount(), 0);
    EXPECT_EQ(window_->Menus().Shown(), MenuBarKind::Selection);
    EXPECT_TRUE(Item(MenuBarKind::Selection, "mnuViewCode1")->isChecked());
    EXPECT_FALSE(Enabled(MenuBarKind::Selection, "mnuWindowClose"));
}

// A complete filter choice that matches several capacitors asks through the Select
// dialog over the main window; the part picked there is the one chosen.
TEST_F(FrmMainTest, SeveralMatchingPartsAreOfferedInTheSelectDialog) {
    const auto trimmed = [](std::string text) {
        text.erase(0, text.find_first_not_of(' '));
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    };
    const auto sameChoice = [&](const CapacitorRecord& a, const CapacitorRecord& b) {
        return a.SizeCode[shared::Eia] == b.SizeCode[shared::Eia] &&
               trimmed(a.TempChar[shared::Eia]) == trimmed(b.TempChar[shared::Eia]) &&
               a.NominalCapacitance == b.NominalCapacitance && a.RatedVoltage == b.RatedVoltage;
    };
    const std::vector<CapacitorRecord>& table = library_.CapacitorTable;
    std::vector<std::string> matching;
    for (std::size_t i = 0; i < table.size() && matching.empty(); ++i) {
        if (table[i].PartNumber[shared::Eia].empty()) {
            continue;
        }
        for (std::size_t j = 0; j < table.size(); ++j) {
            if (!table[j].PartNumber[shared::Eia].empty() && sameChoice(table[i], table[j])) {
                matching.push_back(table[j].PartNumber[shared::Eia]);
            }
        }
        if (matching.size() < 2) {
            matching.clear();
        }
    }
    ASSERT_GE(matching.size(), 2U) << "the sample library has Select-dialog collisions";
    const auto u = static_cast<std::size_t>(*library_.PartIndex[shared::Eia].Find(matching.front()));
    const CapacitorRecord& record = table[u];

    FrmLibrary& selection = window_->SelectionWindow();
    selection.cboItemA_Click(QString::fromStdString(record.SizeCode[shared::Eia]));
    selection.cboItemB_Click(QString::fromStdString(trimmed(record.TempChar[shared::Eia])));
    selection.cboItemC_Click(QString::fromStdString(shared::CapacitanceText(record.NominalCapacitance, '.')));
    QStringList offered;
    QString picked;
    QTimer::singleShot(0, [&]() {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstPartnumber"));
        ASSERT_NE(list, nullptr);
        for (int row = 0; row < list->count(); ++row) {
            offered << list->item(row)->text();
        }
        list->setCurrentRow(1);
        picked = list->currentItem()->text();
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    selection.cboItemD_Click(QString::fromStdString(record.RatedVoltage));
    QApplication::processEvents();
    EXPECT_EQ(offered.size(), static_cast<int>(matching.size()));
    ASSERT_FALSE(picked.isEmpty());
    EXPECT_EQ(picked.toStdString(), matching[1]);
    EXPECT_EQ(window_->Selection().State().PartNumber.Text, matching[1]);
    EXPECT_TRUE(Enabled(MenuBarKind::Selection, "mnuGraphImp"));
}

// The notation items carry the check mark of the notation in force, and a chart
// window's View menu shows it when it opens.
TEST_F(FrmMainTest, TheNotationCheckMarksAreCopiedToChartWindows) {
    EXPECT_TRUE(Item(MenuBarKind::Selection, "mnuViewCode0")->isChecked());
    EXPECT_FALSE(Item(MenuBarKind::Selection, "mnuViewCode1")->isChecked());
    Click(MenuBarKind::Selection, "mnuViewCode1");
    EXPECT_EQ(window_->Selection().State().CodeSystem, shared::Jis);
    EXPECT_FALSE(Item(MenuBarKind::Selection, "mnuViewCode0")->isChecked());
    EXPECT_TRUE(Item(MenuBarKind::Selection, "mnuViewCode1")->isChecked());
    // Clicking the checked item again keeps it checked.
    Click(MenuBarKind::Selection, "mnuViewCode1");
    EXPECT_TRUE(Item(MenuBarKind::Selection, "mnuViewCode1")->isChecked());

    window_->SelectionWindow().cboPartNumber_Click(
        QString::fromStdString(window_->Selection().State().PartNumber.Items.front()));
    Click(MenuBarKind::Selection, "mnuGraphImp");
    ASSERT_EQ(window_->Menus().Shown(), MenuBarKind::Chart);
    QMenu* view = window_->Menus().Menu(MenuBarKind::Chart, QStringLiteral("mnuView"));
    ASSERT_NE(view, nullptr);
    emit view->aboutToShow();
    EXPECT_FALSE(Item(MenuBarKind::Chart, "mnuViewCode0")->isChecked());
    EXPECT_TRUE(Item(MenuBarKind::Chart, "mnuViewCode1")->isChecked());
}

// Help, the web links and About, from both bars.
TEST_F(FrmMainTest, HelpAndWebLinks) {
    Click(MenuBarKind::Selection, "mnuHelpContents");
    ASSERT_EQ(fake_.shell.OpenedDocuments().size(), 1U);
    EXPECT_EQ(fake_.shell.OpenedDocuments()[0], std::string(PELMO_SAMPLE_LIBRARY_DIR) + "/pelmoehlp.pdf");
    Click(MenuBarKind::Selection, "mnuContactUs");
    Click(MenuBarKind::Selection, "mnuVersionCheck");
    const std::string partNumber = library_.InductorTable.front().PartNumber;
    ChooseInductor(partNumber);
    Click(MenuBarKind::Selection, "mnuCatalogLink");
    window_->SelectionWindow().findChild<QAbstractButton*>(QStringLiteral("cmdCatalogLink"))->click();
    const std::vector<std::string>& urls = fake_.shell.OpenedUrls();
    ASSERT_EQ(urls.size(), 4U);
    const std::string search = "https://products.example.com/cgi-bin/design-tool/search_product.pl?";
    EXPECT_EQ(urls[0].rfind(search + "lt=1&i=1&v=", 0), 0U) << urls[0];
    EXPECT_EQ(urls[1].rfind(search + "lt=2&i=1&v=", 0), 0U) << urls[1];
    const std::string catalog = "&l=2&nkey=" + partNumber + "&okey=" + partNumber + "&lan=2&t=1";
    EXPECT_EQ(urls[2].rfind(search + "lt=0&i=1&v=", 0), 0U) << urls[2];
    EXPECT_NE(urls[2].find(catalog), std::string::npos) << urls[2];
    EXPECT_EQ(urls[3], urls[2]);

    const ModalSeen about = RunClosingModal([this]() { Click(MenuBarKind::Selection, "mnuHelpAbout"); });
    EXPECT_EQ(about.className, "shared::frmAbout");
    EXPECT_EQ(about.title, "About Pelmo");
    EXPECT_TRUE(fake_.messages.Shown().empty());
}

// Without a help file, Help > Contents says so and opens nothing.
TEST_F(FrmMainTest, NoHelpFile) {
    fake_.facts.Help.fileName.clear();
    Click(MenuBarKind::Selection, "mnuHelpContents");
    EXPECT_TRUE(fake_.shell.OpenedDocuments().empty());
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "There is no Help File.");
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Information);
}

// The chip size sheet needs a part: without one, or with a part number the library does
// not know, the exclamation box and no sheet; with one, the sheet modally.
TEST_F(FrmMainTest, ChipSizeNeedsAPart) {
    for (const char* typed : {"", "NOSUCHPART"}) {
        fake_.messages.Clear();
        window_->Selection().SetPartNumberText(typed);
        const ModalSeen seen = RunClosingModal([this]() { window_->mnuViewSize_Click(); });
        EXPECT_TRUE(seen.className.isEmpty()) << typed;
        ASSERT_EQ(fake_.messages.Shown().size(), 1U) << typed;
        EXPECT_EQ(fake_.messages.Shown()[0].text, "Product Number is invalid or not selected!");
        EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
        EXPECT_EQ(fake_.messages.Shown()[0].title, "Pelmo");
    }
    fake_.messages.Clear();
    ChooseCapacitor(CapacitorOfClass({2}));
    ASSERT_TRUE(Enabled(MenuBarKind::Selection, "mnuViewSize"));
    const ModalSeen seen = RunClosingModal([this]() { Click(MenuBarKind::Selection, "mnuViewSize"); });
    EXPECT_EQ(seen.className, "pelmo::FrmSize");
    EXPECT_TRUE(fake_.messages.Shown().empty());
}

// Exit ends the program from either bar.
TEST_F(FrmMainTest, ExitEndsTheProgram) {
    EXPECT_FALSE(window_->ExitRequested());
    Click(MenuBarKind::Selection, "mnuFileExit");
    EXPECT_EQ(exits_, 1);
    EXPECT_TRUE(window_->ExitRequested());
    ChooseCapacitor(CapacitorOfClass({2}));
    Click(MenuBarKind::Selection, "mnuGraphESR");
    Click(MenuBarKind::Chart, "mnuFileExit");
    EXPECT_EQ(exits_, 2);
}

// The selection window spans the frame less 200 twips, whatever size the frame takes.
TEST_F(FrmMainTest, TheSelectionWindowFollowsTheFrameWidth) {
    const auto* sub = window_->SelectionWindow().parentWidget();
    ASSERT_NE(sub, nullptr);
    for (const int width : {1300, 1000}) {
        window_->resize(width, 800);
        QApplication::processEvents();
        EXPECT_EQ(sub->width(), width - shared::TwipsToPixels(200, window_->logicalDpiX())) << width;
    }
}

// The selection window stays for the whole run: closing its frame does nothing.
TEST_F(FrmMainTest, TheSelectionWindowCannotBeClosed) {
    QWidget* sub = window_->SelectionWindow().parentWidget();
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->close());
    QApplication::processEvents();
    EXPECT_TRUE(window_->SelectionWindow().isVisible());
    EXPECT_EQ(window_->Area().subWindowList().size(), 1);
}

// Both exports from a chart window's File menu write the part chosen in the selection
// window, byte for byte as pelmo-cli writes it, and confirm with the full path.
TEST_F(FrmMainTest, ExportsFromAChartWindowWriteTheSelectionsPart) {
    shared::testing::TemporaryFolder folder;
    ChooseCapacitor(CapacitorOfClass({3, 5}));
    Click(MenuBarKind::Selection, "mnuGraphMagS21");
    const std::string partNumber = FindCapacitor(library_, [](const CapacitorRecord& record, int rangeClass) {
        return rangeClass != 0 && HasConditionModel(record);
    });
    ChooseCapacitor(partNumber);
    window_->Area().setActiveSubWindow(window_->Area().subWindowList().back());
    ASSERT_EQ(window_->Menus().Shown(), MenuBarKind::Chart);
    fake_.messages.Clear();

    fake_.dialogs.QueueFile(folder.File("a.s2p"));
    Click(MenuBarKind::Chart, "mnuFileSavedataSpara");
    fake_.dialogs.QueueFile(folder.File("a.txt"));
    Click(MenuBarKind::Chart, "mnuFileSavedataImp");
    fake_.dialogs.QueueFileCancel();
    Click(MenuBarKind::Chart, "mnuFileSavedataSpara");

    ASSERT_EQ(fake_.messages.Shown().size(), 2U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "S Parameter Data saved to " + folder.File("a.s2p"));
    EXPECT_EQ(fake_.messages.Shown()[1].text, "Impedance Data saved to " + folder.File("a.txt"));
    for (const auto& shown : fake_.messages.Shown()) {
        EXPECT_EQ(shown.icon, shared::MessageIcon::Information);
        EXPECT_EQ(shown.title, "Pelmo");
    }
    ASSERT_EQ(fake_.dialogs.FileRequests().size(), 3U);
    EXPECT_EQ(fake_.dialogs.FileRequests()[0].fileName, partNumber + "series(25,0).s2p");
    EXPECT_EQ(fake_.dialogs.FileRequests()[1].initDir, folder.Path());
    EXPECT_EQ(fake_.settings.Read("Settings", "FilePath", ""), folder.Path());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
    const std::string frequency = window_->Selection().State().Frequency;
    ASSERT_EQ(
        RunPelmoCli("export s2p --part '" + partNumber + "' --code eia -o '" + folder.File("cli.s2p") + "'"),
        0);
    ASSERT_EQ(RunPelmoCli("export impedance --part '" + partNumber + "' --code eia --freq " + frequency +
                          " -o '" + folder.File("cli.txt") + "'"),
              0);
    EXPECT_EQ(ReadBytes(folder.File("a.s2p")), ReadBytes(folder.File("cli.s2p")));
    EXPECT_EQ(ReadBytes(folder.File("a.txt")), ReadBytes(folder.File("cli.txt")));
    EXPECT_EQ(fake_.cursor.Depth(), 0);
}

// Print from a chart window asks first and prints one page of the active chart.
TEST_F(FrmMainTest, PrintPrintsTheActiveChartWindow) {
    ChooseCapacitor(CapacitorOfClass({2}));
    Click(MenuBarKind::Selection, "mnuGraphReac");
    Click(MenuBarKind::Chart, "mnuFilePrint");
    ASSERT_FALSE(fake_.messages.Shown().empty());
    EXPECT_EQ(fake_.messages.Shown()[0].text, "Would you print Reactance Chart ?");
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Question);
    EXPECT_EQ(fake_.printer.DocumentsEnded(), 1);
    Click(MenuBarKind::Chart, "mnuFilePageSetup");
    ASSERT_EQ(fake_.dialogs.PrintRequests().size(), 1U);
    EXPECT_EQ(fake_.dialogs.PrintRequests()[0].flags, 0x14000C);
    EXPECT_TRUE(fake_.dialogs.PrintRequests()[0].printerDefault);
}

// A second copy of the program is refused through the lock the program takes at start.
TEST(SecondCopyTest, TheProgramsLockRefusesASecondCopy) {
    shared::testing::TemporaryFolder lockFolder;
    shared::QtSingleInstance first("pelmo", QString::fromStdString(lockFolder.Path()));
    ASSERT_TRUE(first.Acquire());
    shared::QtSingleInstance second("pelmo", QString::fromStdString(lockFolder.Path()));
    shared::FakeMessages messages;
    EXPECT_FALSE(StartProgram(second, messages, PELMO_SAMPLE_LIBRARY_DIR, '.'));
    ASSERT_EQ(messages.Shown().size(), 1U);
    EXPECT_EQ(messages.Shown()[0].text, "It is already started.");
    EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Critical);
    EXPECT_EQ(messages.Shown()[0].title, "Pelmo");
}

}  // namespace
}  // namespace pelmo::testing
