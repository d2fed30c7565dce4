// The chip size sheet's texts: the plus-minus conversion, the notes, which rows each
// shape shows with which record field, the inductor sheet and the refused records.
#include "pelmo/size/size_sheet.h"

#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"

#include "shared/errors/runtime_error.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace pelmo {
namespace {

// A capacitor whose size-sheet fields name themselves ("s0d1" ... "s19d1"), so every
// label shows which field it took and whether it was converted.
CapacitorRecord Capacitor(float shape) {
    CapacitorRecord record;
    record.PartNumber = {"KTA15EIA", "KTA15JIS"};
    record.UseText = "General purpose";
    record.ChipShape = shape;
    for (std::size_t i = 0; i < record.SizeSheet.size(); ++i) {
        record.SizeSheet[i] = "s" + std::to_string(i) + "d1";
    }
    record.SizeSheet[18] = "B";
    record.SizeSheet[19] = "NS";
    return record;
}

Library WithCapacitor(const CapacitorRecord& record) {
    Library library;
    library.CapacitorTable.push_back(record);
    return library;
}

std::string Converted(int field) {
    return "s" + std::to_string(field) + "\u00B11";
}
std::string Stored(int field) {
    return "s" + std::to_string(field) + "d1";
}

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const shared::RuntimeError& failure) {
        return failure.Number();
    }
    return 0;
}

TEST(PlusMinusTextTest, OnlyTheFirstLowerCaseDBecomesThePlusMinusSign) {
    // clang-format off
    const struct { const char* stored; const char* shown; } cases[] = {
        {"1.00d0.05", "1.00\u00B10.05"},
        {"1.00d0.05d0.10", "1.00\u00B10.05d0.10"},  // the second "d" stays
        {"dd", "\u00B1d"},
        {"1,00d0,05", "1,00\u00B10,05"},  // a comma system keeps its separators
        {"0.25", "0.25"},
        {"0.20 to 0.50", "0.20 to 0.50"},
        {"1.00D0.05", "1.00D0.05"},  // the library marks tolerances in lower case only
        {"", ""},
    };
    // clang-format on
    for (const auto& row : cases) {
        EXPECT_EQ(PlusMinusText(row.stored), row.shown) << row.stored;
    }
}

TEST(SizeSheetNoteTest, MarksGiveOneLinePerNote) {
    // clang-format off
    const struct { const char* base; const char* standard; const char* note; } cases[] = {
        {"B", "NS", "Non-Standard Part\nBase Metal Inner Electrode"},
        {"B", "",   "Base Metal Inner Electrode"},
        {"",  "NS", "Non-Standard Part\n"},
        {"",  "",   ""},
        {"b", "ns", ""},   // marks are exact
        {"BB", "NSX", ""},
    };
    // clang-format on
    for (const auto& row : cases) {
        CapacitorRecord record = Capacitor(1);
        record.SizeSheet[18] = row.base;
        record.SizeSheet[19] = row.standard;
        EXPECT_EQ(SizeSheetNote(record), row.note) << row.base << "/" << row.standard;
        EXPECT_EQ(BuildSizeSheet(WithCapacitor(record), ProductKind::Capacitor, 0, shared::Eia).Note,
                  row.note);
    }
}

struct ShapeCase {
    int shape;
    const char* imageKey;
    std::vector<std::string> chipNames;  // visible lblTitle, in order
    std::vector<int> chipFields;         // the field each visible lblD shows
    std::vector<std::string> landNames;  // visible lblTitle2
    bool landFrame;
};

void PrintTo(const ShapeCase& row, std::ostream* out) {
    *out << "shape " << row.shape;
}

class SizeSheetShapeTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(SizeSheetShapeTest, ShowsTheRowsOfItsShape) {
    const ShapeCase& expected = GetParam();
    const SizeSheetContent sheet = BuildSizeSheet(
        WithCapacitor(Capacitor(static_cast<float>(expected.shape))), ProductKind::Capacitor, 0, shared::Eia);

