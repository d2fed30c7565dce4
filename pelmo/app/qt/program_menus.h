#ifndef PELMO_APP_QT_PROGRAM_MENUS_H
#define PELMO_APP_QT_PROGRAM_MENUS_H

#include "pelmo/app/menu_items.h"

#include "shared/parts/code_system.h"

#include <QObject>

#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace pelmo {

// The two menu bars of the program, built from their tables: the selection window's and
// the chart windows'. The main window shows one of them at a time, the one of its active
// child window, as a multiple-document program does. Every chart window shares the one
// chart bar: their items take the same states, and the output commands act on the
// active chart window.
class ProgramMenus : public QObject {
    Q_OBJECT

public:
    // owner parents the menus (the main window).
    explicit ProgramMenus(QWidget& owner);

    // Puts the menus of bar onto menuBar in place of what it showed.
    void ShowOn(MenuBarKind bar, QMenuBar& menuBar);
    MenuBarKind Shown() const noexcept { return shown_; }

    // The item or menu of a bar by its name ("mnuFilePrint"); null when the bar has none.
    QAction* Action(MenuBarKind bar, const QString& name) const;
    // The menu a level-0 or submenu entry opens; null for a plain item.
    QMenu* Menu(MenuBarKind bar, const QString& name) const;

    // Enables every item of both bars by its rule.
    void Apply(const SelectionMenuState& state);
    // The check marks of the selection bar's notation items. A chart window's View menu
    // copies them when it opens.
    void SetCodeSystem(shared::CodeSystem codeSystem);

signals:
    void commandTriggered(pelmo::MenuCommand command);

private:
    struct Bar {
        std::vector<QAction*> TopLevel;          // what the menu bar shows, in order
        std::map<QString, QAction*> Actions;     // every item and menu by name
        std::map<QString, QMenu*> Menus;
        std::vector<std::pair<QAction*, MenuEnable>> Rules;
    };
    void Build(MenuBarKind kind, QWidget& owner);
    Bar& BarOf(MenuBarKind kind) { return kind == MenuBarKind::Chart ? chart_ : selection_; }
    const Bar& BarOf(MenuBarKind kind) const { return kind == MenuBarKind::Chart ? chart_ : selection_; }
    void CopyCodeChecksToChartBar();

    Bar selection_;
    Bar chart_;
    MenuBarKind shown_ = MenuBarKind::Selection;
};

}  // namespace pelmo

#endif
