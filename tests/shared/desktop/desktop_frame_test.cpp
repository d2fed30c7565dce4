#include "shared/desktop/desktop_frame.h"

#include "shared/desktop/menu_bars.h"
#include "shared/desktop/window_entry.h"
#include "shared/dialogs/twips.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/fake_messages.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace shared {
namespace {

enum Bar { kHomeBar = 1, kOtherBar = 2 };
enum Command { kNone = 0, kThrowStd = 1, kThrowRuntime = 2, kOpenWindow = 3 };
enum Rule { kAlways = 0, kWhileOpen = 1 };

constexpr std::array<MenuItemSpec, 5> kHomeItems{{
    {0, "mnuFile", "&File"},
    {1, "mnuFileStd", "Standard failure", kThrowStd},
    {1, "mnuFileRuntime", "Program failure", kThrowRuntime, kWhileOpen},
    {0, "mnuWindow", "&Window"},
    {1, "mnuWindowOpen", "&Open", kOpenWindow},
}};
constexpr std::array<MenuItemSpec, 3> kOtherItems{{
    {0, "mnuWindow", "&Window"},
    {1, "mnuWindowOpen", "&Open", kOpenWindow},
    {0, "mnuCheck", "Check", kNone, kAlways, true},
}};

// A program's frame: a home window, other windows opened by a command, two bars.
class TestFrame : public DesktopFrame {
public:
    explicit TestFrame(Messages& messages) : DesktopFrame(messages, "Tester"), bars_(new MenuBars(*this)) {
        bars_->AddBar(kHomeBar, kHomeItems);
        bars_->AddBar(kOtherBar, kOtherItems);
        SetMenuBars(*bars_);
        home_ = new QWidget;
        home_->setWindowTitle(QStringLiteral("Home"));
        home_->resize(300, 120);
        AddHomeWindow(*home_, QStringLiteral("homeWindow"));
        ListWindowsIn(kHomeBar, QStringLiteral("mnuWindow"));
        ListWindowsIn(kOtherBar, QStringLiteral("mnuWindow"));
        bars_->ShowOn(kHomeBar, *menuBar());
    }

    void Load() { PlaceHomeWindow(); }
    MenuBars& Bars() { return *bars_; }
    QMdiSubWindow* Home() const { return HomeSubWindow(); }
    int opened = 0;

protected:
    int MenuBarOf(QMdiSubWindow* window) const override {
        return window == nullptr || window == HomeSubWindow() ? kHomeBar : kOtherBar;
    }
    void RunCommand(int command) override {
        switch (command) {
            case kThrowStd:
                throw std::runtime_error("disk on fire");
            case kThrowRuntime:
                throw RuntimeError(53);
            case kOpenWindow: {
                auto* window = new QWidget;
                window->setWindowTitle(QStringLiteral("Chart & Co %1").arg(++opened));
                Area().addSubWindow(window)->show();
                Area().setActiveSubWindow(Area().subWindowList().last());
                break;
            }
            default:
                break;
        }
    }

private:
    MenuBars* bars_;
    QWidget* home_;
};

class DesktopFrameTest : public ::testing::Test {
protected:
    DesktopFrameTest() : frame(messages) {
        frame.resize(800, 600);
        frame.show();
        frame.Load();
        QApplication::processEvents();
    }
    void Trigger(int bar, const char* name) {
        QAction* action = frame.Bars().Action(bar, QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
        QApplication::processEvents();
    }
    std::vector<QString> ListedWindows(int bar) {
        QMenu* menu = frame.Bars().Menu(bar, QStringLiteral("mnuWindow"));
        emit menu->aboutToShow();
        std::vector<QString> captions;
        for (QAction* action : menu->actions()) {
            if (action->property("windowListItem").toBool() && !action->isSeparator()) {
                captions.push_back(action->text() + (action->isChecked() ? QStringLiteral(" *") : QString()));
            }
        }
        return captions;
    }

    FakeMessages messages;
    TestFrame frame;
};

// A failure of any kind in a menu command ends as the error report, never in the
// toolkit's event loop.
TEST_F(DesktopFrameTest, AFailingMenuCommandIsReportedNotPropagated) {
    EXPECT_NO_THROW(Trigger(kHomeBar, "mnuFileStd"));
    ASSERT_EQ(messages.Shown().size(), 1U);
    EXPECT_EQ(messages.Shown()[0].text, "Unexpected Error 5\r\ndisk on fire");
    EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.Shown()[0].title, "Tester");

