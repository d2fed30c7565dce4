#include "shared/desktop/menu_bars.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <cstddef>

namespace shared {

MenuBars::MenuBars(QWidget& owner) : QObject(&owner), owner_(owner) {}

void MenuBars::AddBar(int kind, std::span<const MenuItemSpec> items) {
    Bar& bar = bars_[kind];
    // The menu each level adds its items to: [0] unused, [1] the top menu, [2] a submenu.
    QMenu* parents[3] = {nullptr, nullptr, nullptr};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItemSpec& item = items[i];
        const QString name = QString::fromLatin1(item.Name);
        const QString caption = QString::fromLatin1(item.Caption);
        const bool opensItems = i + 1 < items.size() && items[i + 1].Level > item.Level;
        QAction* action = nullptr;
        if (caption == QLatin1String("-")) {
            action = parents[item.Level]->addSeparator();
        } else if (opensItems) {
            QMenu* menu =
                item.Level == 0 ? new QMenu(caption, &owner_) : parents[item.Level]->addMenu(caption);
            menu->setObjectName(name);
            action = menu->menuAction();
            bar.Menus[name] = menu;
            parents[item.Level + 1] = menu;
        } else {
            action = new QAction(caption, &owner_);
            if (item.Level > 0) {
                parents[item.Level]->addAction(action);
            }
            const int command = item.Command;
            action->setCheckable(item.Checkable);
            connect(action, &QAction::triggered, this, [this, command]() { emit commandTriggered(command); });
        }
        action->setObjectName(name);
        if (item.Level == 0) {
            bar.TopLevel.push_back(action);
        }
        bar.Actions[name] = action;
        if (item.Rule != 0) {
            bar.Rules.emplace_back(action, item.Rule);
        }
    }
}

void MenuBars::ShowOn(int kind, QMenuBar& menuBar) {
    shown_ = kind;
    for (QAction* action : menuBar.actions()) {
        menuBar.removeAction(action);
    }
    const auto found = bars_.find(kind);
    if (found == bars_.end()) {
        return;
    }
    for (QAction* action : found->second.TopLevel) {
        menuBar.addAction(action);
    }
}

QAction* MenuBars::Action(int kind, const QString& name) const {
    const auto bar = bars_.find(kind);
    if (bar == bars_.end()) {
        return nullptr;
    }
    const auto found = bar->second.Actions.find(name);
    return found == bar->second.Actions.end() ? nullptr : found->second;
}

QMenu* MenuBars::Menu(int kind, const QString& name) const {
    const auto bar = bars_.find(kind);
    if (bar == bars_.end()) {
        return nullptr;
    }
    const auto found = bar->second.Menus.find(name);
    return found == bar->second.Menus.end() ? nullptr : found->second;
}

void MenuBars::ApplyRules(const std::function<bool(int rule)>& enabled) {
    for (auto& [kind, bar] : bars_) {
        for (const auto& [action, rule] : bar.Rules) {
            action->setEnabled(enabled(rule));
        }
    }
}

}  // namespace shared
