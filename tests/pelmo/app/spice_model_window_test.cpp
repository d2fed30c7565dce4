// File > Save Data to File > SPICE Model... in the program's windows, driven through the
// menus with the mouse and the fields with the keyboard.

#include "app_test_support.h"
#include "pelmo/app/public.h"
#include "pelmo/app/qt/frm_main.h"
#include "pelmo/app/qt/program_menus.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/selection/qt/frm_library.h"
#include "support/temporary_folder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace pelmo::testing {
namespace {

class SpiceModelWindowTest : public ::testing::Test {
protected:
    SpiceModelWindowTest() {
        window_ = std::make_unique<FrmMain>(state_, fake_.services, fake_.facts);
        window_->SetExitHandler([]() {});
        window_->show();
        window_->MDIForm_Load();
        fake_.messages.Clear();
    }

    QAction* Item(MenuBarKind bar, const char* name) const {
        return window_->Menus().Action(bar, QString::fromLatin1(name));
    }

    // Opens File on the bar the window shows with the mouse, then Save Data to File and the
    // SPICE item with their keys, as a user does.
    void ClickSpiceModelItem() {
        const MenuBarKind bar = window_->Menus().Shown();
        QMenuBar* menuBar = window_->menuBar();
        QMenu* file = window_->Menus().Menu(bar, QStringLiteral("mnuFile"));
        QMenu* save = window_->Menus().Menu(bar, QStringLiteral("mnuFileSavedata"));
        ASSERT_TRUE(file != nullptr && save != nullptr);
        QTest::mouseClick(menuBar, Qt::LeftButton, {}, menuBar->actionGeometry(file->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([file]() { return file->isVisible(); }));
        // Into the submenu by its mnemonic, "&Save Data to File", then the item by its own.
        QTest::keyClick(file, Qt::Key_S);
        ASSERT_TRUE(QTest::qWaitFor([save]() { return save->isVisible(); }));
        QTest::keyClick(save, Qt::Key_M);
        QApplication::processEvents();
    }

    QLineEdit* Field(const char* name) const {
        return window_->SelectionWindow().findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    // Types into a field without Enter, replacing what it held.
    void Type(QLineEdit* edit, const std::string& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromStdString(text));
    }
    void TypePartNumber(const std::string& text) {
        auto* box = window_->SelectionWindow().findChild<QComboBox*>(QStringLiteral("cboPartNumber"));
        ASSERT_NE(box, nullptr);
        Type(box->lineEdit(), text);
    }
    void Choose(const std::string& partNumber) {
        TypePartNumber(partNumber);
        QTest::keyClick(window_->SelectionWindow().findChild<QComboBox*>(QStringLiteral("cboPartNumber")),
                        Qt::Key_Return);
        ASSERT_EQ(window_->Selection().State().PartNumber.Text, partNumber);
        fake_.messages.Clear();
    }
    std::string ModelCapacitor() const {
        return FindCapacitor(library_, [](const CapacitorRecord& record, int rangeClass) {
            return rangeClass != 0 && HasConditionModel(record);
        });
    }

    FakeProgram fake_{std::string(PELMO_SAMPLE_LIBRARY_DIR) + "/", "pelmoehlp.pdf"};
    Public state_{LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.'), fake_.messages, fake_.cursor, '.'};
    Library& library_ = state_.Parts();
    std::unique_ptr<FrmMain> window_;
    shared::testing::TemporaryFolder folder_;
};

// The item sits under the two exports and is enabled exactly when they are, on the
// selection window's bar and on the chart windows' bar, whatever the choice.
TEST_F(SpiceModelWindowTest, TheItemIsOfferedExactlyWithTheExports) {
    for (const MenuBarKind bar : {MenuBarKind::Selection, MenuBarKind::Chart}) {
        const QList<QAction*> items =
            window_->Menus().Menu(bar, QStringLiteral("mnuFileSavedata"))->actions();
        ASSERT_EQ(items.size(), 3);
        EXPECT_EQ(items[0]->objectName(), QStringLiteral("mnuFileSavedataSpara"));
        EXPECT_EQ(items[1]->objectName(), QStringLiteral("mnuFileSavedataImp"));
        EXPECT_EQ(items[2]->objectName(), QStringLiteral("mnuFileSavedataSpice"));
        EXPECT_EQ(items[2]->text(), QStringLiteral("SPICE &Model..."));
    }
    const auto expectSameStates = [this](const char* when, bool enabled) {
        for (const MenuBarKind bar : {MenuBarKind::Selection, MenuBarKind::Chart}) {
            EXPECT_EQ(Item(bar, "mnuFileSavedataSpice")->isEnabled(), enabled) << when;
            EXPECT_EQ(Item(bar, "mnuFileSavedataSpara")->isEnabled(), enabled) << when;
            EXPECT_EQ(Item(bar, "mnuFileSavedataImp")->isEnabled(), enabled) << when;
        }
    };
    expectSameStates("nothing chosen", false);
    Choose(ModelCapacitor());
    expectSameStates("capacitor", true);
    Item(MenuBarKind::Selection, "mnuFileReset")->trigger();
    expectSameStates("after reset", false);
    window_->SelectionWindow().optProduct_Click(1);
    Choose(library_.InductorTable.front().PartNumber);
    expectSameStates("inductor", true);
}

// A temperature and frequency typed without Enter are the model's conditions: Cancel in
// the dialog writes and remembers nothing, then the saved file, proposed as the part
// number with ".cir" in the remembered folder and written under the hourglass, is byte
// for byte what pelmo-cli writes for that choice.
TEST_F(SpiceModelWindowTest, CancelWritesNothingAndTheFileEqualsTheCommandLines) {
    const std::string partNumber = ModelCapacitor();
    ASSERT_FALSE(partNumber.empty());
    Choose(partNumber);
    Type(Field("txtTemp"), "60");
    Type(Field("txtFreq"), "500");

    fake_.dialogs.QueueFileCancel();
    ClickSpiceModelItem();
    ASSERT_EQ(fake_.dialogs.FileRequests().size(), 1U);
    EXPECT_TRUE(fake_.messages.Shown().empty());
    EXPECT_FALSE(fake_.settings.Contains("Settings", "FilePath"));
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));

