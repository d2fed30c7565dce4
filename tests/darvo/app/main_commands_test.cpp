#include "app_test_support.h"
#include "darvo/app/code_switch.h"
#include "darvo/app/help_and_links.h"
#include "darvo/app/menu_items.h"
#include "darvo/app/testing/fake_program.h"
#include "darvo/engine/chart_table.h"
#include "darvo/selection/library_selection.h"
#include "darvo/selection/testing/scripted_selection_host.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/web_link.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace darvo::testing {
namespace {

std::vector<std::string> Captions(MenuBarKind bar, int level0Index) {
    std::vector<std::string> captions;
    int menu = -1;
    for (const MenuEntry& entry : MenuBarEntries(bar)) {
        if (entry.Level == 0) {
            ++menu;
        } else if (menu == level0Index) {
            captions.push_back(std::string(entry.Level == 2 ? "  " : "") + entry.Caption);
        }
    }
    return captions;
}

// The main window's menus carry the captions users and the help know, in order.
TEST(MenuItemsTest, TheMainBarHasItsMenusInOrder) {
    std::vector<std::string> menus;
    for (const MenuEntry& entry : MenuBarEntries(MenuBarKind::Main)) {
        if (entry.Level == 0) {
            menus.push_back(entry.Caption);
        }
    }
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&View", "&Window", "&Help"}));
    EXPECT_EQ(Captions(MenuBarKind::Main, 0),
              (std::vector<std::string>{"&Reset Selection", "-", "&OutPut Data", "  &Save Data To File...",
                                        "  &Data Print...", "-", "E&xit"}));
    EXPECT_EQ(Captions(MenuBarKind::Main, 1),
              (std::vector<std::string>{"&EIA code", "&JIS code", "-", "&Link to Catalog"}));
    EXPECT_EQ(Captions(MenuBarKind::Main, 2), (std::vector<std::string>{"&Close All Chart Windows"}));
    EXPECT_EQ(Captions(MenuBarKind::Main, 3), (std::vector<std::string>{"&Contents...", "-", "&Version Check",
                                                                        "&Contact Us", "-", "&About..."}));

    EXPECT_EQ(Captions(MenuBarKind::Chart, 0),
              (std::vector<std::string>{"&Reset Selection", "-", "Print Set&up...", "&Print...", "-",
                                        "&OutPut Data", "  &Save Data To File...", "  &Print Data...", "-",
                                        "E&xit"}));
    EXPECT_EQ(Captions(MenuBarKind::Chart, 2),
              (std::vector<std::string>{"&Expand/Contract...", "&Copy to Clipboard"}));
}

// Within one menu no two items share a mnemonic, so Alt+letter always reaches one item;
// every item and menu has a name of its own on its bar.
TEST(MenuItemsTest, MnemonicsAndNamesAreUnique) {
    for (const MenuBarKind bar : {MenuBarKind::Main, MenuBarKind::Chart}) {
        std::set<std::string> names;
        std::map<std::string, std::set<char>> keysPerMenu;
        std::string parents[3];
        const auto name = [](const MenuEntry& entry) { return std::string(entry.Name); };
        for (const MenuEntry& entry : MenuBarEntries(bar)) {
            EXPECT_TRUE(names.insert(entry.Name).second) << entry.Name;
            parents[entry.Level] = entry.Name;
            const std::string caption = entry.Caption;
            if (caption == "-") {
                continue;
            }
            const std::size_t amp = caption.find('&');
            ASSERT_NE(amp, std::string::npos) << entry.Name;
            const std::string menu = entry.Level == 0 ? std::string("bar") : parents[entry.Level - 1];
            const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(caption[amp + 1])));
            // Help's "&Contents..." and "&Contact Us" are the captions users know; Alt+C
            // moves between the two and Enter runs the one reached.
            if (name(entry) == "mnuContactUs") {
                continue;
            }
            EXPECT_TRUE(keysPerMenu[menu].insert(key).second) << entry.Name << " in " << menu;
        }
    }
}

// OutPut Data and Link to Catalog follow the Plot button on both bars; everything else
// is always offered (Close All does nothing without chart windows).
TEST(MenuItemsTest, EnablingFollowsThePlotButton) {
    for (const MenuBarKind bar : {MenuBarKind::Main, MenuBarKind::Chart}) {
        for (const MenuEntry& entry : MenuBarEntries(bar)) {
            const std::string name = entry.Name;
            const bool needsPart = name == "mnuOutPut" || name == "mnuSaveDataToFile" ||
                                   name == "mnuPrintData" || name == "mnuFileSaveData" ||
                                   name == "mnuCatalogLink";
            EXPECT_TRUE(IsEnabled(entry.Enable, MenuState{true})) << name;
            EXPECT_EQ(IsEnabled(entry.Enable, MenuState{false}), !needsPart) << name;
        }
    }
}

