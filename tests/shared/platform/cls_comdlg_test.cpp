#include "shared/platform/cls_comdlg.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/scripted_common_dialog_backend.h"

#include <functional>
#include <gtest/gtest.h>

namespace shared {
namespace {

// Runs action and returns the error it raised; fails the test when nothing was raised.
RuntimeError Raised(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error;
    }
    ADD_FAILURE() << "no error raised";
    return RuntimeError(0, "", "");
}

class ComdlgTest : public ::testing::Test {
protected:
    ScriptedCommonDialogBackend backend;
};

TEST_F(ComdlgTest, StartsWithTheClassicInitialValues) {
    backend.SetSystemFont({"System Face", 95, 700, true, false, true});
    clsComdlg dlg(backend, "Pelmo");

    EXPECT_EQ(dlg.Filter(), "");
    EXPECT_EQ(dlg.FilterIndex(), 0);
    EXPECT_EQ(dlg.InitDir(), "");
    EXPECT_EQ(dlg.FileName(), "");
    EXPECT_EQ(dlg.FileTitle(), "");
    EXPECT_EQ(dlg.DialogTitle(), "");
    EXPECT_EQ(dlg.Flags(), 0);
    EXPECT_EQ(dlg.MaxFileSize(), 1024);
    EXPECT_EQ(dlg.DefaultExt(), "");
    EXPECT_TRUE(dlg.CancelError());
    EXPECT_EQ(dlg.hWndOwner(), 0u);
    EXPECT_EQ(dlg.hdc(), 0);
    EXPECT_EQ(dlg.Copies(), 0);
    EXPECT_EQ(dlg.FromPage(), 0);
    EXPECT_EQ(dlg.ToPage(), 0);
    EXPECT_EQ(dlg.Min(), 0);
    EXPECT_EQ(dlg.Max(), 0);
    EXPECT_TRUE(dlg.PrinterDefault());
    EXPECT_EQ(dlg.FontName(), "System Face");
    EXPECT_FLOAT_EQ(dlg.FontSize(), 9.5f);
    EXPECT_TRUE(dlg.FontBold());
    EXPECT_TRUE(dlg.FontItalic());
    EXPECT_FALSE(dlg.FontUnderline());
    EXPECT_TRUE(dlg.FontStrikethru());
    EXPECT_EQ(dlg.HelpCommand(), 0);
    EXPECT_EQ(dlg.HelpContext(), 0);
    EXPECT_EQ(dlg.HelpFile(), "");
    EXPECT_EQ(dlg.HelpKey(), "");
    EXPECT_EQ(dlg.Color(), 0);
    // QBColor order: black, dark blue, dark green, dark cyan, dark red, dark magenta,
    // dark yellow, light grey, dark grey, blue, green, cyan, red, magenta, yellow, white.
    const std::int32_t expected[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                       0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                       0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(dlg.CustomColor(i), expected[i]) << "custom colour " << i;
    }
    EXPECT_EQ(Raised([&] { dlg.CustomColor(16); }).Number(), 9);
    EXPECT_EQ(backend.DialogsShown(), 0);
}

TEST_F(ComdlgTest, FilterReadsBackExactlyAsSetAndReachesTheDialogSplitIntoPairs) {
    // clang-format off
    const char* filters[] = {
        "darvo Data Files (*.dvx)|*.dvx|All Files (*.*)|*.*|",
        "S parameter Data Files (*.s2p)|*.s2p|All Files (*.*)|*.*",
        "",
        "|",
        "Text|*.txt;*.csv||",
    };
    // clang-format on
    for (const char* filter : filters) {
        clsComdlg dlg(backend, "Pelmo");
        dlg.SetFilter(filter);
        EXPECT_EQ(dlg.Filter(), filter);
    }
    clsComdlg dlg(backend, "Pelmo");
    dlg.SetFilter("S parameter Data Files (*.s2p)|*.s2p|All Files (*.*)|*.*|");
    dlg.SetFilterIndex(1);
    backend.QueueFile("/data/out.s2p");
    dlg.ShowSave();
    ASSERT_EQ(backend.FileRequests().size(), 1u);
    EXPECT_EQ(backend.FileRequests()[0].filter, "S parameter Data Files (*.s2p)|*.s2p|All Files (*.*)|*.*|");
    EXPECT_EQ(backend.FileRequests()[0].filterIndex, 1);
}

TEST_F(ComdlgTest, TextPropertiesReadUpToTheFirstNul) {
    clsComdlg dlg(backend, "Pelmo");
    dlg.SetFileName(std::string("part.s2p\0junk", 13));
    dlg.SetInitDir(std::string("/home\0x", 7));
    dlg.SetFontName(std::string("Arial\0\0\0", 8));
    EXPECT_EQ(dlg.FileName(), "part.s2p");
    EXPECT_EQ(dlg.InitDir(), "/home");
    EXPECT_EQ(dlg.FontName(), "Arial");
}

TEST_F(ComdlgTest, SaveProposesTheNameAndReturnsPathAndTitleAfterOk) {
    clsComdlg dlg(backend, "Pelmo");
    dlg.SetFlags(6);
    dlg.SetInitDir("/home/user/exports");
    dlg.SetFileName("GRM155.s2p");
    dlg.SetDefaultExt("s2p");
    dlg.SetDialogTitle("Save");
    backend.QueueFile("/home/user/exports/GRM155 copy.s2p");

    dlg.ShowSave();

    const FileDialogRequest& request = backend.FileRequests().at(0);
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.fileName, "GRM155.s2p");
    EXPECT_EQ(request.initDir, "/home/user/exports");
    EXPECT_EQ(request.flags, 6);
    EXPECT_EQ(request.defaultExt, "s2p");
    EXPECT_EQ(request.dialogTitle, "Save");
    EXPECT_EQ(dlg.FileName(), "/home/user/exports/GRM155 copy.s2p");
    EXPECT_EQ(dlg.FileTitle(), "GRM155 copy.s2p");
    EXPECT_EQ(dlg.Flags(), 6);  // file dialogs do not write the flags back
}