    EXPECT_EQ(sheet.Shape, expected.shape);
    EXPECT_EQ(sheet.ImageKey, expected.imageKey);
    EXPECT_EQ(sheet.PartNumber, "KTA15EIA");
    EXPECT_EQ(sheet.UseText, "General purpose");
    EXPECT_TRUE(sheet.NoteVisible);

    std::vector<std::string> names;
    for (std::size_t row = 0; row < kChipRowCount; ++row) {
        const SizeSheetRow& chip = sheet.Chip[row];
        EXPECT_EQ(chip.NameVisible, chip.ValueVisible) << "chip row " << row;
        if (chip.NameVisible) {
            names.push_back(chip.Name);
            ASSERT_LT(names.size(), expected.chipFields.size() + 1);
            EXPECT_EQ(chip.Value, Converted(expected.chipFields[names.size() - 1])) << chip.Name;
        }
    }
    EXPECT_EQ(names, expected.chipNames);

    EXPECT_EQ(sheet.LandFrameVisible, expected.landFrame);
    EXPECT_EQ(sheet.FlowVisible, expected.landFrame);
    std::vector<std::string> landNames;
    const std::vector<std::string> allLands = {"a", "b", "c", "d", "e", "f", "p"};
    for (std::size_t row = 0; row < kLandRowCount; ++row) {
        const SizeSheetRow& land = sheet.Land[row];
        EXPECT_EQ(land.Name, allLands[row]);
        if (land.NameVisible) {
            landNames.push_back(land.Name);
        }
        // Values are shown as stored, also under a hidden name.
        EXPECT_EQ(land.Value, Stored(static_cast<int>(8 + row)));
        EXPECT_EQ(land.ValueVisible, expected.landFrame) << "land row " << row;
    }
    EXPECT_EQ(landNames, expected.landNames);
    for (std::size_t row = 0; row < kFlowRowCount; ++row) {
        EXPECT_EQ(sheet.Flow[row], Stored(static_cast<int>(15 + row)));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryCapacitorShape, SizeSheetShapeTest, testing::Values(
    ShapeCase{1, "chip",  {"L", "W", "T", "e", "g(min)"}, {0, 1, 2, 3, 4},
              {"a", "b", "c"}, true},
    // Shape 2 has one terminal row: its "p" is field 7, field 6 is not shown.
    ShapeCase{2, "chip2", {"L", "W", "T", "e", "g(min)", "f", "p"}, {0, 1, 2, 3, 4, 5, 7},
              {"a", "b", "c", "d", "e"}, true},
    ShapeCase{3, "chip3", {"L", "W", "T", "e", "g(min)", "f1", "f2", "p"},
              {0, 1, 2, 3, 4, 5, 6, 7}, {"a", "b", "c", "d", "e", "f", "p"}, true},
    ShapeCase{5, "chip4", {"L", "W", "T", "e", "g(min)"}, {0, 1, 2, 3, 4},
              {"a", "b", "c"}, true},
    ShapeCase{6, "chip5", {"L", "W", "T", "e", "g(min)"}, {0, 1, 2, 3, 4}, {}, false}),
    [](const testing::TestParamInfo<ShapeCase>& info) {
        return "Shape" + std::to_string(info.param.shape);
    });
// clang-format on

TEST(SizeSheetTest, InductorShowsFourValuesAndNoLands) {
    Library library;
    InductorRecord coil;
    coil.PartNumber = "PWW15HN1N0S";
    coil.SizeSheet = {"1.00d0.05", "0.50d0.05d", "0.50", "0.25d0.10", "0.99"};
    library.InductorTable.push_back(coil);

    const SizeSheetContent sheet = BuildSizeSheet(library, ProductKind::Inductor, 0, shared::Jis);
    EXPECT_EQ(sheet.Shape, kInductorChipShape);
    EXPECT_EQ(sheet.ImageKey, "chip");
    EXPECT_EQ(sheet.PartNumber, "PWW15HN1N0S");
    const std::vector<std::string> values = {"1.00\u00B10.05", "0.50\u00B10.05d", "0.50", "0.25\u00B10.10",
                                             ""};
    const std::vector<std::string> names = {"L", "W", "T", "e", "g(min)"};
    for (std::size_t row = 0; row < kChipRowCount; ++row) {
        const SizeSheetRow& chip = sheet.Chip[row];
        EXPECT_EQ(chip.NameVisible, row < 5) << row;
        EXPECT_EQ(chip.ValueVisible, row < 5) << row;
        if (row < 5) {
            EXPECT_EQ(chip.Name, names[row]);
            // The fifth field is no part of the sheet: g(min) keeps its name only.
            EXPECT_EQ(chip.Value, values[row]) << row;
        }
    }
    EXPECT_FALSE(sheet.LandFrameVisible);
    EXPECT_FALSE(sheet.FlowVisible);
    EXPECT_FALSE(sheet.NoteVisible);
    EXPECT_EQ(sheet.Note, "");
    EXPECT_EQ(sheet.UseText, "");
}

TEST(SizeSheetTest, PartNumberFollowsTheNotationOrTheOnlyNameThePartHas) {
    CapacitorRecord record = Capacitor(1);
    Library library = WithCapacitor(record);
    EXPECT_EQ(BuildSizeSheet(library, ProductKind::Capacitor, 0, shared::Eia).PartNumber, "KTA15EIA");
    EXPECT_EQ(BuildSizeSheet(library, ProductKind::Capacitor, 0, shared::Jis).PartNumber, "KTA15JIS");
    library.CapacitorTable[0].PartNumber[shared::Jis].clear();
    EXPECT_EQ(BuildSizeSheet(library, ProductKind::Capacitor, 0, shared::Jis).PartNumber, "KTA15EIA");
}

TEST(SizeSheetTest, RefusesUnknownShapesAndIndexesOutsideTheTable) {
    for (const float shape : {0.0F, 4.0F, 7.0F, 2.5F, -1.0F}) {
        const Library library = WithCapacitor(Capacitor(shape));
        EXPECT_EQ(ErrorNumberOf([&] { BuildSizeSheet(library, ProductKind::Capacitor, 0, shared::Eia); }),
                  shared::error::kInvalidProcedureCall)
            << shape;
    }
    const Library library = WithCapacitor(Capacitor(1));
    for (const std::int32_t index : {-1, 1, 32767}) {
        EXPECT_EQ(ErrorNumberOf([&] { BuildSizeSheet(library, ProductKind::Capacitor, index, shared::Eia); }),
                  shared::error::kSubscriptOutOfRange);
        EXPECT_EQ(ErrorNumberOf([&] { BuildSizeSheet(library, ProductKind::Inductor, index, shared::Eia); }),
                  shared::error::kSubscriptOutOfRange);
    }
    EXPECT_EQ(ErrorNumberOf([] { ChipImageKey(0); }), shared::error::kInvalidProcedureCall);
}

// The generated library must give the sheet something to show for every part.
TEST(SizeSheetSampleLibraryTest, EveryPartHasASheetAndEveryShapeOccurs) {
    const Library library = LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.');
    std::set<int> shapes;
    for (std::size_t i = 0; i < library.CapacitorTable.size(); ++i) {
        const SizeSheetContent sheet =
            BuildSizeSheet(library, ProductKind::Capacitor, static_cast<std::int32_t>(i), shared::Eia);
        shapes.insert(sheet.Shape);
        EXPECT_FALSE(sheet.PartNumber.empty());
        for (const SizeSheetRow& row : sheet.Chip) {
            if (row.ValueVisible) {
                EXPECT_FALSE(row.Value.empty()) << sheet.PartNumber << " " << row.Name;
            }
        }
        for (const SizeSheetRow& row : sheet.Land) {
            if (row.NameVisible) {
                EXPECT_FALSE(row.Value.empty()) << sheet.PartNumber << " " << row.Name;
            }
        }
    }
    EXPECT_EQ(shapes, (std::set<int>{1, 2, 3, 5, 6}));
    ASSERT_FALSE(library.InductorTable.empty());
    const SizeSheetContent coil = BuildSizeSheet(library, ProductKind::Inductor, 0, shared::Eia);
    for (std::size_t row = 0; row < 4; ++row) {
        EXPECT_FALSE(coil.Chip[row].Value.empty());
    }
}

}  // namespace
}  // namespace pelmo
