// The sample library must reach every path of the program: each frequency class, chip
// shape, model type and notation case, the 20 GHz export, the Select dialog and the
// unusual inductors. Each item is checked on the generated tables.

#include "generated_library.h"
#include "pelmo/library/library_writer.h"

#include "shared/parts/part_number_codes.h"
#include "shared/parts/sort_key.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <tuple>

namespace pelmo::libgen {
namespace {

const std::vector<CapacitorRecord>& Capacitors() {
    return GeneratedLibrary().capacitors;
}
const std::vector<InductorRecord>& Inductors() {
    return GeneratedLibrary().inductors;
}

const std::string& AnyPartNumber(const CapacitorRecord& record) {
    return record.PartNumber[0].empty() ? record.PartNumber[1] : record.PartNumber[0];
}

TEST(Coverage, SizesOfTheLibrary) {
    EXPECT_GE(Capacitors().size(), 2000U);
    EXPECT_LE(Capacitors().size(), 10000U);
    EXPECT_GE(Inductors().size(), 200U);
    EXPECT_LE(Inductors().size(), 600U);
}

TEST(Coverage, EveryFrequencyRangeClass) {
    std::map<int, int> counts;
    for (const CapacitorRecord& record : Capacitors()) {
        for (const std::string& number : record.PartNumber) {
            if (!number.empty()) {
                ++counts[shared::FrequencyRangeClass(number)];
            }
        }
    }
    for (const InductorRecord& record : Inductors()) {
        ++counts[shared::FrequencyRangeClass(record.PartNumber)];
    }
    EXPECT_EQ(counts.count(0), 0U) << "a part number without a class";
    for (int frequencyClass = 1; frequencyClass <= 6; ++frequencyClass) {
        EXPECT_GT(counts[frequencyClass], 0) << "class " << frequencyClass;
    }
}

TEST(Coverage, EverySeriesAndSizeOfTheSortTableExceptTheClasslessOne) {
    std::set<std::string> seriesAndSizes;
    for (const CapacitorRecord& record : Capacitors()) {
        seriesAndSizes.insert(shared::MidText(AnyPartNumber(record), 1, 5));
    }
    for (const std::string_view entry : shared::SeriesAndSizeWeights()) {
        if (entry == "KTW15") {
            EXPECT_EQ(seriesAndSizes.count("KTW15"), 0U);
        } else {
            EXPECT_EQ(seriesAndSizes.count(std::string(entry)), 1U) << entry;
        }
    }
}

TEST(Coverage, ModelTypesOneTwoAndFourOnly) {
    std::set<int> types;
    for (const CapacitorRecord& record : Capacitors()) {
        types.insert(record.ModelType);
    }
    EXPECT_EQ(types, (std::set<int>{1, 2, 4}));
}

TEST(Coverage, ChipShapesAndSizeSheetMarks) {
    std::set<float> shapes;
    std::set<std::pair<std::string, std::string>> marks;
    for (const CapacitorRecord& record : Capacitors()) {
        shapes.insert(record.ChipShape);
        marks.insert({record.SizeSheet[19], record.SizeSheet[18]});
        // Chip dimensions carry their tolerance after "d".
        EXPECT_NE(record.SizeSheet[0].find('d'), std::string::npos) << AnyPartNumber(record);
        EXPECT_NE(record.SizeSheet[1].find('d'), std::string::npos) << AnyPartNumber(record);
        EXPECT_NE(record.SizeSheet[2].find('d'), std::string::npos) << AnyPartNumber(record);
    }
    EXPECT_EQ(shapes, (std::set<float>{1.0F, 2.0F, 3.0F, 5.0F, 6.0F}));
    using Marks = std::pair<std::string, std::string>;
    EXPECT_EQ(marks, (std::set<Marks>{{"NS", "B"}, {"NS", ""}, {"", "B"}, {"", ""}}));
}

TEST(Coverage, MultiTerminalShapesFillTheirExtraRows) {
    for (const CapacitorRecord& record : Capacitors()) {
        if (record.ChipShape == 3.0F) {
            for (std::size_t i : {5U, 6U, 7U, 8U, 9U, 10U, 11U, 12U, 13U, 14U}) {
                EXPECT_FALSE(record.SizeSheet[i].empty()) << AnyPartNumber(record) << " " << i;
            }
        } else if (record.ChipShape == 2.0F) {
            for (std::size_t i : {5U, 7U, 8U, 9U, 10U, 11U, 12U}) {
                EXPECT_FALSE(record.SizeSheet[i].empty()) << AnyPartNumber(record) << " " << i;
            }
        }
    }
}

TEST(Coverage, UpperFrequenciesIncludeExactlyTwentyGigahertz) {
    std::set<float> upper;
    for (const CapacitorRecord& record : Capacitors()) {
        upper.insert(record.UpperFrequency);
    }
    // The 402-point export tests the single-precision value for equality with 2E10.
    EXPECT_EQ(upper, (std::set<float>{6e9F, 8.5e9F, 18e9F, 2e10F}));
}

TEST(Coverage, NotationPairsAndOneNotationParts) {
    int pairs = 0;
    int eiaOnly = 0;
    int jisOnly = 0;
    for (const CapacitorRecord& record : Capacitors()) {
        const std::string& eia = record.PartNumber[0];
        const std::string& jis = record.PartNumber[1];
        ASSERT_FALSE(eia.empty() && jis.empty());
        if (eia.empty()) {
            ++jisOnly;
            EXPECT_TRUE(record.TempChar[0].empty());
        } else if (jis.empty()) {
            ++eiaOnly;
            EXPECT_TRUE(record.TempChar[1].empty());
        } else {
            // Only the characteristic code may differ between the notations.
            ASSERT_EQ(eia.size(), jis.size());
            EXPECT_EQ(eia.substr(0, 6), jis.substr(0, 6));
            EXPECT_EQ(eia.substr(8), jis.substr(8));
            if (eia.substr(6, 2) != jis.substr(6, 2)) {
                ++pairs;
            }
        }
    }
    EXPECT_GT(pairs, 0);
    EXPECT_GT(eiaOnly, 0);
    EXPECT_GT(jisOnly, 0);
}

// Parts that agree in size, characteristic, capacitance and rated voltage make the
// selection window ask with the Select dialog.
TEST(Coverage, SelectGroupsInBothNotations) {
    for (const int notation : {0, 1}) {
        std::map<std::tuple<std::string, std::string, std::string, std::string>, int> groups;
        for (const CapacitorRecord& record : Capacitors()) {
            if (record.PartNumber[static_cast<std::size_t>(notation)].empty()) {
                continue;
            }
            ++groups[{record.SizeCode[static_cast<std::size_t>(notation)],
                      record.TempChar[static_cast<std::size_t>(notation)], record.NominalCapacitance,
                      record.RatedVoltage}];
        }
        int largest = 0;
        for (const auto& [key, count] : groups) {
            largest = std::max(largest, count);
        }
        EXPECT_GE(largest, 2) << "notation " << notation;
    }
    std::map<std::tuple<std::string, std::string, std::string>, int> inductorGroups;
    int largest = 0;
    for (const InductorRecord& record : Inductors()) {
        largest =
            std::max(largest, ++inductorGroups[{record.SizeCode[0], record.Inductance, record.RatedCurrent}]);
    }
    EXPECT_GE(largest, 2);
}

TEST(Coverage, AQuotedIndexFieldHoldsAComma) {
    bool found = false;
    for (const CapacitorRecord& record : Capacitors()) {
        if (record.UseText.find(',') != std::string::npos) {
            const std::string line = CapacitorIndexLine(record);
            EXPECT_NE(line.find("\"" + record.UseText + "\""), std::string::npos) << line;
            found = true;
            break;
        }
    }
    EXPECT_TRUE(found);
}

TEST(Coverage, InductorsOfSeveralSizesWithTheUnusualParts) {
    std::set<std::string> sizes;
    int beyondData = 0;
    int thinFilm = 0;
    for (const InductorRecord& record : Inductors()) {
        sizes.insert(record.SizeCode[0]);
        if (record.SelfResonance == 0.0F) {
            ++beyondData;
        }
        if (record.PartNumber.find("PWT15DZ") != std::string::npos) {
            ++thinFilm;
        }
        EXPECT_EQ(shared::MidText(record.PartNumber, 1, 2), "PW");
    }
    EXPECT_GE(sizes.size(), 3U);
    EXPECT_GE(beyondData, 1);
    EXPECT_GE(thinFilm, 2);
}

}  // namespace
}  // namespace pelmo::libgen