TEST_F(ComdlgTest, CancelRaises65535OrStaysSilentWithTheNameUnchanged) {
    struct Row {
        bool cancelError;
        bool raises;
    };
    for (const Row row : {Row{true, true}, Row{false, false}}) {
        for (const bool save : {true, false}) {
            clsComdlg dlg(backend, "Pelmo");
            dlg.SetCancelError(row.cancelError);
            dlg.SetFileName("proposed.txt");
            backend.QueueFileCancel();
            if (row.raises) {
                const RuntimeError error = Raised([&] { save ? dlg.ShowSave() : dlg.ShowOpen(); });
                EXPECT_EQ(error.Number(), 65535);
                EXPECT_EQ(error.Source(), "COMDLG32.DLL");
                EXPECT_EQ(error.Description(), "Cancel button is clicked.");
            } else {
                EXPECT_NO_THROW(save ? dlg.ShowSave() : dlg.ShowOpen());
            }
            EXPECT_EQ(dlg.FileName(), "proposed.txt");
            EXPECT_EQ(dlg.FileTitle(), "");
        }
    }
}

TEST_F(ComdlgTest, AFailingDialogRaisesItsExtendedCodeWithTheReturnedValue) {
    clsComdlg dlg(backend, "Pelmo");
    dlg.SetCancelError(false);  // failures are raised whatever CancelError says
    dlg.SetFileName("keep.txt");
    backend.QueueFileFailure(2, 0x3003);
    const RuntimeError error = Raised([&] { dlg.ShowSave(); });
    EXPECT_EQ(error.Number(), 0x3003);
    EXPECT_EQ(error.Source(), "COMDLG32.DLL");
    EXPECT_EQ(error.Description(), "Error raised with common dialog.\r\nError code = (2)");
    EXPECT_EQ(dlg.FileName(), "keep.txt");
}

