#include "darvo/app/menu_items.h"

#include <array>

namespace darvo {

namespace {

using C = MenuCommand;
using E = MenuEnable;

// clang-format off
constexpr std::array kMainBar{
    MenuEntry{0, "mnuFile", "&File"},
    MenuEntry{1, "mnuResetSelction", "&Reset Selection", C::ResetSelection},
    MenuEntry{1, "mnuFileBar1", "-"},
    MenuEntry{1, "mnuOutPut", "&OutPut Data", C::None, E::OutPut},
    MenuEntry{2, "mnuSaveDataToFile", "&Save Data To File...", C::SaveDataToFile, E::OutPut},
    MenuEntry{2, "mnuPrintData", "&Data Print...", C::PrintData, E::OutPut},
    MenuEntry{1, "mnuFileBar2", "-"},
    MenuEntry{1, "mnuExit", "E&xit", C::Exit},
    MenuEntry{0, "mnuView", "&View"},
    MenuEntry{1, "mnuViewCode0", "&EIA code", C::ViewCodeEia},
    MenuEntry{1, "mnuViewCode1", "&JIS code", C::ViewCodeJis},
    MenuEntry{1, "mnuViewBar1", "-"},
    MenuEntry{1, "mnuCatalogLink", "&Link to Catalog", C::CatalogLink, E::CatalogLink},
    MenuEntry{0, "mnuWindow", "&Window"},
    MenuEntry{1, "mnuCloseAllChartWindows", "&Close All Chart Windows", C::CloseAllChartWindows},
    MenuEntry{0, "mnuHelp", "&Help"},
    MenuEntry{1, "mnuContents", "&Contents...", C::HelpContents},
    MenuEntry{1, "mnuHelpBar1", "-"},
    MenuEntry{1, "mnuVersionCheck", "&Version Check", C::VersionCheck},
    MenuEntry{1, "mnuContactUs", "&Contact Us", C::ContactUs},
    MenuEntry{1, "mnuHelpBar2", "-"},
    MenuEntry{1, "mnuAbout", "&About...", C::About},
};

// A chart window's bar: its own print commands and Chart menu besides the main window's
// commands; no web pages under Help.
constexpr std::array kChartBar{
    MenuEntry{0, "mnuFile", "&File"},
    MenuEntry{1, "mnuFileReset", "&Reset Selection", C::ResetSelection},
    MenuEntry{1, "mnuFileBar1", "-"},
    MenuEntry{1, "mnuFilePageSetup", "Print Set&up...", C::PageSetup},
    MenuEntry{1, "mnuFilePrint", "&Print...", C::PrintChart},
    MenuEntry{1, "mnuFileBar2", "-"},
    MenuEntry{1, "mnuOutPut", "&OutPut Data", C::None, E::OutPut},
    MenuEntry{2, "mnuFileSaveData", "&Save Data To File...", C::SaveDataToFile, E::OutPut},
    MenuEntry{2, "mnuPrintData", "&Print Data...", C::PrintData, E::OutPut},
    MenuEntry{1, "mnuFileBar3", "-"},
    MenuEntry{1, "mnuFileExit", "E&xit", C::Exit},
    MenuEntry{0, "mnuView", "&View"},
    MenuEntry{1, "mnuViewCode0", "&EIA code", C::ViewCodeEia},
    MenuEntry{1, "mnuViewCode1", "&JIS code", C::ViewCodeJis},
    MenuEntry{1, "mnuViewBar1", "-"},
    MenuEntry{1, "mnuCatalogLink", "&Link to Catalog", C::CatalogLink, E::CatalogLink},
    MenuEntry{0, "mnuChart", "&Chart"},
    MenuEntry{1, "mnuChartExpand", "&Expand/Contract...", C::ChartExpand},
    MenuEntry{1, "mnuChartClipboard", "&Copy to Clipboard", C::ChartClipboard},
    MenuEntry{0, "mnuWindow", "&Window"},
    MenuEntry{1, "mnuWindowClose", "&Close All Chart Windows", C::CloseAllChartWindows},
    MenuEntry{0, "mnuHelp", "&Help"},
    MenuEntry{1, "mnuHelpContents", "&Contents...", C::HelpContents},
    MenuEntry{1, "mnuHelpBar1", "-"},
    MenuEntry{1, "mnuHelpAbout", "&About...", C::About},
};
// clang-format on

}  // namespace

std::span<const MenuEntry> MenuBarEntries(MenuBarKind bar) noexcept {
    if (bar == MenuBarKind::Chart) {
        return kChartBar;
    }
    return kMainBar;
}

bool IsEnabled(MenuEnable rule, const MenuState& state) noexcept {
    switch (rule) {
        case E::Always:
            return true;
        case E::OutPut:
        case E::CatalogLink:
            return state.PlotEnabled;
    }
    return false;
}

}  // namespace darvo
