// Every generated part number must be one the program can classify, order and index;
// one that fails would stop the program at start ("Sort Error!") or hide a part.

#include "generated_library.h"
#include "pelmo/library/capacitor_order.h"
#include "support/test_names.h"
#include "tools/libgen/capacitor_catalog.h"
#include "tools/libgen/capacitor_factory.h"
#include "tools/libgen/inductor_factory.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_number_codes.h"
#include "shared/parts/sort_key.h"
#include "shared/text/number_text.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace pelmo::libgen {
namespace {

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

class SortKeyUnderSeparator : public ::testing::TestWithParam<char> {};

TEST_P(SortKeyUnderSeparator, EveryCapacitorHasAClassAndASortKey) {
    const char separator = GetParam();
    for (const CapacitorRecord& record : GeneratedLibrary().capacitors) {
        for (const std::string& number : record.PartNumber) {
            if (number.empty()) {
                continue;
            }
            EXPECT_EQ(number.size(), 17U) << number;
            EXPECT_GE(shared::FrequencyRangeClass(number), 2) << number;
            std::string key;
            std::string message;
            EXPECT_TRUE(shared::BuildSortKey(number, separator, key, message)) << number << ": " << message;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, SortKeyUnderSeparator, ::testing::Values('.', ','),
                         [](const auto& info) { return ::shared::testing::NameOfSeparator(info.param); });

TEST(PartNumbers, IndexTextsAgreeWithTheCodes) {
    for (const CapacitorRecord& record : GeneratedLibrary().capacitors) {
        for (const std::string& number : record.PartNumber) {
            if (number.empty()) {
                continue;
            }
            EXPECT_EQ(shared::ParseCapacitanceCode(number, '.'), record.NominalCapacitance) << number;
            EXPECT_EQ(RatedVoltageText(shared::MidText(number, 9, 2)), record.RatedVoltage) << number;
            EXPECT_TRUE(shared::ParseFileNumber(record.NominalCapacitance).has_value());
        }
    }
}

TEST(PartNumbers, NoDuplicatesWithinANotationIgnoringCase) {
    std::set<std::string> seen[2];
    for (const CapacitorRecord& record : GeneratedLibrary().capacitors) {
        for (std::size_t notation = 0; notation < 2; ++notation) {
            const std::string& number = record.PartNumber[notation];
            if (!number.empty()) {
                EXPECT_TRUE(seen[notation].insert(UpperCase(number)).second) << number;
            }
        }
    }
    std::set<std::string> inductors;
    for (const InductorRecord& record : GeneratedLibrary().inductors) {
        EXPECT_TRUE(inductors.insert(UpperCase(record.PartNumber)).second) << record.PartNumber;
    }
}

// The operating-condition check looks class-2 names up in the temperature range table;
// a name outside it would refuse every condition of the part.
TEST(PartNumbers, ConditionModelPartsUseNamesOfTheTemperatureRangeTable) {
    const std::set<std::string> rangeNames = {"X8R", "X8L", "R",   "X7R", "X7S", "X7T", "X7U",
                                              "X6S", "X6T", "X5R", "B",   "F",   "Y5V"};
    for (const CapacitorRecord& record : GeneratedLibrary().capacitors) {
        for (std::size_t notation = 0; notation < 2; ++notation) {
            if (record.PartNumber[notation].empty()) {
                continue;
            }
            const bool listed = rangeNames.count(record.TempChar[notation]) != 0;
            EXPECT_EQ(listed, record.ModelType != 1)
                << record.PartNumber[notation] << " " << record.TempChar[notation];
        }
    }
}

TEST(PartNumbers, TheProgramSortsAndIndexesBothNotations) {
    for (const shared::CodeSystem notation : {shared::Eia, shared::Jis}) {
        Library library;
        library.CapacitorTable = GeneratedLibrary().capacitors;
        std::string diagnostic;
        ASSERT_TRUE(SortCapacitors(library, notation, '.', &diagnostic)) << diagnostic;
        std::size_t named = 0;
        for (const CapacitorRecord& record : GeneratedLibrary().capacitors) {
            named += record.PartNumber[notation].empty() ? 0U : 1U;
        }
        EXPECT_EQ(library.PartIndex[notation].Count(), named);
    }
}

TEST(PartNumbers, ScaleLibrariesAreCutOrRepeatedUnderNewNames) {
    const std::vector<CapacitorRecord>& catalogue = GeneratedLibrary().capacitors;
    const std::vector<CapacitorRecord> cut = ResizeCatalogue(catalogue, 10);
    ASSERT_EQ(cut.size(), 10U);
    EXPECT_EQ(cut.back().PartNumber, catalogue[9].PartNumber);

    const std::vector<CapacitorRecord> repeated = ResizeCatalogue(catalogue, catalogue.size() * 2 + 1);
    const CapacitorRecord& copy = repeated[catalogue.size()];
    EXPECT_EQ(copy.PartNumber[0].substr(0, 15), catalogue[0].PartNumber[0].substr(0, 15));
    EXPECT_NE(copy.PartNumber[0], catalogue[0].PartNumber[0]);
    EXPECT_EQ(copy.C1, catalogue[0].C1);
    std::set<std::string> seen[2];
    for (const CapacitorRecord& record : repeated) {
        for (std::size_t notation = 0; notation < 2; ++notation) {
            if (!record.PartNumber[notation].empty()) {
                EXPECT_TRUE(seen[notation].insert(UpperCase(record.PartNumber[notation])).second)
                    << record.PartNumber[notation];
            }
        }
    }
    EXPECT_THROW(GenerateSampleLibrary(32768), shared::RuntimeError);
}

struct CodeCase {
    double value;
    const char* capacitance;
    const char* inductance;
};

TEST(PartNumbers, ValueCodes) {
    // clang-format off
    const CodeCase cases[] = {
        {0.2, "R20", "0N2"}, {0.75, "R75", "0N8"}, {1.0, "1R0", "1N0"}, {1.5, "1R5", "1N5"},
        {9.1, "9R1", "9N1"}, {10, "100", "10N"}, {82, "820", "82N"}, {100, "101", "R10"},
        {270, "271", "R27"}, {100000, "104", nullptr}, {4.7e7, "476", nullptr}};
    // clang-format on
    for (const CodeCase& c : cases) {
        EXPECT_EQ(CapacitanceCode(c.value), c.capacitance) << c.value;
        if (c.inductance != nullptr) {
            EXPECT_EQ(InductorFactory::InductanceCode(c.value), c.inductance) << c.value;
        }
    }
}

TEST(PartNumbers, PreferredValueSteps) {
    EXPECT_EQ(CapacitanceSteps(CapacitanceGrid::E6, 1000, 10000),
              (std::vector<double>{1000, 1500, 2200, 3300, 4700, 6800, 10000}));
    const std::vector<double> fine = CapacitanceSteps(CapacitanceGrid::Fine, 0.2, 12);
    ASSERT_EQ(fine.size(), 98U + 3U);  // 0.2 .. 9.9 by 0.1, then 10, 11, 12
    EXPECT_DOUBLE_EQ(fine.front(), 0.2);
    EXPECT_DOUBLE_EQ(fine[97], 9.9);
    EXPECT_DOUBLE_EQ(fine.back(), 12);
}

}  // namespace
}  // namespace pelmo::libgen