TEST_F(ComdlgTest, ActionRunsTheShowMethodsAndRefusesTheOthers) {
    // clang-format off
    struct Row { HelpSupport help; std::int32_t action; bool supported; };
    const Row rows[] = {
        {HelpSupport::Absent, 6, false},  {HelpSupport::Absent, 7, false},
        {HelpSupport::Present, 7, false}, {HelpSupport::Absent, 0, false},
        {HelpSupport::Absent, -1, false}, {HelpSupport::Present, 6, true},
    };
    // clang-format on
    for (const Row& row : rows) {
        ScriptedCommonDialogBackend local;
        clsComdlg dlg(local, "Pelmo", row.help);
        dlg.SetHelpCommand(3);
        if (row.supported) {
            EXPECT_NO_THROW(dlg.SetAction(row.action));
            EXPECT_EQ(local.HelpRequests().size(), 1u);
            continue;
        }
        const RuntimeError error = Raised([&] { dlg.SetAction(row.action); });
        EXPECT_EQ(error.Number(), 9999) << "action " << row.action;
        EXPECT_EQ(error.Source(), "clsCOMDLG");
        EXPECT_EQ(error.Description(), "This action is not supported.");
        EXPECT_EQ(local.DialogsShown(), 0);
    }

    // Actions 1 to 5 reach the matching dialog; unscripted dialogs are cancelled.
    const std::function<std::size_t(const ScriptedCommonDialogBackend&)> counts[] = {
        [](const auto& b) { return b.FileRequests().size(); },
        [](const auto& b) { return b.FileRequests().size(); },
        [](const auto& b) { return b.ColorRequests().size(); },
        [](const auto& b) { return b.FontRequests().size(); },
        [](const auto& b) { return b.PrintRequests().size(); },
    };
    for (std::int32_t action = 1; action <= 5; ++action) {
        ScriptedCommonDialogBackend local;
        clsComdlg dlg(local, "Pelmo");
        EXPECT_EQ(Raised([&] { dlg.SetAction(action); }).Number(), 65535);
        EXPECT_EQ(counts[action - 1](local), 1u) << "action " << action;
    }
    ScriptedCommonDialogBackend local;
    clsComdlg open(local, "Pelmo");
    open.SetCancelError(false);
    open.SetAction(1);
    open.SetAction(2);
    EXPECT_FALSE(local.FileRequests()[0].save);
    EXPECT_TRUE(local.FileRequests()[1].save);
}

TEST_F(ComdlgTest, PrinterWithoutPrintersRaises9999BeforeAnyDialog) {
    backend.SetPrinterState(PrinterState::None);
    clsComdlg dlg(backend, "darvo");
    dlg.SetFlags(0x14000C);
    const RuntimeError error = Raised([&] { dlg.ShowPrinter(); });
    EXPECT_EQ(error.Number(), 9999);
    EXPECT_EQ(error.Source(), "darvo");
    EXPECT_EQ(error.Description(), "There is no printer in this system.");
    EXPECT_EQ(backend.DialogsShown(), 0);
    EXPECT_EQ(dlg.Flags(), 0x14000C);

    backend.SetPrinterState(PrinterState::Unavailable);
    EXPECT_EQ(Raised([&] { dlg.ShowPrinter(); }).Number(), 2001);
    EXPECT_EQ(backend.DialogsShown(), 0);
}

TEST_F(ComdlgTest, PrinterOkKeepsTheReturnedFlagsPagesAndCopies) {
    clsComdlg dlg(backend, "Pelmo");
    dlg.SetFlags(0x14000C);
    dlg.SetPrinterDefault(true);
    backend.QueuePrint({DialogStatus::Ok(), 0x14000C | 0x2, 3, 2, 5, 0});
    dlg.ShowPrinter();
    const PrintDialogRequest& request = backend.PrintRequests().at(0);
    EXPECT_EQ(request.flags, 0x14000C);
    EXPECT_TRUE(request.printerDefault);
    EXPECT_EQ(dlg.Flags(), 0x14000E);
    EXPECT_EQ(dlg.Copies(), 3);
    EXPECT_EQ(dlg.FromPage(), 2);
    EXPECT_EQ(dlg.ToPage(), 5);

    // Cancel leaves the properties alone and raises as for every dialog.
    backend.QueuePrint({DialogStatus::Cancel(), 0, 9, 9, 9, 0});
    EXPECT_EQ(Raised([&] { dlg.ShowPrinter(); }).Number(), 65535);
    EXPECT_EQ(dlg.Copies(), 3);
}