// The notation switch re-sorts the table for the new notation and the selection window
// chooses the same part again, shown in the new notation, with the new notation's
// ambient temperature; back again the same.
TEST(CodeSwitchTest, TheSamePartStaysChosenInTheNewNotation) {
    ProductLibrary products = SampleProducts();
    ChartTable table;
    FakeProgram fake;
    ScriptedSelectionHost host(products, table, '.');
    LibrarySelection selection(products, table, fake.messages, fake.cursor, host, '.');
    host.Attach(&selection);
    selection.Form_Load(2);
    const int index = ListableInBoth(products, TemperatureRise);
    ASSERT_GE(index, 0);
    const ProductRecord part = products.ProductTable[static_cast<std::size_t>(index)];
    selection.cmbPartNum_Click(part.PartNumber[shared::Eia]);
    ASSERT_TRUE(selection.State().PartChosen);
    EXPECT_EQ(selection.State().AmbientTemp.Text, "25");

    ASSERT_EQ(SwitchCodeSystem(products, shared::Jis, '.'), CodeSwitchOutcome::Switched);
    selection.RefillAfterCodeChange(shared::Eia);
    EXPECT_EQ(products.CodeSystem, shared::Jis);
    EXPECT_EQ(selection.State().PartNum.Text, part.PartNumber[shared::Jis]);
    EXPECT_TRUE(selection.State().PartChosen);
    EXPECT_EQ(selection.State().AmbientTemp.Text, "20");
    // The JIS part numbers stand in JIS catalogue order, as a start in JIS orders them.
    const auto jisNumbers = [](const ProductLibrary& library) {
        std::vector<std::string> numbers;
        for (const ProductRecord& record : library.ProductTable) {
            if (!record.PartNumber[shared::Jis].empty()) {
                numbers.push_back(record.PartNumber[shared::Jis]);
            }
        }
        return numbers;
    };
    EXPECT_EQ(jisNumbers(products), jisNumbers(SampleProducts(shared::Jis)));

    ASSERT_EQ(SwitchCodeSystem(products, shared::Eia, '.'), CodeSwitchOutcome::Switched);
    selection.RefillAfterCodeChange(shared::Jis);
    EXPECT_EQ(selection.State().PartNum.Text, part.PartNumber[shared::Eia]);
    EXPECT_EQ(selection.State().AmbientTemp.Text, "25");
    // The notation in force again: nothing to do.
    EXPECT_EQ(SwitchCodeSystem(products, shared::Eia, '.'), CodeSwitchOutcome::Unchanged);
}

// A part that has no number in the new notation is not chosen afterwards, and plotting
// is disabled; a text that names no part is not carried over either.
TEST(CodeSwitchTest, APartWithoutTheNewNumberIsNotCarriedOver) {
    ProductLibrary products = SampleProducts();
    ChartTable table;
    FakeProgram fake;
    ScriptedSelectionHost host(products, table, '.');
    LibrarySelection selection(products, table, fake.messages, fake.cursor, host, '.');
    host.Attach(&selection);
    selection.Form_Load(2);
    const int eiaOnly = FindProductWhere(products, [](const ProductRecord& part) {
        return !part.PartNumber[0].empty() && part.PartNumber[1].empty() && part.ChartAvailable[0];
    });
    ASSERT_GE(eiaOnly, 0);
    selection.cmbPartNum_Click(products.ProductTable[static_cast<std::size_t>(eiaOnly)].PartNumber[0]);
    ASSERT_TRUE(selection.State().PartChosen);
    host.enableCalls.clear();
    ASSERT_EQ(SwitchCodeSystem(products, shared::Jis, '.'), CodeSwitchOutcome::Switched);
    selection.RefillAfterCodeChange(shared::Eia);
    EXPECT_TRUE(selection.State().PartNum.Text.empty());
    EXPECT_FALSE(selection.State().PartChosen);
    EXPECT_EQ(host.enableCalls, std::vector<bool>{false});
}

constexpr const char* kSearch = "https://products.example.com/cgi-bin/design-tool/search_product.pl?";

// The three pages: darvo sends i=0, the help language as l, and only the catalogue page
// carries the part; every value is percent-encoded and the part is cut before "_".
TEST(WebLinkTest, AddressesAreBuiltAndEncoded) {
    const std::string version = "v=" + std::to_string(shared::kProgramVersion.major) + "." +
                                std::to_string(shared::kProgramVersion.minor) + "." +
                                std::to_string(shared::kProgramVersion.revision);
    EXPECT_EQ(WebLinkUrl(kContactUs, "ignored", shared::Eia, 2),
              std::string(kSearch) + "lt=1&i=0&" + version + "&l=2");
    EXPECT_EQ(WebLinkUrl(kVersionCheck, "", shared::Jis, 1),
              std::string(kSearch) + "lt=2&i=0&" + version + "&l=1");
    EXPECT_EQ(WebLinkUrl(kCatalogLink, "KTA15XR71H101KA88", shared::Eia, 2),
              std::string(kSearch) + "lt=0&i=0&" + version +
                  "&l=2&nkey=KTA15XR71H101KA88&okey=KTA15XR71H101KA88&lan=2&t=1");
    EXPECT_EQ(WebLinkUrl(kCatalogLink, "KTA15XB31H101KA88_T", shared::Jis, 1),
              std::string(kSearch) + "lt=0&i=0&" + version +
                  "&l=1&nkey=KTA15XB31H101KA88&okey=KTA15XB31H101KA88&lan=1&t=1");
    EXPECT_EQ(WebLinkUrl(kCatalogLink, "A&lt=2 #x", shared::Eia, 2),
              std::string(kSearch) + "lt=0&i=0&" + version +
                  "&l=2&nkey=A%26lt%3D2%20%23x&okey=A%26lt%3D2%20%23x&lan=2&t=1");
    EXPECT_THROW(WebLinkUrl(4, "", shared::Eia, 2), shared::RuntimeError);
}

}  // namespace
}  // namespace darvo::testing
