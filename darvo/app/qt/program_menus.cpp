#include "darvo/app/qt/program_menus.h"

#include <QAction>
#include <QMenu>

#include <vector>

namespace darvo {

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
    for (const MenuBarKind bar : {MenuBarKind::Main, MenuBarKind::Chart}) {
        AddBar(static_cast<int>(bar), ItemsOf(bar));
    }
    // mnuView_Click of a chart window: its items show the notation of the main window's.
    if (QMenu* view = Menu(MenuBarKind::Chart, QStringLiteral("mnuView"))) {
        connect(view, &QMenu::aboutToShow, this, &ProgramMenus::CopyCodeChecksToChartBar);
    }
    SetCodeSystem(shared::Eia);
}

void ProgramMenus::Apply(const MenuState& state) {
    ApplyRules([&state](int rule) { return IsEnabled(static_cast<MenuEnable>(rule), state); });
}

void ProgramMenus::SetCodeSystem(shared::CodeSystem codeSystem) {
    Action(MenuBarKind::Main, QStringLiteral("mnuViewCode0"))->setChecked(codeSystem == shared::Eia);
    Action(MenuBarKind::Main, QStringLiteral("mnuViewCode1"))->setChecked(codeSystem == shared::Jis);
    CopyCodeChecksToChartBar();
}

void ProgramMenus::CopyCodeChecksToChartBar() {
    for (const QString& name : {QStringLiteral("mnuViewCode0"), QStringLiteral("mnuViewCode1")}) {
        Action(MenuBarKind::Chart, name)->setChecked(Action(MenuBarKind::Main, name)->isChecked());
    }
}

}  // namespace darvo
