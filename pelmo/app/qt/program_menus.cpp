#include "pelmo/app/qt/program_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <cstddef>

namespace pelmo {

namespace {

bool IsCodeItem(MenuCommand command) {
    return command == MenuCommand::ViewCodeEia || command == MenuCommand::ViewCodeJis;
}

}  // namespace

ProgramMenus::ProgramMenus(QWidget& owner) : QObject(&owner) {
    Build(MenuBarKind::Selection, owner);
    Build(MenuBarKind::Chart, owner);
    // Opening a chart window's View menu shows the notation chosen in the selection
    // window, whatever its own items last showed.
    if (QMenu* view = Menu(MenuBarKind::Chart, QStringLiteral("mnuView"))) {
        connect(view, &QMenu::aboutToShow, this, &ProgramMenus::CopyCodeChecksToChartBar);
    }
}

void ProgramMenus::Build(MenuBarKind kind, QWidget& owner) {
    Bar& bar = BarOf(kind);
    const std::span<const MenuEntry> entries = MenuBarEntries(kind);
    // The menu each level adds its items to: [0] unused, [1] the top menu, [2] a submenu.
    QMenu* parents[3] = {nullptr, nullptr, nullptr};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& entry = entries[i];
        const QString name = QString::fromLatin1(entry.Name);
        const QString caption = QString::fromLatin1(entry.Caption);
        const bool opensItems = i + 1 < entries.size() && entries[i + 1].Level > entry.Level;
        QAction* action = nullptr;
        if (caption == QLatin1String("-")) {
            action = parents[entry.Level]->addSeparator();
        } else if (opensItems) {
            QMenu* menu = entry.Level == 0 ? new QMenu(caption, &owner) : parents[entry.Level]->addMenu(caption);
            menu->setObjectName(name);
            action = menu->menuAction();
            bar.Menus[name] = menu;
            parents[entry.Level + 1] = menu;
        } else {
            action = new QAction(caption, &owner);
            if (entry.Level > 0) {
                parents[entry.Level]->addAction(action);
            }
            const MenuCommand command = entry.Command;
            action->setCheckable(IsCodeItem(command));
            connect(action, &QAction::triggered, this, [this, command]() { emit commandTriggered(command); });
        }
        action->setObjectName(name);
        if (entry.Level == 0) {
            bar.TopLevel.push_back(action);
        }
        bar.Actions[name] = action;
        if (entry.Enable != MenuEnable::Always) {
            bar.Rules.emplace_back(action, entry.Enable);
        }
    }
}

void ProgramMenus::ShowOn(MenuBarKind bar, QMenuBar& menuBar) {
    shown_ = bar;
    for (QAction* action : menuBar.actions()) {
        menuBar.removeAction(action);
    }
    for (QAction* action : BarOf(bar).TopLevel) {
        menuBar.addAction(action);
    }
}

QAction* ProgramMenus::Action(MenuBarKind bar, const QString& name) const {
    const auto& actions = BarOf(bar).Actions;
    const auto found = actions.find(name);
    return found == actions.end() ? nullptr : found->second;
}

QMenu* ProgramMenus::Menu(MenuBarKind bar, const QString& name) const {
    const auto& menus = BarOf(bar).Menus;
    const auto found = menus.find(name);
    return found == menus.end() ? nullptr : found->second;
}

void ProgramMenus::Apply(const SelectionMenuState& state) {
    for (Bar* bar : {&selection_, &chart_}) {
        for (const auto& [action, rule] : bar->Rules) {
            action->setEnabled(IsEnabled(rule, state));
        }
    }
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