    EXPECT_NO_THROW(frame.RunMenuCommand(kThrowRuntime));
    ASSERT_EQ(messages.Shown().size(), 2U);
    EXPECT_EQ(messages.Shown()[1].text, "Unexpected Error 53\r\nFile not found");
}

TEST(WindowEntryTest, AGuardedSlotPassesItsArgumentsAndReportsAnyThrow) {
    FakeMessages messages;
    int seen = 0;
    auto slot = GuardedEntry(messages, "Tester", [&seen](int value) {
        seen = value;
        if (value < 0) throw 42;
    });
    slot(7);
    EXPECT_EQ(seen, 7);
    EXPECT_TRUE(messages.Shown().empty());
    slot(-1);
    ASSERT_EQ(messages.Shown().size(), 1U);
    EXPECT_EQ(messages.Shown()[0].text.rfind("Unexpected Error 5\r\n", 0), 0U);
}

// The bar shown follows the active window; the rules enable items on every bar.
TEST_F(DesktopFrameTest, TheActiveWindowChoosesTheMenuBar) {
    EXPECT_EQ(frame.Bars().ShownBar(), kHomeBar);
    Trigger(kHomeBar, "mnuWindowOpen");
    EXPECT_EQ(frame.Bars().ShownBar(), kOtherBar);
    ASSERT_EQ(frame.menuBar()->actions().size(), 2);
    EXPECT_EQ(frame.menuBar()->actions()[1]->objectName(), QStringLiteral("mnuCheck"));
    frame.Area().setActiveSubWindow(frame.Home());
    EXPECT_EQ(frame.Bars().ShownBar(), kHomeBar);

    frame.Bars().ApplyRules([](int rule) { return rule != kWhileOpen; });
    EXPECT_FALSE(frame.Bars().Action(kHomeBar, QStringLiteral("mnuFileRuntime"))->isEnabled());
    EXPECT_TRUE(frame.Bars().Action(kHomeBar, QStringLiteral("mnuFileStd"))->isEnabled());
    EXPECT_TRUE(frame.Bars().Action(kOtherBar, QStringLiteral("mnuCheck"))->isCheckable());
}

// The Window menu of either bar lists the open windows in opening order, the active one
// checked, and an item activates its window.
TEST_F(DesktopFrameTest, TheWindowMenuListsAndActivatesTheWindows) {
    Trigger(kHomeBar, "mnuWindowOpen");
    Trigger(kOtherBar, "mnuWindowOpen");
    EXPECT_EQ(ListedWindows(kOtherBar),
              (std::vector<QString>{QStringLiteral("&1 Home"), QStringLiteral("&2 Chart && Co 1"),
                                    QStringLiteral("&3 Chart && Co 2 *")}));
    // Opening again replaces the list rather than adding to it.
    EXPECT_EQ(ListedWindows(kOtherBar).size(), 3U);
    QMenu* menu = frame.Bars().Menu(kOtherBar, QStringLiteral("mnuWindow"));
    for (QAction* action : menu->actions()) {
        if (action->text() == QStringLiteral("&1 Home")) action->trigger();
    }
    EXPECT_EQ(frame.Area().currentSubWindow(), frame.Home());
    EXPECT_EQ(frame.Bars().ShownBar(), kHomeBar);
}

// The home window spans the frame less 200 twips, follows its size and cannot be closed.
TEST_F(DesktopFrameTest, TheHomeWindowFitsTheFrameAndStaysOpen) {
    const int margin = TwipsToPixels(200.0, frame.logicalDpiX());
    EXPECT_EQ(frame.Home()->pos(), QPoint(0, 0));
    EXPECT_EQ(frame.Home()->width(), frame.width() - margin);
    frame.resize(700, 600);
    QApplication::processEvents();
    EXPECT_EQ(frame.Home()->width(), 700 - margin);

    frame.Home()->close();
    QApplication::processEvents();
    EXPECT_TRUE(frame.Home()->isVisible());
    EXPECT_EQ(frame.Area().subWindowList().size(), 1);
}

}  // namespace
}  // namespace shared
