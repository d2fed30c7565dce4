#include "pelmo/app/qt/program_menus.h"

#include <QAction>
#include <QMenu>

#include <vector>

namespace pelmo {

namespace {

bool IsCodeItem(MenuCommand command) {
    return command == MenuCommand::ViewCodeEia || command == MenuCommand::ViewCodeJis;
}

std::vector<shared::MenuItemSpec> ItemsOf(MenuBarKind bar) {
    std::vector<shared::MenuItemSpec> items;
    for (const MenuEntry& entry : MenuBarEntries(bar)) {
        items.push_back({entry.Level, entry.Name, entry.Caption, static_cast<int>(entry.Command),
                         static_cast<int>(entry.Enable), IsCodeItem(entry.Command)});
    }
    return items;
}

}  // namespace

// MenuCommand::None and MenuEnable::Always are the table's "no command" and "always".
static_assert(static_cast<int>(MenuCommand::None) == 0 && static_cast<int>(MenuEnable::Always) == 0);

ProgramMenus::ProgramMenus(QWidget& owner) : MenuBars(owner) {
    for (const MenuBarKind bar : {MenuBarKind::Selection, MenuBarKind::Chart}) {
        AddBar(static_cast<int>(bar), ItemsOf(bar));
    }
    // Opening a chart window's View menu shows the notation chosen in the selection
    // window, whatever its own items last showed.
    if (QMenu* view = Menu(MenuBarKind::Chart, QStringLiteral("mnuView"))) {
        connect(view, &QMenu::aboutToShow, this, &ProgramMenus::CopyCodeChecksToChartBar);
    }
}

void ProgramMenus::Apply(const SelectionMenuState& state) {
    ApplyRules([&state](int rule) { return IsEnabled(static_cast<MenuEnable>(rule), state); });
}

void ProgramMenus::SetCodeSystem(shared::CodeSystem codeSystem) {
    Action(MenuBarKind::Selection, QStringLiteral("mnuViewCode0"))->setChecked(codeSystem == shared::Eia);
    Action(MenuBarKind::Selection, QStringLiteral("mnuViewCode1"))->setChecked(codeSystem == shared::Jis);
}

void ProgramMenus::CopyCodeChecksToChartBar() {
    for (const QString& name : {QStringLiteral("mnuViewCode0"), QStringLiteral("mnuViewCode1")}) {
        Action(MenuBarKind::Chart, name)->setChecked(Action(MenuBarKind::Selection, name)->isChecked());
    }
}

}  // namespace pelmo
