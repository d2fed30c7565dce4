#ifndef PELMO_APP_MENU_ITEMS_H
#define PELMO_APP_MENU_ITEMS_H

#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/s_parameter.h"
#include "pelmo/selection/selection_menu_state.h"

#include <optional>
#include <span>
#include <string>

namespace pelmo {

// Every command of the two menu bars. The selection window and the chart windows share
// most of them: a chart window's item runs the selection window's command of the same
// name, so one command list serves both bars.
enum class MenuCommand {
    None,  // a menu that only opens its items
    FileReset,
    FilePageSetup,
    FilePrint,
    FileSavedataSpara,
    FileSavedataImp,
    FileSavedataSpice,
    FileExit,
    ViewCodeEia,
    ViewCodeJis,
    ViewSize,
    CatalogLink,
    GraphSmithS11,
    GraphSmithS21,
    GraphMagS11,
    GraphMagS21,
    GraphPhaseS11,
    GraphPhaseS21,
    GraphImp,
    GraphESR,
    GraphReac,
    GraphQ,
    GraphDF,
    GraphApcapa,
    GraphApindu,
    GraphImpESR,
    WindowClose,
    HelpContents,
    VersionCheck,
    ContactUs,
    HelpAbout,
};

// Which value of the menu state switches an item on. The rules themselves are the
// selection's (ComputeMenuState); this only names the field an item follows.
enum class MenuEnable {
    Always,
    FileReset,
    FileSavedata,
    ViewSize,
    GraphSmith,
    GraphImp,
    GraphReac,
    GraphQ,
    GraphDF,
    GraphApcapa,
    GraphApindu,
    CatalogLink,
    WindowClose,     // the selection window's Close All: only while a chart is open
    ChartFilePrint,  // a chart window's Print: only while a part is chosen
};

// One line of a menu bar as the user sees it. Level 0 is a menu of the bar (or, without
// items under it, a command on the bar itself), level 1 an item of that menu, level 2 an
// item of the submenu above it. A caption of "-" is a separator. Name is the object name
// of the item, which tests and tools find it by.
struct MenuEntry {
    int Level = 0;
    const char* Name = "";
    const char* Caption = "";
    MenuCommand Command = MenuCommand::None;
    MenuEnable Enable = MenuEnable::Always;
};

enum class MenuBarKind { Selection, Chart };

// The menus of the selection window and of a chart window, in the order shown.
std::span<const MenuEntry> MenuBarEntries(MenuBarKind bar) noexcept;

// Whether an item with that rule is enabled in the given state.
bool IsEnabled(MenuEnable rule, const SelectionMenuState& state) noexcept;

// The chart a Chart menu command asks for: its chart name and S-parameter ("" for the
// kinds without one). Nothing for every other command.
struct ChartMenuRequest {
    ChartKind Kind = ChartKind::Smith;
    pelmo::SParameter SParameter = pelmo::SParameter::None;
};
std::optional<ChartMenuRequest> ChartRequestOf(MenuCommand command);

}  // namespace pelmo

#endif
