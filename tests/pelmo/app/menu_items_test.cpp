#include "pelmo/app/menu_items.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace pelmo {
namespace {

const MenuEntry* Find(MenuBarKind bar, const std::string& name) {
    for (const MenuEntry& entry : MenuBarEntries(bar)) {
        if (name == entry.Name) {
            return &entry;
        }
    }
    return nullptr;
}

// Every item of a bar can be told apart by its name, and every submenu item hangs under
// an entry that opens it.
TEST(MenuItemsTest, TheBarsAreWellFormed) {
    for (const MenuBarKind bar : {MenuBarKind::Selection, MenuBarKind::Chart}) {
        std::set<std::string> names;
        int previousLevel = -1;
        for (const MenuEntry& entry : MenuBarEntries(bar)) {
            EXPECT_TRUE(names.insert(entry.Name).second) << entry.Name;
            EXPECT_LE(entry.Level, previousLevel + 1) << entry.Name;
            previousLevel = entry.Level;
        }
    }
}

// The output commands belong to chart windows only, and each bar's Close All and Print
// follow their own rules: the selection window's Close All only while a chart is open,
// a chart window's always (it is open itself); Print only while a part is chosen.
TEST(MenuItemsTest, TheRulesOfTheTwoBarsDiffer) {
    EXPECT_EQ(Find(MenuBarKind::Selection, "mnuFilePrint"), nullptr);
    EXPECT_EQ(Find(MenuBarKind::Selection, "mnuFilePageSetup"), nullptr);
    EXPECT_EQ(Find(MenuBarKind::Chart, "mnuVersionCheck"), nullptr);
    SelectionMenuState nothing;  // no part, no chart window
    SelectionMenuState partChosen;
    partChosen.ChartFilePrint = true;
    partChosen.WindowClose = true;
    const MenuEntry* selectionClose = Find(MenuBarKind::Selection, "mnuWindowClose");
    const MenuEntry* chartClose = Find(MenuBarKind::Chart, "mnuWindowClose");
    const MenuEntry* print = Find(MenuBarKind::Chart, "mnuFilePrint");
    ASSERT_TRUE(selectionClose && chartClose && print);
    EXPECT_FALSE(IsEnabled(selectionClose->Enable, nothing));
    EXPECT_TRUE(IsEnabled(selectionClose->Enable, partChosen));
    EXPECT_TRUE(IsEnabled(chartClose->Enable, nothing));
    EXPECT_FALSE(IsEnabled(print->Enable, nothing));
    EXPECT_TRUE(IsEnabled(print->Enable, partChosen));
    EXPECT_TRUE(IsEnabled(Find(MenuBarKind::Chart, "mnuFilePageSetup")->Enable, nothing));
}

// Every Chart menu item asks for its chart name and S-parameter, on both bars.
TEST(MenuItemsTest, ChartItemsNameTheirChart) {
    struct Row {
        const char* name;
        ChartKind kind;
        const char* sParameter;
    };
    // clang-format off
    const Row rows[] = {
        {"mnuGraphSmithS11", ChartKind::Smith, "S11"},         {"mnuGraphSmithS21", ChartKind::Smith, "S21"},
        {"mnuGraphMagS11", ChartKind::Magnitude, "S11"},       {"mnuGraphMagS21", ChartKind::Magnitude, "S21"},
        {"mnuGraphPhaseS11", ChartKind::Phase, "S11"},         {"mnuGraphPhaseS21", ChartKind::Phase, "S21"},
        {"mnuGraphImp", ChartKind::Impedance, ""},             {"mnuGraphESR", ChartKind::Esr, ""},
        {"mnuGraphReac", ChartKind::Reactance, ""},            {"mnuGraphQ", ChartKind::Q, ""},
        {"mnuGraphDF", ChartKind::DF, ""},                     {"mnuGraphApcapa", ChartKind::ApparentCapacitance, ""},
        {"mnuGraphApindu", ChartKind::ApparentInductance, ""}, {"mnuGraphImpESR", ChartKind::ImpedanceAndEsr, ""},
    };
    // clang-format on
    for (const MenuBarKind bar : {MenuBarKind::Selection, MenuBarKind::Chart}) {
        int chartItems = 0;
        for (const MenuEntry& entry : MenuBarEntries(bar)) {
            chartItems += ChartRequestOf(entry.Command) ? 1 : 0;
        }
        EXPECT_EQ(chartItems, 14);
        for (const Row& row : rows) {
            const MenuEntry* entry = Find(bar, row.name);
            ASSERT_NE(entry, nullptr) << row.name;
            const std::optional<ChartMenuRequest> request = ChartRequestOf(entry->Command);
            ASSERT_TRUE(request) << row.name;
            EXPECT_EQ(request->Kind, row.kind) << row.name;
            EXPECT_EQ(SParameterName(request->SParameter), row.sParameter) << row.name;
        }
    }
}

}  // namespace
}  // namespace pelmo
