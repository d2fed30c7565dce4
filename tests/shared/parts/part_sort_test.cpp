#include "shared/parts/part_sort.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace shared {
namespace {

using Order = std::vector<std::size_t>;

// Expected orders are worked by hand through the procedure (pivot, scans, swaps,
// subranges); a stable sort would give a different order for the repeated keys.
TEST(QuickSortOrder, EqualKeysEndInTheOrderOfTheProcedure) {
    // clang-format off
    EXPECT_EQ(QuickSortOrder({"B", "A", "B", "A", "B"}), (Order{3, 1, 4, 0, 2}));
    EXPECT_EQ(QuickSortOrder({"K2", "", "K1", "K2", ""}), (Order{1, 4, 2, 0, 3}));
    EXPECT_EQ(QuickSortOrder({"d", "c", "b", "a"}), (Order{3, 2, 1, 0}));
    EXPECT_EQ(QuickSortOrder({"a", "b", "c", "d"}), (Order{0, 1, 2, 3}));
    EXPECT_EQ(QuickSortOrder({"x"}), (Order{0}));
    EXPECT_EQ(QuickSortOrder({}), (Order{}));
    // Character codes compare unsigned: a byte above 127 sorts after every ASCII letter.
    EXPECT_EQ(QuickSortOrder({"\xB0", "Z", "0"}), (Order{2, 1, 0}));
    // clang-format on
}

TEST(QuickSortOrder, LongRunsOfEqualKeysFinish) {
    std::vector<std::string> keys(40000, "same");
    keys[123] = "a";
    const Order order = QuickSortOrder(keys);
    ASSERT_EQ(order.size(), keys.size());
    EXPECT_EQ(order.front(), 123u);
}

struct Capacitor {
    std::array<std::string, 2> partNumber;
    std::string ratedVoltage;
    int id;
};

std::string PartNumberOf(const Capacitor& record, CodeSystem codeSystem) {
    return record.partNumber[codeSystem];
}

std::vector<int> Ids(const std::vector<Capacitor>& table) {
    std::vector<int> ids;
    for (const auto& record : table) {
        ids.push_back(record.id);
    }
    return ids;
}

// Records 2 and 3 have equal keys (1R0 and 010 are both 1 pF); record 1 has no EIA
// part number and so the empty key.
std::vector<Capacitor> Library() {
    return {
        {{"KTA185R71H104KA88", "JA185R71H104"}, "50", 0},  {{"", "JB155R71H104"}, "50", 1},
        {{"KTA155R71H1R0KA88", "JC155R71H1R0"}, "50", 2},  {{"KTA155R71H010KA88", "JD155R71H010"}, "25", 3},
        {{"KTA155R70J104KA88", "JE155R70J104"}, "6.3", 4},
    };
}

TEST(SortByPartNumber, OrdersTheTableAndRebuildsBothLookups) {
    for (const char separator : {'.', ','}) {
        std::vector<Capacitor> table = Library();
        PartIndex index;
        ASSERT_TRUE(SortByPartNumber(table, Eia, separator, PartNumberOf, index));
        EXPECT_EQ(Ids(table), (std::vector<int>{1, 3, 2, 4, 0}));

        EXPECT_EQ(index[Eia].Count(), 4u);
        EXPECT_EQ(index[Jis].Count(), 5u);
        EXPECT_EQ(index[Eia].Find("KTA155R71H010KA88"), 1);
        EXPECT_EQ(index[Eia].Find("kta185r71h104ka88"), 4);
        EXPECT_EQ(index[Jis].Find("JB155R71H104"), 0);
        EXPECT_FALSE(index[Eia].Contains(""));

        EXPECT_EQ(RatedVoltageOf("kta155r70j104ka88", Eia, index, table,
                                 [](const Capacitor& c) { return c.ratedVoltage; }),
                  "6.3");
        EXPECT_EQ(RatedVoltageOf("JD155R71H010", Jis, index, table,
                                 [](const Capacitor& c) { return c.ratedVoltage; }),
                  "25");
        EXPECT_EQ(RatedVoltageOf("JD155R71H010", Eia, index, table,
                                 [](const Capacitor& c) { return c.ratedVoltage; }),
                  "");
    }
}

TEST(SortByPartNumber, AKeyThatCannotBeBuiltLeavesEverythingAsItWas) {
    std::vector<Capacitor> table = Library();
    table[3].partNumber[Eia] = "KTA155Q71H010KA88";
    PartIndex index;
    index[Eia].Add("KEEP", 7);
    std::string diagnostic;
    EXPECT_FALSE(SortByPartNumber(table, Eia, ',', PartNumberOf, index, &diagnostic));
    EXPECT_EQ(Ids(table), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(index[Eia].Find("KEEP"), 7);
    EXPECT_NE(diagnostic.find("KTA155Q71H010KA88"), std::string::npos);
    EXPECT_STREQ(kSortErrorMessage, "Sort Error!");
}

TEST(SortByPartNumber, DuplicatePartNumbersInEitherNotationRaise457) {
    for (const CodeSystem notation : {Eia, Jis}) {
        std::vector<Capacitor> table = Library();
        table[4].partNumber[notation] = notation == Eia ? "KTA185R71H104Ka88" : "ja185r71h104";
        PartIndex index;
        try {
            (void)SortByPartNumber(table, Eia, '.', PartNumberOf, index);
            ADD_FAILURE() << "no error for notation " << notation;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), 457);
            EXPECT_EQ(e.Description(), "This key is already associated with an element of this collection");
        }
        EXPECT_EQ(index[Eia].Count(), 0u);
        EXPECT_EQ(index[Jis].Count(), 0u);
    }
}

}  // namespace
}  // namespace shared
