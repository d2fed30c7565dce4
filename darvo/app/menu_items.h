#ifndef DARVO_APP_MENU_ITEMS_H
#define DARVO_APP_MENU_ITEMS_H

#include <span>

namespace darvo {

// Every command of the two menu bars. A chart window's items of the same names run the
// main window's commands, so each command exists once: a chart window adds only its page
// setup, print and Chart menu, which act on that window.
enum class MenuCommand {
    None,  // a menu that only opens its items
    ResetSelection,
    PageSetup,
    PrintChart,
    SaveDataToFile,
    PrintData,
    Exit,
    ViewCodeEia,
    ViewCodeJis,
    CatalogLink,
    ChartExpand,
    ChartClipboard,
    CloseAllChartWindows,
    HelpContents,
    VersionCheck,
    ContactUs,
    About,
};

// What an item's Enabled state follows.
enum class MenuEnable {
    Always,
    // File > OutPut Data: exactly while the selection window's Plot button is enabled,
    // that is while a chart could be drawn from the current selection.
    OutPut,
    // Link to Catalog, on both bars: what ChangeEnable switches with the Plot button.
    CatalogLink,
};

// The menu state the selection decides: whether a part is chosen completely, so that
// its Plot button is enabled.
struct MenuState {
    bool PlotEnabled = false;
};

// One line of a menu bar as the user sees it. Level 0 is a menu of the bar, level 1 an
// item of that menu, level 2 an item of the submenu above it. A caption of "-" is a
// separator. Name is the object name of the item, which tests and tools find it by.
struct MenuEntry {
    int Level = 0;
    const char* Name = "";
    const char* Caption = "";
    MenuCommand Command = MenuCommand::None;
    MenuEnable Enable = MenuEnable::Always;
};

// Main: the main window's bar, shown while the selection window is active. Chart: the
// bar of the chart windows, shown while one of them is.
enum class MenuBarKind { Main, Chart };

// The menus of a bar, in the order shown.
std::span<const MenuEntry> MenuBarEntries(MenuBarKind bar) noexcept;

// Whether an item with that rule is enabled in the given state.
bool IsEnabled(MenuEnable rule, const MenuState& state) noexcept;

}  // namespace darvo

#endif
