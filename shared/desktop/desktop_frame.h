#ifndef SHARED_DESKTOP_DESKTOP_FRAME_H
#define SHARED_DESKTOP_DESKTOP_FRAME_H

#include <QMainWindow>
#include <QString>

#include <string>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace shared {

class MenuBars;
class Messages;

// The main window of a multiple-document program: a frame around its child windows, one
// of which (the program's home window, its selection window) lives as long as the program
// and spans the top of the frame. The frame shows the menu bar of its active child window
// and lists the open windows in its Window menus. Every menu command enters the program
// through the window-entry guard, so any failure becomes the program's error report.
//
// A program derives its frmMain from this: it builds its menu bars, adds its home window
// and answers which bar a child window shows and what a command does.
class DesktopFrame : public QMainWindow {
    Q_OBJECT

public:
    // messages and programTitle are those of the error report of a failing command.
    DesktopFrame(Messages& messages, std::string programTitle, QWidget* parent = nullptr);
    ~DesktopFrame() override;
    DesktopFrame(const DesktopFrame&) = delete;
    DesktopFrame& operator=(const DesktopFrame&) = delete;

    QMdiArea& Area() noexcept { return *area_; }
    // The active child window; null when none is active or the children are gone.
    QMdiSubWindow* CurrentChildWindow() const;
    // A menu command as the user's click runs it: guarded.
    void RunMenuCommand(int command);

protected:
    // The program's menus; made by the program, parented by the frame.
    void SetMenuBars(MenuBars& bars);
    // The home window in its sub-window, which its frame cannot close.
    QMdiSubWindow* AddHomeWindow(QWidget& window, const QString& objectName);
    QMdiSubWindow* HomeSubWindow() const noexcept { return home_; }
    // After the home window's load: at the frame's top left at its loaded size (plus its
    // frame's title bar and borders), fitted to the frame and active.
    void PlaceHomeWindow();
    // Lists the open windows after the own items of that bar's menu whenever it opens.
    void ListWindowsIn(int bar, const QString& menuName);
    // The frame opens this large, or as large as the screen allows.
    void SetInitialSizeTwips(double width, double height);

    // The bar to show while window is the active child window (the home window's bar for
    // null, when no child window is active).
    virtual int MenuBarOf(QMdiSubWindow* window) const = 0;
    // What a menu command does.
    virtual void RunCommand(int command) = 0;
    // The windows the Window menu lists, in the order it lists them: by default the
    // child windows in opening order; a program with a registry of its windows says.
    virtual std::vector<QMdiSubWindow*> ListedWindows() const;
    // Shows the bar of the window active now.
    void ShowMenuBarOfCurrentWindow();
    // Deletes the child windows now, while what they report to still exists.
    void CloseChildWindows();

    // MDIForm_Resize: the home window spans the frame, 200 twips narrower.
    void resizeEvent(QResizeEvent* event) override;
    // The home window lives as long as the program: its frame cannot close it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SubWindowActivated(QMdiSubWindow* window);
    // After the Window menu's own items, the open windows in opening order, the active one
    // checked, as a multiple-document program lists them: a window hidden behind others
    // is one click away.
    void ListWindows(QMenu& menu);
    void FitHomeWindow();

    Messages& messages_;
    std::string programTitle_;
    QMdiArea* area_;
    MenuBars* bars_ = nullptr;
    QMdiSubWindow* home_ = nullptr;
};

}  // namespace shared

#endif