TEST_F(ComdlgTest, PageAndCopyRulesAndSixteenBitRange) {
    clsComdlg dlg(backend, "Pelmo");
    dlg.SetMin(2);
    dlg.SetMax(9);
    EXPECT_EQ(dlg.FromPage(), 2);
    EXPECT_EQ(dlg.ToPage(), 9);
    dlg.SetFromPage(4);
    EXPECT_EQ(dlg.Min(), 2);
    dlg.SetCopies(1);
    EXPECT_EQ(dlg.Copies(), 1);
    dlg.SetCopies(32767);
    EXPECT_EQ(dlg.Copies(), 32767);
    EXPECT_EQ(Raised([&] { dlg.SetCopies(32768); }).Number(), 6);
    EXPECT_EQ(Raised([&] { dlg.SetMaxFileSize(70000); }).Number(), 6);
    EXPECT_EQ(Raised([&] { dlg.SetMin(-40000); }).Number(), 6);
    EXPECT_EQ(dlg.Copies(), 32767);
    EXPECT_EQ(dlg.FromPage(), 4);
}

TEST_F(ComdlgTest, FontSizeKeepsWholeTenthsAndBoldMapsToWeight) {
    // clang-format off
    struct Row { float set; float read; };
    const Row rows[] = {{9.0f, 9.0f}, {10.25f, 10.2f}, {10.75f, 10.8f}, {8.04f, 8.0f}, {0.0f, 0.0f}};
    // clang-format on
    clsComdlg dlg(backend, "Pelmo");
    for (const Row& row : rows) {
        dlg.SetFontSize(row.set);
        EXPECT_FLOAT_EQ(dlg.FontSize(), row.read) << row.set;
    }
    dlg.SetFontBold(true);
    // Cancelled, but the request carries the font.
    EXPECT_EQ(Raised([&] { dlg.ShowFont(); }).Number(), 65535);
    EXPECT_EQ(backend.FontRequests().at(0).font.weight, 700);
    dlg.SetFontBold(false);
    EXPECT_FALSE(dlg.FontBold());
}

TEST_F(ComdlgTest, ColorAndFontDialogsWriteTheirChoiceOnlyAfterOk) {
    clsComdlg dlg(backend, "Pelmo");
    dlg.SetColor(0x123456);
    CustomColors custom{};
    custom[3] = 0xABCDEF;
    backend.QueueColor({DialogStatus::Ok(), 0x0000FF, custom});
    dlg.ShowColor();
    EXPECT_EQ(backend.ColorRequests().at(0).color, 0x123456);
    EXPECT_EQ(backend.ColorRequests().at(0).customColors[1], 0x800000);
    EXPECT_EQ(dlg.Color(), 0x0000FF);
    EXPECT_EQ(dlg.CustomColor(3), 0xABCDEF);

    dlg.SetCancelError(false);
    backend.QueueColor({DialogStatus::Cancel(), 0x00FF00, {}});
    dlg.ShowColor();
    EXPECT_EQ(dlg.Color(), 0x0000FF);

    backend.QueueFont({DialogStatus::Ok(), {"Liberation Sans", 125, 400, false, true, false}});
    dlg.ShowFont();
    EXPECT_EQ(dlg.FontName(), "Liberation Sans");
    EXPECT_FLOAT_EQ(dlg.FontSize(), 12.5f);
    EXPECT_FALSE(dlg.FontBold());
    EXPECT_TRUE(dlg.FontUnderline());
}

TEST_F(ComdlgTest, HelpPassesTheDataItsCommandNeeds) {
    // clang-format off
    struct Row { std::int32_t command; bool called; std::int32_t context; const char* key; };
    const Row rows[] = {
        {1, true, 42, ""}, {5, true, 42, ""}, {8, true, 42, ""},
        {2, true, 0, ""}, {3, true, 0, ""}, {11, true, 0, ""},
        {257, true, 0, "capacitor"}, {261, true, 0, "capacitor"},
        {6, false, 0, ""}, {0, false, 0, ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        ScriptedCommonDialogBackend local;
        clsComdlg dlg(local, "darvo", HelpSupport::Present);
        dlg.SetHelpFile("darvoehlp.pdf");
        dlg.SetHelpCommand(row.command);
        dlg.SetHelpContext(42);
        dlg.SetHelpKey("capacitor");
        dlg.ShowHelp();
        ASSERT_EQ(local.HelpRequests().size(), row.called ? 1u : 0u) << row.command;
        if (row.called) {
            const HelpRequest& request = local.HelpRequests()[0];
            EXPECT_EQ(request.helpFile, "darvoehlp.pdf");
            EXPECT_EQ(request.command, row.command);
            EXPECT_EQ(request.context, row.context);
            EXPECT_EQ(request.key, row.key);
        }
    }
}

}  // namespace
}  // namespace shared
