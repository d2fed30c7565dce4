#include "pelmo/export/export_command.h"

#include "export_test_support.h"
#include "pelmo/export/export_file_names.h"
#include "pelmo/export/touchstone_writer.h"
#include "pelmo/library/records.h"

#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/testing/failing_file_sink.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/memory_file_sink.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>

namespace pelmo {
namespace {

using shared::MessageIcon;

constexpr const char* kModelCapacitor = "KTH1552C1H100JA01";      // class 4, ModelType 2
constexpr const char* kPlainCapacitor = "VSD2152C1H100JA01";      // class 2, ModelType 1
constexpr const char* kClasslessCapacitor = "KTW1552C1H100JA01";  // no class rule holds
constexpr const char* kInductor = "PWW1510NJ";

Library SmallLibrary() {
    Library library;
    for (const char* part : {kModelCapacitor, kPlainCapacitor, kClasslessCapacitor}) {
        CapacitorRecord record;
        record.PartNumber = {part, std::string(part) + "J"};
        record.UpperFrequency = 6e9F;
        record.ModelType = std::string(part) == kModelCapacitor ? 2 : 1;
        library.CapacitorTable.push_back(record);
    }
    library.CapacitorTable[1].UpperFrequency = 1.8e10F;
    library.PartIndex.Rebuild(library.CapacitorTable.size(), [&](std::size_t u, shared::CodeSystem code) {
        return library.CapacitorTable[u].PartNumber[code];
    });
    InductorRecord coil;
    coil.PartNumber = kInductor;
    coil.UpperFrequency = 6e9F;
    library.InductorTable.push_back(coil);
    library.InductorPartIndex.Add(kInductor, 0);
    return library;
}

ExportSelection Selection(ProductKind product, const std::string& part) {
    ExportSelection selection;
    selection.Product = product;
    selection.PartNumber = part;
    selection.Connection = CircuitMode::Shunt;
    selection.TemperatureText = "85";
    selection.BiasText = "3.3";
    return selection;
}

// A sink that forwards into a MemoryFileSink the test keeps.
class ForwardingSink : public shared::FileSink {
public:
    explicit ForwardingSink(shared::MemoryFileSink& target) : target_(target) {}
    void Write(std::string_view bytes) override { target_.Write(bytes); }
    void Commit() override { target_.Commit(); }

private:
    shared::MemoryFileSink& target_;
};

shared::FileSinkOpener OpenerOnto(shared::MemoryFileSink& target) {
    return [&target](const std::string&) { return std::make_unique<ForwardingSink>(target); };
}

class ExportCommandTest : public ::testing::Test {
protected:
    Library library_ = SmallLibrary();
    shared::FakeMessages messages_;
    int checks_ = 0;
    std::function<bool()> passingCheck_ = [this] {
        ++checks_;
        return true;
    };
};

TEST_F(ExportCommandTest, UnknownOrEmptyPartIsRefusedBeforeTheDialog) {
    // clang-format off
    struct Row { ProductKind product; std::string part; shared::CodeSystem code; };
    const Row rows[] = {
        {ProductKind::Capacitor, "", shared::Eia},
        {ProductKind::Capacitor, "KTH1552C1H100JA0", shared::Eia},
        // A part of the other notation is not found in this one.
        {ProductKind::Capacitor, std::string(kModelCapacitor) + "J", shared::Eia},
        {ProductKind::Capacitor, kModelCapacitor, shared::Jis},
        // Capacitors and inductors are looked up in their own lookups.
        {ProductKind::Inductor, kModelCapacitor, shared::Eia},
        {ProductKind::Capacitor, kInductor, shared::Eia},
    };
    // clang-format on
    for (const auto& row : rows) {
        messages_.Clear();
        ExportSelection selection = Selection(row.product, row.part);
        selection.CodeSystem = row.code;
        EXPECT_FALSE(PrepareExport(library_, selection, passingCheck_, messages_));
        ASSERT_EQ(messages_.Shown().size(), 1U) << row.part;
        EXPECT_EQ(messages_.Shown()[0].text, "Product Number is invalid or not selected!");
        EXPECT_EQ(messages_.Shown()[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(messages_.Shown()[0].title, "Pelmo");
    }
    EXPECT_EQ(checks_, 0);
}

TEST_F(ExportCommandTest, FailedConditionCheckStopsSilently) {
    const auto plan = PrepareExport(
        library_, Selection(ProductKind::Capacitor, kModelCapacitor), [] { return false; }, messages_);
    EXPECT_FALSE(plan);
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(ExportCommandTest, PlanCarriesTheLibrarySpellingAndTheModelFlag) {
    ExportSelection selection = Selection(ProductKind::Capacitor, "kth1552c1h100ja01");
    auto plan = PrepareExport(library_, selection, passingCheck_, messages_);
    ASSERT_TRUE(plan);
    EXPECT_EQ(checks_, 1);
    EXPECT_EQ(plan->Subject.PartNumber, kModelCapacitor);
    EXPECT_EQ(plan->Subject.RangeClass, 4);
    EXPECT_TRUE(plan->Subject.ConditionDependent);
    EXPECT_EQ(plan->Subject.Connection, CircuitMode::Shunt);
    EXPECT_EQ(plan->Subject.TemperatureText, "85");
    EXPECT_EQ(TouchstoneFileName(plan->Subject), "KTH1552C1H100JA01shunt(85,3.3).s2p");

    selection = Selection(ProductKind::Capacitor, std::string(kPlainCapacitor) + "j");
    selection.CodeSystem = shared::Jis;
    plan = PrepareExport(library_, selection, passingCheck_, messages_);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->Subject.PartIndex, 1);
    EXPECT_FALSE(plan->Subject.ConditionDependent);
    EXPECT_EQ(plan->Grid.Frequencies.size(), 201U);
    EXPECT_EQ(plan->Subject.PartNumber, std::string(kPlainCapacitor) + "J");
    EXPECT_EQ(plan->Grid.Frequencies.back(), static_cast<double>(1.8e10F));
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(ExportCommandTest, InductorSkipsTheConditionCheckAndIsAlwaysSeries) {
    const auto plan =
        PrepareExport(library_, Selection(ProductKind::Inductor, "pww1510nj"), passingCheck_, messages_);
    ASSERT_TRUE(plan);
    EXPECT_EQ(checks_, 0);
    EXPECT_EQ(plan->Subject.PartNumber, kInductor);
    EXPECT_EQ(plan->Subject.RangeClass, 1);
    EXPECT_EQ(plan->Subject.Connection, CircuitMode::Series);
    EXPECT_EQ(plan->Grid.StartFrequency, 1e7);
}

TEST_F(ExportCommandTest, PartWithoutClassGetsTheUnexpectedErrorReport) {
    EXPECT_FALSE(PrepareExport(library_, Selection(ProductKind::Capacitor, kClasslessCapacitor),
                               passingCheck_, messages_));
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text, "Unexpected Error 5\r\nInvalid procedure call or argument");
    EXPECT_EQ(messages_.Shown()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages_.Shown()[0].title, "Pelmo");
}

TEST_F(ExportCommandTest, SavedFileIsCommittedAndConfirmed) {
    const auto plan = PrepareExport(library_, Selection(ProductKind::Inductor, kInductor), {}, messages_);
    ASSERT_TRUE(plan);
    shared::MemoryFileSink sink;
    auto coil = testing::SmallInductor();
    EXPECT_TRUE(
        SaveTouchstoneExport(*plan, coil.Evaluator(), "/data/PWW1510NJ.s2p", OpenerOnto(sink), messages_));
    EXPECT_TRUE(sink.Committed());
    EXPECT_EQ(testing::SplitCrLf(sink.Bytes()).size(), 209U);
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text, "S Parameter Data saved to /data/PWW1510NJ.s2p");
    EXPECT_EQ(messages_.Shown()[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages_.Shown()[0].title, "Pelmo");

    messages_.Clear();
    shared::MemoryFileSink table;
    EXPECT_TRUE(SaveImpedanceExport(*plan, {"Over 6000", "0.12", "10.3"}, coil.Evaluator(), ',',
                                    "/data/PWW1510NJ.txt", OpenerOnto(table), messages_));
    EXPECT_TRUE(table.Committed());
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text, "Impedance Data saved to /data/PWW1510NJ.txt");
}

TEST_F(ExportCommandTest, WriteFailureAtAnyPointIsReportedAndNothingIsClaimed) {
    const auto plan =
        PrepareExport(library_, Selection(ProductKind::Capacitor, kModelCapacitor), passingCheck_, messages_);
    ASSERT_TRUE(plan);
    for (bool touchstone : {true, false}) {
        const auto save = [&](shared::MemoryFileSink& sink) {
            auto chip = testing::SmallCapacitor(CircuitMode::Shunt);
            return touchstone
                       ? SaveTouchstoneExport(*plan, chip.Evaluator(), "x.s2p", OpenerOnto(sink), messages_)
                       : SaveImpedanceExport(*plan, {"1", "2", "3"}, chip.Evaluator(), '.', "x.txt",
                                             OpenerOnto(sink), messages_);
        };
        shared::MemoryFileSink whole;
        ASSERT_TRUE(save(whole));
        const std::size_t size = whole.Bytes().size();
        // Before the first byte, inside the header, half-way, and at the very last byte.
        for (std::size_t failAfter : {std::size_t{0}, std::size_t{40}, size / 2, size - 1}) {
            messages_.Clear();
            shared::MemoryFileSink sink(failAfter, shared::error::kDiskFull);
            EXPECT_FALSE(save(sink)) << failAfter;
            EXPECT_FALSE(sink.Committed());
            ASSERT_EQ(messages_.Shown().size(), 1U) << failAfter;
            EXPECT_EQ(messages_.Shown()[0].text, "Unexpected Error 61\r\nDisk full");
            EXPECT_EQ(messages_.Shown()[0].icon, MessageIcon::Critical);
            EXPECT_EQ(messages_.Shown()[0].title, "Pelmo");
        }
    }
}

TEST_F(ExportCommandTest, FailingEvaluationIsReportedAndNothingIsCommitted) {
    const auto plan = PrepareExport(library_, Selection(ProductKind::Inductor, kInductor), {}, messages_);
    ASSERT_TRUE(plan);
    OperatingPointResult result;
    int calls = 0;
    const GridPointEvaluator failing = [&](double) -> const OperatingPointResult& {
        if (++calls == 120) {
            throw shared::RuntimeError(shared::error::kDivisionByZero);
        }
        return result;
    };
    shared::MemoryFileSink sink;
    EXPECT_FALSE(SaveTouchstoneExport(*plan, failing, "x.s2p", OpenerOnto(sink), messages_));
    EXPECT_FALSE(sink.Committed());
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text, "Unexpected Error 11\r\nDivision by zero");
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST_F(ExportCommandTest, FailedSaveKeepsTheOldFileOnDiskAndLeavesNoPartialFile) {
    const auto folder =
        std::filesystem::temp_directory_path() /
        ("pelmo_export_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
         std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto target = folder / "PWW1510NJ.s2p";
    {
        std::ofstream old(target, std::ios::binary);
        old << "previous export\r\n";
    }
    const auto plan = PrepareExport(library_, Selection(ProductKind::Inductor, kInductor), {}, messages_);
    ASSERT_TRUE(plan);
    auto coil = testing::SmallInductor();

    EXPECT_FALSE(SaveTouchstoneExport(*plan, coil.Evaluator(), target.string(),
                                      shared::FailingFileSink::Opener(5000, shared::error::kDiskFull),
                                      messages_));
    EXPECT_EQ(ReadFile(target), "previous export\r\n");
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);

    messages_.Clear();
    EXPECT_TRUE(SaveTouchstoneExport(*plan, coil.Evaluator(), target.string(), shared::OpenAtomicFileWriter,
                                     messages_));
    shared::MemoryFileSink expected;
    auto again = testing::SmallInductor();
    WriteTouchstone(plan->Subject, plan->Grid, again.Evaluator(), expected);
    EXPECT_TRUE(ReadFile(target) == expected.Bytes());
    ASSERT_EQ(messages_.Shown().size(), 1U);
    EXPECT_EQ(messages_.Shown()[0].text, "S Parameter Data saved to " + target.string());
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace pelmo