    const std::string path = folder_.File("model.cir");
    fake_.dialogs.QueueFile(path);
    const int hourglassesBefore = fake_.cursor.HourglassCalls();
    ClickSpiceModelItem();
    ASSERT_EQ(fake_.dialogs.FileRequests().size(), 2U);
    const shared::FileDialogRequest& request = fake_.dialogs.FileRequests().back();
    EXPECT_EQ(request.fileName, partNumber + ".cir");
    EXPECT_EQ(request.filter, "SPICE Model Files (*.cir)|*.cir|All Files (*.*)|*.*|");
    EXPECT_EQ(request.flags, 6);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "SPICE Model saved to " + path);
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Information);
    EXPECT_EQ(fake_.messages.Shown()[0].title, "Pelmo");
    EXPECT_GT(fake_.cursor.HourglassCalls(), hourglassesBefore);
    EXPECT_EQ(fake_.cursor.Depth(), 0);
    EXPECT_EQ(fake_.settings.Read("Settings", "FilePath", ""), folder_.Path());
    // The fields keep what was typed.
    EXPECT_EQ(Field("txtTemp")->text(), QStringLiteral("60"));

    ASSERT_EQ(RunPelmoCli("export spice --part '" + partNumber +
                          "' --code eia --temp 60 --bias 0 --freq 500 -o '" + folder_.File("cli.cir") + "'"),
              0);
    const std::string written = ReadBytes(path);
    EXPECT_NE(written.find(".subckt " + partNumber + " 1 2 params:"), std::string::npos);
    EXPECT_EQ(written, ReadBytes(folder_.File("cli.cir")));
}

// From a chart window's bar, with the part number or a condition typed wrongly and not
// yet applied, the command refuses with the message of the check and asks for no file.
TEST_F(SpiceModelWindowTest, RefusalsFromAChartWindowAskForNoFile) {
    const std::string partNumber = ModelCapacitor();
    Choose(partNumber);
    Item(MenuBarKind::Selection, "mnuGraphImp")->trigger();
    QApplication::processEvents();
    // Typing activates the selection window; the user then goes back to the chart.
    const auto showChartWindow = [this]() {
        window_->Area().setActiveSubWindow(window_->Area().subWindowList().back());
        ASSERT_EQ(window_->Menus().Shown(), MenuBarKind::Chart);
        fake_.messages.Clear();
    };

    Type(Field("txtTemp"), "400");
    showChartWindow();
    ClickSpiceModelItem();
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text.rfind("Operation Temp is out of range!\n", 0), 0U)
        << fake_.messages.Shown()[0].text;
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Exclamation);

    Type(Field("txtTemp"), "25");
    TypePartNumber("NOSUCHPART");
    showChartWindow();
    ClickSpiceModelItem();
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "Product Number is invalid or not selected!");
    EXPECT_EQ(fake_.dialogs.DialogsShown(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

}  // namespace
}  // namespace pelmo::testing
