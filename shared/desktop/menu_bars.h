#ifndef SHARED_DESKTOP_MENU_BARS_H
#define SHARED_DESKTOP_MENU_BARS_H

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <span>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace shared {

// One line of a menu bar's table. Level 0 is a menu of the bar (or, without items under
// it, a command on the bar itself), level 1 an item of that menu, level 2 an item of the
// submenu above it. A caption of "-" is a separator. Name is the object name tests and
// tools find the item by. Command and Rule are the program's own numbers: the command an
// item runs (0 for a menu that only opens its items) and the rule that enables it (0 for
// always).
struct MenuItemSpec {
    int Level = 0;
    const char* Name = "";
    const char* Caption = "";
    int Command = 0;
    int Rule = 0;
    bool Checkable = false;
};

// The menu bars of a multiple-document program, built from their tables. The frame shows
// one of them at a time, the one of its active child window; windows of one kind share
// their bar, so their items take the same states.
class MenuBars : public QObject {
    Q_OBJECT

public:
    // owner parents the menus (the main window).
    explicit MenuBars(QWidget& owner);

    // Builds bar from its table.
    void AddBar(int bar, std::span<const MenuItemSpec> items);

    // Puts the menus of bar onto menuBar in place of what it showed.
    void ShowOn(int bar, QMenuBar& menuBar);
    int ShownBar() const noexcept { return shown_; }

    // The item or menu of a bar by its name; null when the bar has none.
    QAction* Action(int bar, const QString& name) const;
    // The menu a level-0 or submenu entry opens; null for a plain item.
    QMenu* Menu(int bar, const QString& name) const;

    // Enables every item of every bar that has a rule by what enabled says of it.
    void ApplyRules(const std::function<bool(int rule)>& enabled);

signals:
    void commandTriggered(int command);

private:
    struct Bar {
        std::vector<QAction*> TopLevel;       // what the menu bar shows, in order
        std::map<QString, QAction*> Actions;  // every item and menu by name
        std::map<QString, QMenu*> Menus;
        std::vector<std::pair<QAction*, int>> Rules;
    };

    QWidget& owner_;
    std::map<int, Bar> bars_;
    int shown_ = 0;
};

}  // namespace shared

#endif
