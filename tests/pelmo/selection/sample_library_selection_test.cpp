#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/library_selection.h"
#include "selection_test_library.h"
#include "support/test_names.h"

#include "shared/parts/capacitance_text.h"
#include "shared/parts/part_number_codes.h"
#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"

#include <gtest/gtest.h>
#include <string>

namespace pelmo {
namespace {

// The generated sample library: every frequency class, both notations, parts with and
// without condition model, and Select-dialog collisions.
class SampleLibrarySelectionTest : public ::testing::TestWithParam<int> {
protected:
    SampleLibrarySelectionTest() : library_(LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.')) {}

    Library library_;
    shared::FakeMessages messages_;
    shared::FakeCursor cursor_;
    testing::FakeSelectionHost host_;
};

// Every eleventh capacitor of the notation (all of them would take minutes in a debug
// build): choosing it through the four filters leaves the same fields and readouts as
// typing its number, and neither path shows a message for a part with a class.
TEST_P(SampleLibrarySelectionTest, FilterPathAndTypedPathAgree) {
    const int helpLanguage = GetParam();
    LibrarySelection filtered(library_, messages_, cursor_, host_, '.');
    filtered.Form_Load(helpLanguage);
    const shared::CodeSystem code = filtered.State().CodeSystem;
    LibrarySelection typed(library_, messages_, cursor_, host_, '.');
    typed.Form_Load(helpLanguage);
    int compared = 0;
    for (std::size_t u = 0; u < library_.CapacitorTable.size(); u += 11) {
        const CapacitorRecord& record = library_.CapacitorTable[u];
        const std::string& partNumber = record.PartNumber[code];
        if (partNumber.empty() || shared::FrequencyRangeClass(partNumber) == 0) {
            continue;
        }
        std::string tcc = record.TempChar[code];
        tcc.erase(0, tcc.find_first_not_of(' '));
        tcc.erase(tcc.find_last_not_of(' ') + 1);
        host_.preferred = static_cast<std::int32_t>(u);
        filtered.cboItemA_Click(record.SizeCode[code]);
        filtered.cboItemB_Click(tcc);
        filtered.cboItemC_Click(shared::CapacitanceText(record.NominalCapacitance, filtered.Separator()));
        filtered.cboItemD_Click(record.RatedVoltage);
        typed.SetPartNumberText(partNumber);
        typed.ApplyPartNumber();
        ASSERT_EQ(filtered.State().PartNumber.Text, partNumber);
        EXPECT_EQ(filtered.State().Frequency, typed.State().Frequency) << partNumber;
        EXPECT_EQ(filtered.State().Temperature, typed.State().Temperature) << partNumber;
        EXPECT_EQ(filtered.State().Bias, typed.State().Bias) << partNumber;
        EXPECT_EQ(filtered.State().Readouts, typed.State().Readouts) << partNumber;
        EXPECT_EQ(filtered.State().ItemD.Items, typed.State().ItemD.Items) << partNumber;
        EXPECT_FALSE(filtered.State().Readouts.Imp.empty()) << partNumber;
        ASSERT_TRUE(messages_.Shown().empty()) << partNumber << ": " << messages_.Shown().front().text;
        ++compared;
    }
    EXPECT_GT(compared, 20);
    EXPECT_EQ(cursor_.Depth(), 0);
}

// Both ends of the scroll bar are frequencies the part accepts: the end of the bar must
// not round past a limit such as a single-precision 8.5 GHz.
TEST_P(SampleLibrarySelectionTest, BothEndsOfTheScrollBarAreAccepted) {
    LibrarySelection model(library_, messages_, cursor_, host_, '.');
    model.Form_Load(GetParam());
    const shared::CodeSystem code = model.State().CodeSystem;
    int moved = 0;
    for (std::size_t u = 0; u < library_.CapacitorTable.size(); u += 11) {
        const std::string& partNumber = library_.CapacitorTable[u].PartNumber[code];
        if (partNumber.empty() || shared::FrequencyRangeClass(partNumber) == 0) {
            continue;
        }
        model.SetPartNumberText(partNumber);
        model.ApplyPartNumber();
        for (const int position : {200, 0}) {
            model.hsvFreq_Change(position);
            ASSERT_TRUE(messages_.Shown().empty())
                << partNumber << " at " << position << ": " << messages_.Shown().front().text;
            EXPECT_FALSE(model.State().Readouts.Imp.empty()) << partNumber;
        }
        ++moved;
    }
    EXPECT_GT(moved, 20);
}

// Every inductor chosen by its three filters is the part the dialog was asked for,
// and its readouts are written.
TEST_P(SampleLibrarySelectionTest, EveryInductorCanBeChosenByItsFilters) {
    LibrarySelection model(library_, messages_, cursor_, host_, '.');
    model.Form_Load(GetParam());
    model.optProduct_Click(1);
    const shared::CodeSystem code = model.State().CodeSystem;
    for (std::size_t u = 0; u < library_.InductorTable.size(); ++u) {
        const InductorRecord& record = library_.InductorTable[u];
        host_.preferred = static_cast<std::int32_t>(u);
        model.cboItemA_Click(record.SizeCode[code]);
        model.cboItemB_Click(record.Inductance);
        model.cboItemC_Click(record.RatedCurrent);
        ASSERT_EQ(model.State().PartNumber.Text, record.PartNumber);
        EXPECT_FALSE(model.State().Readouts.Freq.empty()) << record.PartNumber;
        EXPECT_EQ(model.State().FrequencyRange.rfind("Range:10-", 0), 0U) << record.PartNumber;
    }
    EXPECT_TRUE(messages_.Shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Notations, SampleLibrarySelectionTest, ::testing::Values(2, 1),
                         [](const auto& info) { return "HelpLanguage" + std::to_string(info.param); });

}  // namespace
}  // namespace pelmo
