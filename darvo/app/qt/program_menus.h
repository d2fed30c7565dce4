#ifndef DARVO_APP_QT_PROGRAM_MENUS_H
#define DARVO_APP_QT_PROGRAM_MENUS_H

#include "darvo/app/menu_items.h"

#include "shared/desktop/menu_bars.h"
#include "shared/parts/code_system.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace darvo {

// The two menu bars of the program, built from their tables: the main window's, shown
// while the selection window is active, and the chart windows', shown while one of them
// is. Every chart window shares the one chart bar: their items take the same states, and
// the chart commands act on the active chart window. A triggered item sends its
// MenuCommand as the number commandTriggered carries.
class ProgramMenus : public shared::MenuBars {
    Q_OBJECT

public:
    // owner parents the menus (the main window).
    explicit ProgramMenus(QWidget& owner);

    // Puts the menus of bar onto menuBar in place of what it showed.
    void ShowOn(MenuBarKind bar, QMenuBar& menuBar) { MenuBars::ShowOn(static_cast<int>(bar), menuBar); }
    MenuBarKind Shown() const noexcept { return static_cast<MenuBarKind>(ShownBar()); }

    // The item or menu of a bar by its name ("mnuFilePrint"); null when the bar has none.
    QAction* Action(MenuBarKind bar, const QString& name) const {
        return MenuBars::Action(static_cast<int>(bar), name);
    }
    // The menu a level-0 or submenu entry opens; null for a plain item.
    QMenu* Menu(MenuBarKind bar, const QString& name) const {
        return MenuBars::Menu(static_cast<int>(bar), name);
    }

    // Enables every item of both bars by its rule.
    void Apply(const MenuState& state);
    // The check marks of the main bar's notation items: exactly one carries it. A chart
    // window's View menu copies them when it opens.
    void SetCodeSystem(shared::CodeSystem codeSystem);

private:
    void CopyCodeChecksToChartBar();
};

}  // namespace darvo

#endif
