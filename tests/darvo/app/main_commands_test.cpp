#include "app_test_support.h"
#include "darvo/app/code_switch.h"
#include "darvo/app/help_and_links.h"
#include "darvo/app/menu_items.h"

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

// The notation switch re-sorts the table and carries the chosen part over in the new
// notation; the ambient temperature follows the notation.
TEST(CodeSwitchTest, TheSamePartStaysChosenInTheNewNotation) {
    ProductLibrary products = SampleProducts();
    const int index = ListableInBoth(products, 2);
    ASSERT_GE(index, 0);
    const ProductRecord part = products.ProductTable[static_cast<std::size_t>(index)];

    const CodeSwitch toJis = SwitchCodeSystem(products, shared::Jis, part.PartNumber[shared::Eia]);
    EXPECT_EQ(toJis.Outcome, CodeSwitchOutcome::Switched);
    EXPECT_EQ(products.CodeSystem, shared::Jis);
    EXPECT_EQ(toJis.PartNumber, part.PartNumber[shared::Jis]);
    EXPECT_EQ(toJis.AmbientTemperature, "20");
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
    const std::optional<std::int32_t> found = FindProduct(products, part.PartNumber[shared::Jis]);
    ASSERT_TRUE(found);
    EXPECT_EQ(products.ProductTable[static_cast<std::size_t>(*found)].PartNumber, part.PartNumber);

    // Lower case typed in the box finds the part as well.
    std::string lower = part.PartNumber[shared::Jis];
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const CodeSwitch back = SwitchCodeSystem(products, shared::Eia, lower);
    EXPECT_EQ(back.Outcome, CodeSwitchOutcome::Switched);
    EXPECT_EQ(back.PartNumber, part.PartNumber[shared::Eia]);
    EXPECT_EQ(back.AmbientTemperature, "25");
}

// Choosing the notation in force changes nothing; a text the old lookup does not hold
// (nothing chosen, or a half-typed number) is not carried over.
TEST(CodeSwitchTest, NothingOrUnknownTextIsNotCarriedOver) {
    ProductLibrary products = SampleProducts();
    const std::vector<std::string> before = [&] {
        std::vector<std::string> numbers;
        for (const ProductRecord& part : products.ProductTable) {
            numbers.push_back(part.PartNumber[0]);
        }
        return numbers;
    }();
    const CodeSwitch same = SwitchCodeSystem(products, shared::Eia, "KTA");
    EXPECT_EQ(same.Outcome, CodeSwitchOutcome::Unchanged);
    EXPECT_FALSE(same.PartNumber);
    EXPECT_TRUE(same.AmbientTemperature.empty());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(products.ProductTable[i].PartNumber[0], before[i]);
    }
    for (const char* text : {"", "KTA", "KTA15XR71H101KA8"}) {
        ProductLibrary fresh = SampleProducts();
        const CodeSwitch result = SwitchCodeSystem(fresh, shared::Jis, text);
        EXPECT_EQ(result.Outcome, CodeSwitchOutcome::Switched) << text;
        EXPECT_FALSE(result.PartNumber) << text;
    }
    // A part that has no JIS number is carried over as empty text, which no list holds.
    ProductLibrary fresh = SampleProducts();
    const int eiaOnly = FindProductWhere(fresh, [](const ProductRecord& part) {
        return !part.PartNumber[0].empty() && part.PartNumber[1].empty();
    });
    ASSERT_GE(eiaOnly, 0);
    const CodeSwitch result = SwitchCodeSystem(
        fresh, shared::Jis, fresh.ProductTable[static_cast<std::size_t>(eiaOnly)].PartNumber[0]);
    EXPECT_EQ(result.PartNumber, std::string());
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
