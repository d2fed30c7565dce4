#include "darvo/export/chart_data_output.h"

#include "darvo/engine/chart_table.h"
#include "darvo/engine/engine_failure.h"
#include "darvo/export/dvx_writer.h"
#include "tests/darvo/engine/engine_test_parts.h"

#include "shared/errors/runtime_error.h"
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
#include <unistd.h>

namespace darvo {
namespace {

namespace fs = std::filesystem;

// A heat part (rise 0.5 C/A² at its q = 100 C/W, 10 V rated, up to 125 C) and a stable
// X7R capacitance part, in both notations.
ProductLibrary TestLibrary() {
    ProductLibrary library;
    ProductRecord heat = testing::HeatPart(0.5F, 0.2F, 2.0F);
    heat.PartNumber = {"HEAT1", "HJIS1"};
    heat.TempChar = {"X7R", "B"};
    ProductRecord cap;
    cap.PartNumber = {"CAP2", "CJIS2"};
    cap.TempChar = {"X7R", "B"};
    cap.NominalCapacitance = 100000.0F;
    cap.CapacitanceBasis = 105000.0F;
    cap.RatedVoltage = 6.3F;
    cap.CapModel[5] = -1.0F;
    cap.CapModel[11] = 0.1F;
    library.ProductTable = {heat, cap};
    return library;
}

ChartDataRecord RiseOverCurrent(float rth = 100.0F) {
    ChartDataRecord header = testing::ThermalRequest(0, Quantity::Current, Quantity::TemperatureRise, rth);
    header.ProductIndex = 0;
    return header;
}

ChartDataRecord CapacitanceOverTemperature() {
    ChartDataRecord header;
    header.ChartType = CapacitanceTemperature;
    header.XAxisName = Quantity::Temperature;
    header.YAxisName = Quantity::CapacitanceChange;
    header.ProductIndex = 1;
    header.DCBiasVoltage = 1.0F;
    header.ParameterName = Quantity::Current;
    return header;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A table with one adopted curve, as with one chart window open.
ChartTable TableWithOneCurve() {
    ChartTable table;
    ChartDataRecord& record = table.Prepare();
    record = CapacitanceOverTemperature();
    record.DCBiasVoltage = 2.0F;
    table.AdoptPrepared();
    return table;
}

class SaveChartDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("darvo_export_test_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(SaveChartDataTest, WritesTheComputedCurveAndLeavesTheTableAsItWas) {
    struct Case {
        ChartDataRecord header;
        shared::CodeSystem code;
        const char* partNumber;
    };
    const Case cases[] = {
        {RiseOverCurrent(), shared::Eia, "HEAT1"},
        {CapacitanceOverTemperature(), shared::Eia, "CAP2"},
        {CapacitanceOverTemperature(), shared::Jis, "CJIS2"},
    };
    for (const Case& row : cases) {
        ProductLibrary library = TestLibrary();
        library.CodeSystem = row.code;
        shared::FakeMessages messages;
        ChartTable table = TableWithOneCurve();
        const ChartDataRecord curveBefore = table.At(0);

        std::optional<ChartDataRecord> computed =
            ComputeOutputRecord(table, library, row.header, '.', messages);
        ASSERT_TRUE(computed);
        EXPECT_EQ(table.Size(), 1U);

        auto memory = std::make_shared<shared::MemoryFileSink>();
        std::string opened;
        const shared::FileSinkOpener open =
            [&](const std::string& path) -> std::unique_ptr<shared::FileSink> {
            opened = path;
            struct Forward : shared::FileSink {
                explicit Forward(std::shared_ptr<shared::MemoryFileSink> inner) : inner_(std::move(inner)) {}
                void Write(std::string_view bytes) override { inner_->Write(bytes); }
                void Commit() override { inner_->Commit(); }
                std::shared_ptr<shared::MemoryFileSink> inner_;
            };
            return std::make_unique<Forward>(memory);
        };
        SaveDataRequest request{row.header, "/data/out.dvx", "12/09/26 06:52:56", ','};
        EXPECT_EQ(SaveChartData(table, library, request, open, messages), DataOutputOutcome::Saved);

        EXPECT_EQ(opened, "/data/out.dvx");
        EXPECT_TRUE(memory->Committed());
        EXPECT_EQ(memory->Bytes(), DvxFileText(*computed, {"12/09/26 06:52:56", row.partNumber}, ','));
        EXPECT_NE(memory->Bytes().find(std::string("!Orvane Part Number-> ") + row.partNumber + "\r\n"),
                  std::string::npos);
        EXPECT_EQ(table.ChartCount(), 1);
        EXPECT_EQ(table.Size(), 1U);
        EXPECT_FALSE(table.IsPreparing());
        EXPECT_EQ(table.At(0), curveBefore);
        ASSERT_EQ(messages.Shown().size(), 1U);
        EXPECT_EQ(messages.Shown()[0].text, "darvo Data saved to /data/out.dvx");
        EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Information);
        EXPECT_EQ(messages.Shown()[0].title, "darvo");
    }
}

TEST_F(SaveChartDataTest, AFailedWriteKeepsTheOldFileAndShrinksTheTable) {
    const ProductLibrary library = TestLibrary();
    const fs::path target = folder_ / "HEAT1.dvx";
    {
        std::ofstream old(target, std::ios::binary);
        old << "old contents\r\n";
    }
    shared::FakeMessages messages;
    ChartTable table = TableWithOneCurve();
    const ChartDataRecord curveBefore = table.At(0);

    SaveDataRequest request{RiseOverCurrent(), target.string(), "now", '.'};
    EXPECT_EQ(SaveChartData(table, library, request,
                            shared::FailingFileSink::Opener(300, shared::error::kDiskFull), messages),
              DataOutputOutcome::Failed);

    EXPECT_EQ(ReadFile(target), "old contents\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
    EXPECT_EQ(table.ChartCount(), 1);
    EXPECT_EQ(table.Size(), 1U);
    EXPECT_EQ(table.At(0), curveBefore);
    ASSERT_EQ(messages.Shown().size(), 1U);
    EXPECT_EQ(messages.Shown()[0].text, "Unexpected Error 61\r\n" +
                                            shared::StandardErrorDescription(shared::error::kDiskFull) +
                                            "\r\n" + target.string() + ": No space left on device");
    EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Critical);
    EXPECT_EQ(messages.Shown()[0].title, "darvo");
}

TEST_F(SaveChartDataTest, AnUncreatableFileLeavesAnEmptyTableWithItsOneEmptyElement) {
    const ProductLibrary library = TestLibrary();
    shared::FakeMessages messages;
    ChartTable table;
    SaveDataRequest request{CapacitanceOverTemperature(), (folder_ / "missing" / "x.dvx").string(), "now",
                            '.'};
    EXPECT_EQ(SaveChartData(table, library, request, shared::OpenAtomicFileWriter, messages),
              DataOutputOutcome::Failed);
    EXPECT_EQ(table.ChartCount(), 0);
    EXPECT_EQ(table.Size(), 1U);
    EXPECT_EQ(table.At(0), ChartDataRecord{});
    ASSERT_EQ(messages.Shown().size(), 1U);
    EXPECT_EQ(messages.Shown()[0].text.rfind("Unexpected Error 75\r\n", 0), 0U) << messages.Shown()[0].text;

    // The same request then saves, and the table is still the empty one.
    messages.Clear();
    request.TargetPath = (folder_ / "x.dvx").string();
    EXPECT_EQ(SaveChartData(table, library, request, shared::OpenAtomicFileWriter, messages),
              DataOutputOutcome::Saved);
    EXPECT_EQ(table.Size(), 1U);
    EXPECT_EQ(ReadFile(folder_ / "x.dvx").rfind("!Tervalon  now\r\n!ChartType-> Capacitance-Temperature", 0),
              0U);
}

TEST_F(SaveChartDataTest, AnEngineRefusalOrFailureWritesNothingAndKeepsTheTable) {
    const ProductLibrary library = TestLibrary();
    struct Case {
        const char* name;
        ChartDataRecord header;
        DataOutputOutcome outcome;
        shared::MessageIcon icon;
        const char* textStart;
    };
    ChartDataRecord overLimit =
        testing::ThermalRequest(0, Quantity::Frequency, Quantity::TemperatureRise, 100.0F);
    overLimit.ParameterValue = 1000.0F;  // far above the 80 C limit of a 0.5 C/A² part
    ChartDataRecord zeroHeat = RiseOverCurrent(0.0F);
    const Case cases[] = {
        {"parameter above its limit", overLimit, DataOutputOutcome::Refused, shared::MessageIcon::Exclamation,
         "Parameter is invalid!"},
        {"heat resistance 0", zeroHeat, DataOutputOutcome::Failed, shared::MessageIcon::Critical,
         "Unexpected Error "},
    };
    for (const Case& row : cases) {
        shared::FakeMessages messages;
        ChartTable table = TableWithOneCurve();
        bool opened = false;
        const shared::FileSinkOpener open = [&](const std::string& path) {
            opened = true;
            return shared::OpenAtomicFileWriter(path);
        };
        SaveDataRequest request{row.header, (folder_ / "r.dvx").string(), "now", '.'};
        EXPECT_EQ(SaveChartData(table, library, request, open, messages), row.outcome) << row.name;
        EXPECT_FALSE(opened) << row.name;
        EXPECT_FALSE(fs::exists(folder_ / "r.dvx")) << row.name;
        EXPECT_EQ(table.ChartCount(), 1) << row.name;
        EXPECT_EQ(table.Size(), 1U) << row.name;
        EXPECT_FALSE(table.IsPreparing()) << row.name;
        ASSERT_EQ(messages.Shown().size(), 1U) << row.name;
        EXPECT_EQ(messages.Shown()[0].icon, row.icon) << row.name;
        EXPECT_EQ(messages.Shown()[0].text.rfind(row.textStart, 0), 0U) << messages.Shown()[0].text;
    }
}

TEST(ComputeOutputRecord, RefusesAnIndexOutsideTheTableWithoutTouchingIt) {
    const ProductLibrary library = TestLibrary();
    shared::FakeMessages messages;
    ChartTable table;
    ChartDataRecord header = CapacitanceOverTemperature();
    header.ProductIndex = 2;
    EXPECT_THROW((void)ComputeOutputRecord(table, library, header, '.', messages), shared::RuntimeError);
    EXPECT_EQ(table.Size(), 1U);
    EXPECT_FALSE(table.IsPreparing());
}

}  // namespace
}  // namespace darvo
