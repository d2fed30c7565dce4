#include "pelmo/library/capacitor_order.h"

#include "library_fixtures.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_sort.h"
#include "shared/text/number_text.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

namespace pelmo {
namespace {

using testing::SampleCapacitor;

// Record n keeps n in its UseText, so the order can be read back. The expected orders
// are worked out from the catalogue weight tables: KTA03 before KTA15 before KTA18
// before KTE15, then characteristic, then capacitance (1R0 = 1 pF before 104 = 100 nF).
Library SmallLibrary() {
    Library library;
    library.CapacitorTable = {
        SampleCapacitor(0, "KTA185R71H104KA88", "KTE155R71H104"),
        SampleCapacitor(1, "", "KTA035C71H104"),
        SampleCapacitor(2, "KTA155R71H1R0KA88", ""),
        SampleCapacitor(3, "KTA155R70J104KA88", "KTA155R70J104"),
    };
    library.CapacitorTable[3].RatedVoltage = "6.3";
    library.CapacitorTable[0].RatedVoltage = "50";
    return library;
}

std::vector<std::string> Order(const Library& library) {
    std::vector<std::string> uses;
    for (const CapacitorRecord& record : library.CapacitorTable) {
        uses.push_back(record.UseText.substr(record.UseText.size() - 1));
    }
    return uses;
}

TEST(SortCapacitors, OrdersEachNotationWithPartsMissingInItFirst) {
    struct Row {
        shared::CodeSystem notation;
        std::vector<std::string> order;
    };
    // clang-format off
    const Row rows[] = {
        {shared::Eia, {"1", "2", "3", "0"}},
        {shared::Jis, {"2", "1", "3", "0"}},
    };
    // clang-format on
    for (const char separator : {'.', ','}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.notation);
            Library library = SmallLibrary();
            ASSERT_TRUE(SortCapacitors(library, row.notation, separator));
            EXPECT_EQ(Order(library), row.order);
            // Both lookups point at the new positions, whichever notation was sorted.
            for (const shared::CodeSystem notation : {shared::Eia, shared::Jis}) {
                EXPECT_EQ(library.PartIndex[notation].Count(), 3U);
                for (std::size_t u = 0; u < library.CapacitorTable.size(); ++u) {
                    const std::string& pn = library.CapacitorTable[u].PartNumber[notation];
                    if (!pn.empty()) {
                        EXPECT_EQ(library.PartIndex[notation].Find(pn), static_cast<std::int32_t>(u));
                    }
                }
            }
        }
    }
}

TEST(SortCapacitors, SwitchingNotationAgainReordersTheSameRecords) {
    Library library = SmallLibrary();
    ASSERT_TRUE(SortCapacitors(library, shared::Jis, '.'));
    ASSERT_TRUE(SortCapacitors(library, shared::Eia, '.'));
    EXPECT_EQ(Order(library), (std::vector<std::string>{"1", "2", "3", "0"}));
}

TEST(SortCapacitors, APartWithoutKeyLeavesTableAndLookupsAlone) {
    Library library = SmallLibrary();
    ASSERT_TRUE(SortCapacitors(library, shared::Eia, '.'));
    library.CapacitorTable[1].PartNumber[shared::Jis] = "QQQ15";
    const std::vector<std::string> before = Order(library);
    std::string diagnostic;
    EXPECT_FALSE(SortCapacitors(library, shared::Jis, '.', &diagnostic));
    EXPECT_EQ(Order(library), before);
    EXPECT_EQ(library.PartIndex[shared::Eia].Find("KTA185R71H104KA88"), 3);
    EXPECT_NE(diagnostic.find("QQQ15"), std::string::npos);
    EXPECT_STREQ(shared::kSortErrorMessage, "Sort Error!");
}

TEST(SortCapacitors, DuplicatePartNumbersInOneNotationRaise457) {
    // A lower-case part number has no sort key, so case-only duplicates are given in the
    // notation that is not being sorted; both lookups are rebuilt either way.
    struct Row {
        shared::CodeSystem duplicated;
        shared::CodeSystem sorted;
        const char* partNumber;  // the same part as record 3
    };
    // clang-format off
    const Row rows[] = {
        {shared::Eia, shared::Jis, "kta155r70j104ka88"},
        {shared::Jis, shared::Eia, "kta155r70j104"},
        {shared::Eia, shared::Eia, "KTA155R70J104KA88"},
        {shared::Jis, shared::Jis, "KTA155R70J104"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.partNumber);
        Library library = SmallLibrary();
        library.CapacitorTable[0].PartNumber[row.duplicated] = row.partNumber;
        try {
            (void)SortCapacitors(library, row.sorted, '.');
            ADD_FAILURE() << "no error";
        } catch (const shared::RuntimeError& error) {
            EXPECT_EQ(error.Number(), 457);
            // The report names the part number and its field under the standard text; the
            // first of the two in the sorted table is the one named.
            const std::string description = error.Description();
            const std::string head =
                shared::StandardErrorDescription(457) + "\r\ncap.idx: the part number \"";
            ASSERT_EQ(description.rfind(head, 0), 0U) << description;
            const std::string tail = std::string("\" (field ") + (row.duplicated == shared::Eia ? "1" : "2") +
                                     ") is in two records";
            ASSERT_GT(description.size(), head.size() + tail.size());
            EXPECT_EQ(description.substr(description.size() - tail.size()), tail) << description;
            std::string named =
                description.substr(head.size(), description.size() - head.size() - tail.size());
            std::transform(named.begin(), named.end(), named.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
            std::string expected = row.partNumber;
            std::transform(expected.begin(), expected.end(), expected.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
            EXPECT_EQ(named, expected);
        }
        EXPECT_EQ(library.PartIndex[shared::Eia].Count(), 0U);
        EXPECT_EQ(library.PartIndex[shared::Jis].Count(), 0U);
    }
}

TEST(RatedVoltageOf, FindsTheSortedRecordInAnyLetterCase) {
    Library library = SmallLibrary();
    ASSERT_TRUE(SortCapacitors(library, shared::Jis, '.'));
    // clang-format off
    struct Row { const char* partNumber; shared::CodeSystem notation; const char* expected; };
    const Row rows[] = {
        {"KTA155R70J104KA88", shared::Eia, "6.3"},
        {"kta185r71h104ka88", shared::Eia, "50"},
        {"KTA155R70J104", shared::Jis, "6.3"},
        {"KTA155R70J104", shared::Eia, ""},     // a JIS number is not an EIA one
        {"KTA155R71H1R0KA88", shared::Jis, ""}, // no JIS number at all
        {"", shared::Eia, ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.partNumber);
        EXPECT_EQ(RatedVoltageOf(library, row.partNumber, row.notation), row.expected);
    }
}

}  // namespace
}  // namespace pelmo
