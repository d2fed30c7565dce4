#include "darvo/cli/cli_commands.h"

#include "darvo/cli/darvo_cli.h"
#include "darvo/engine/chart_table.h"
#include "darvo/export/chart_data_output.h"
#include "darvo/export/dvx_writer.h"
#include "darvo/library/product_loader.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/failing_file_sink.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/text/number_text.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace darvo {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

const std::chrono::system_clock::time_point kFixedTime = std::chrono::system_clock::from_time_t(1796799176);

CliEnvironment TestEnvironment(char separator = '.') {
    CliEnvironment environment;
    environment.ProgramFolder = DARVO_SAMPLE_LIBRARY_DIR;
    environment.DecimalSeparator = separator;
    environment.Clock = [] { return kFixedTime; };
    environment.TimeLocale = std::locale::classic();
    return environment;
}

CliRun RunCli(const std::vector<std::string>& arguments,
              const CliEnvironment& environment = TestEnvironment()) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = RunDarvoCli(arguments, out, err, environment);
    run.out = out.str();
    run.err = err.str();
    return run;
}

ProductLibrary SampleLibrary(shared::CodeSystem code, char separator = '.') {
    ProductLibrary library = LoadProducts(DARVO_SAMPLE_LIBRARY_DIR, separator);
    EXPECT_TRUE(SortProducts(library, code, separator));
    return library;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ExpectedList(const ProductLibrary& library, int chartType) {
    std::vector<std::string> parts;
    for (const ProductRecord& part : library.ProductTable) {
        const std::string& number = part.PartNumber[static_cast<std::size_t>(library.CodeSystem)];
        if (!number.empty() && part.ChartAvailable[static_cast<std::size_t>(chartType)]) {
            parts.push_back(number);
        }
    }
    return parts;
}

// The first listed part of a chart type, the one a script would most likely take.
std::string FirstListed(int chartType, shared::CodeSystem code = shared::Eia) {
    const std::vector<std::string> parts = ExpectedList(SampleLibrary(code), chartType);
    return parts.empty() ? std::string() : parts.front();
}

TEST(DarvoCliList, ListsTheListablePartsOfAChartTypeInTableOrder) {
    for (const shared::CodeSystem code : {shared::Eia, shared::Jis}) {
        const ProductLibrary library = SampleLibrary(code);
        for (int type = 0; type < 5; ++type) {
            std::vector<std::string> arguments = {"list", "--chart-type", std::to_string(type), "--code",
                                                  code == shared::Jis ? "jis" : "eia"};
            const CliRun run = RunCli(arguments);
            EXPECT_EQ(run.status, kCliDone);
            EXPECT_EQ(run.err, "");
            const std::vector<std::string> listed = Lines(run.out);
            EXPECT_EQ(listed, ExpectedList(library, type)) << type;
            EXPECT_FALSE(listed.empty()) << type;
            EXPECT_LT(listed.size(), library.ProductTable.size()) << type;
        }
    }
    // Without --chart-type the list is the temperature-rise chart's, as the window starts.
    EXPECT_EQ(RunCli({"list"}).out, RunCli({"list", "--chart-type", "0"}).out);
    // Heat data and capacitance data differ between parts, and so do the lists.
    EXPECT_NE(RunCli({"list", "--chart-type", "0"}).out, RunCli({"list", "--chart-type", "4"}).out);
}

TEST(DarvoCliCurve, PrintsOneJsonObjectWithTheCurvesKeysInOrder) {
    const std::string part = FirstListed(2);
    const CliRun run = RunCli(
        {"curve", "--part", part, "--chart-type", "2", "--x", "Temperature", "--y", "Capacitance Change"});
    ASSERT_EQ(run.status, kCliDone) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 9U);
    EXPECT_EQ(lines[0], "{");
    const char* const keys[] = {"XData", "YData", "Xmax", "Xmin", "Ymax", "Ymin", "MaxValue"};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(lines[i + 1].rfind(std::string("  \"") + keys[i] + "\": ", 0), 0U) << lines[i + 1];
    }
    EXPECT_EQ(lines[8], "}");
    // 200 numbers, each read back by a C-locale reader.
    const std::string& xData = lines[1];
    EXPECT_EQ(std::count(xData.begin(), xData.end(), ','), 200);  // 199 between, 1 after
}

TEST(DarvoCliCurve, GivesTheCurveTheEngineComputesWithTheWindowsDefaults) {
    const ProductLibrary library = SampleLibrary(shared::Eia);
    const std::string part = FirstListed(0);
    const std::int32_t index = *FindProduct(library, part);
    const ProductRecord& record = library.ProductTable[static_cast<std::size_t>(index)];

    ChartDataRecord header;
    header.ChartType = TemperatureRise;
    header.XAxisName = Quantity::Voltage;
    header.YAxisName = Quantity::TemperatureRise;
    header.ProductIndex = index;
    header.HeatResistance = record.HeatModel[3];
    header.Frequency = 100.0F;
    header.AmbientTemperature = 25.0F;
    header.ParameterName = Quantity::Current;
    header.ParameterValue = 0.1F;
    ChartTable table;
    shared::FakeMessages messages;
    const std::optional<ChartDataRecord> expected =
        ComputeOutputRecord(table, library, header, '.', messages);
    ASSERT_TRUE(expected);

    const CliRun run =
        RunCli({"curve", "--part", part, "--chart-type", "0", "--x", "Voltage", "--y", "Temperature Rise"});
    ASSERT_EQ(run.status, kCliDone) << run.err;
    EXPECT_EQ(run.out, CurveJson(*expected));

    // Twice the heat resistance is another curve.
    const std::string doubled = shared::GeneralNumberTextSingle(2.0F * record.HeatModel[3], '.');
    const CliRun hotter = RunCli({"curve", "--part", part, "--chart-type", "0", "--x", "Voltage", "--y",
                                  "Temperature Rise", "--heat", doubled});
    ASSERT_EQ(hotter.status, kCliDone) << hotter.err;
    EXPECT_NE(hotter.out, run.out);
}

TEST(DarvoCliRefusals, RefuseBadInputWithExitTwoAndTheMessage) {
    const std::string heatPart = FirstListed(0);
    const std::string capPart = FirstListed(3);
    std::string lowerCase = heatPart;
    for (char& c : lowerCase) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::vector<std::string> rise = {"curve", "--part",  heatPart, "--chart-type",    "0",
                                           "--x",   "Current", "--y",    "Temperature Rise"};
    std::vector<std::string> save = rise;
    save[0] = "save";
    auto with = [](std::vector<std::string> arguments, std::initializer_list<std::string> more) {
        arguments.insert(arguments.end(), more);
        return arguments;
    };
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::string errStart;
    };
    const Case cases[] = {
        {"no command", {}, "darvo-cli: no command given\n"},
        {"unknown command", {"plot"}, "darvo-cli: unknown command \"plot\"\n"},
        {"chart type 5",
         {"list", "--chart-type", "5"},
         "darvo-cli: --chart-type takes 0, 1, 2, 3 or 4, not \"5\""},
        {"bad code", {"list", "--code", "iec"}, "darvo-cli: --code takes eia or jis, not \"iec\""},
        {"list takes no part", {"list", "--part", "X"}, "darvo-cli: list does not take \"--part\""},
        {"curve without --y",
         {"curve", "--part", heatPart, "--chart-type", "0", "--x", "Current"},
         "darvo-cli: curve needs --y"},
        {"save without -o", save, "darvo-cli: save needs -o FILE\n"},
        {"x of another chart",
         {"curve", "--part", capPart, "--chart-type", "3", "--x", "Temperature", "--y", "Capacitance"},
         "darvo-cli: --x of chart type 3 takes \"DC Bias Voltage\", not \"Temperature\""},
        {"disabled frequency",
         {"curve", "--part", capPart, "--chart-type", "3", "--x", "DC Bias Voltage", "--y", "Capacitance",
          "--freq", "200"},
         "darvo-cli: --freq is not a condition of chart type 3"},
        {"parameter off frequency", with(rise, {"--param", "Voltage"}),
         "darvo-cli: --param is not a condition of chart type 0"},
        {"unknown part",
         {"curve", "--part", "NOPE-1", "--chart-type", "0", "--x", "Current", "--y", "Temperature Rise"},
         "\"NOPE-1\" is not in the part list of chart type 0\n"},
        {"other letter case",
         {"curve", "--part", lowerCase, "--chart-type", "0", "--x", "Current", "--y", "Temperature Rise"},
         "\"" + lowerCase + "\" is not in the part list of chart type 0 (listed as \"" + heatPart + "\")\n"},
        {"frequency 99.9", with(rise, {"--freq", "99.9"}),
         "Frequency is invalid!\nPlease enter a Number from 100 to 1000 [kHz]\n"},
        {"heat 0", with(rise, {"--heat", "0"}),
         "Heat Resistance is invalid!\nPlease enter a Number from 0 [C/W]\n"},
        {"comma under a point locale", with(rise, {"--dc", "1,5"}), "DC Bias Voltage is invalid!\n"},
        {"load above its limit",
         {"curve", "--part", heatPart, "--chart-type", "0", "--x", "Frequency", "--y", "Temperature Rise",
          "--param", "Current", "--param-value", "1e6"},
         "Parameter is invalid!\nPlease enter a Number from 0 to "},
    };
    for (const Case& row : cases) {
        const CliRun run = RunCli(row.arguments);
        EXPECT_EQ(run.status, kCliRefused) << row.name;
        EXPECT_EQ(run.out, "") << row.name;
        EXPECT_EQ(run.err.rfind(row.errStart, 0), 0U) << row.name << ": " << run.err;
    }
}

TEST(DarvoCliRefusals, AMissingLibraryFailsWithExitOne) {
    const CliRun run = RunCli({"list", "--library", "/nonexistent/darvo"});
    EXPECT_EQ(run.status, kCliFailed);
    EXPECT_EQ(run.err.rfind("Unexpected Error", 0), 0U) << run.err;
    EXPECT_NE(run.err.find("(library folder /nonexistent/darvo)"), std::string::npos);
}

class DarvoCliSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("darvo_cli_test_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
};

// A heat-model value that is no number fails the thermal charts of that part with the
// error report and status 1; its capacitance charts, which do not read it, still work.
TEST_F(DarvoCliSaveTest, AHeatModelValueThatIsNoNumberFailsOnlyTheChartsThatUseIt) {
    for (const float value : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity()}) {
        const fs::path library = folder_ / "library";
        fs::create_directories(library);
        fs::copy_file(fs::path(DARVO_SAMPLE_LIBRARY_DIR) / "product.idx", library / "product.idx",
                      fs::copy_options::overwrite_existing);
        std::string bytes = Read(fs::path(DARVO_SAMPLE_LIBRARY_DIR) / "product.dat");
        std::memcpy(bytes.data() + 138 + 4 * 5, &value, sizeof value);  // HeatModel(5) of the first part
        std::ofstream(library / "product.dat", std::ios::binary) << bytes;
        const std::string firstLine = Lines(Read(library / "product.idx")).front();
        const std::string part = firstLine.substr(1, firstLine.find('"', 1) - 1);
        const std::string target = (folder_ / "out.dvx").string();

        const CliRun capacitance = RunCli({"curve", "--library", library.string(), "--part", part,
                                           "--chart-type", "2", "--x", "Temperature", "--y", "Capacitance"});
        EXPECT_EQ(capacitance.status, kCliDone) << capacitance.err;
        for (const bool save : {false, true}) {
            std::vector<std::string> arguments = {save ? "save" : "curve",
                                                  "--library",
                                                  library.string(),
                                                  "--part",
                                                  part,
                                                  "--chart-type",
                                                  "0",
                                                  "--x",
                                                  "Current",
                                                  "--y",
                                                  "Temperature Rise"};
            if (save) {
                arguments.insert(arguments.end(), {"-o", target});
            }
            const CliRun rise = RunCli(arguments);
            EXPECT_EQ(rise.status, kCliFailed) << arguments[0] << " " << value;
            EXPECT_EQ(rise.err.rfind("Unexpected Error 6", 0), 0U) << rise.err;
            EXPECT_FALSE(fs::exists(target));
        }
    }
}

TEST_F(DarvoCliSaveTest, WritesExactlyTheBytesOfTheWriterInBothSeparators) {
    struct Case {
        int type;
        const char* x;
        const char* y;
    };
    const Case cases[] = {
        {0, "Frequency", "Temperature Rise"},
        {1, "Frequency", "Current"},
        {3, "DC Bias Voltage", "Capacitance"},
        {4, "AC Voltage", "Capacitance Change"},
    };
    for (const char separator : {'.', ','}) {
        const ProductLibrary library = SampleLibrary(shared::Jis, separator);
        for (const Case& row : cases) {
            const std::vector<std::string> listed = ExpectedList(library, row.type);
            ASSERT_FALSE(listed.empty());
            const std::string& part = listed.front();
            const fs::path target = folder_ / (part + ".dvx");
            const CliRun run = RunCli({"save", "--part", part, "--chart-type", std::to_string(row.type),
                                       "--x", row.x, "--y", row.y, "--code", "jis", "-o", target.string()},
                                      TestEnvironment(separator));
            ASSERT_EQ(run.status, kCliDone) << run.err;
            EXPECT_EQ(run.out, "darvo Data saved to " + target.string() + "\n");

            // The same request made directly: the window's defaults under JIS.
            const std::int32_t index = *FindProduct(library, part);
            const ProductRecord& record = library.ProductTable[static_cast<std::size_t>(index)];
            ChartDataRecord header;
            header.ChartType = static_cast<ChartType>(row.type);
            header.XAxisName = *QuantityFromName(row.x);
            header.YAxisName = *QuantityFromName(row.y);
            header.ProductIndex = index;
            header.HeatResistance = record.HeatModel[3];
            header.Frequency = 100.0F;
            header.AmbientTemperature = 20.0F;
            header.ParameterName = Quantity::Current;
            header.ParameterValue = 0.1F;
            ChartTable table;
            shared::FakeMessages messages;
            const std::optional<ChartDataRecord> computed =
                ComputeOutputRecord(table, library, header, separator, messages);
            ASSERT_TRUE(computed);
            const std::string expected = DvxFileText(
                *computed, {GeneralDateText(kFixedTime, std::locale::classic()), part}, separator);
            EXPECT_EQ(Read(target), expected) << row.type << separator;
            // The data rows follow the locale, as the file is read by people.
            const std::string lastRow = expected.substr(expected.rfind("\r\n", expected.size() - 3) + 2);
            EXPECT_NE(lastRow.find(separator), std::string::npos) << lastRow;
            EXPECT_EQ(lastRow.find(separator == ',' ? '.' : ','), std::string::npos) << lastRow;
        }
    }
}

TEST_F(DarvoCliSaveTest, AFailedWriteExitsOneAndKeepsTheOldFile) {
    const std::string part = FirstListed(4);
    const fs::path target = folder_ / "old.dvx";
    {
        std::ofstream old(target, std::ios::binary);
        old << "kept";
    }
    CliEnvironment environment = TestEnvironment();
    environment.Open = shared::FailingFileSink::Opener(500, shared::error::kPermissionDenied);
    const CliRun run = RunCli({"save", "--part", part, "--chart-type", "4", "--x", "AC Voltage", "--y",
                               "Capacitance", "-o", target.string()},
                              environment);
    EXPECT_EQ(run.status, kCliFailed);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Unexpected Error 70\n" + shared::StandardErrorDescription(70) + "\n" +
                           target.string() + ": Permission denied\n");
    EXPECT_EQ(Read(target), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(DarvoCliSaveTest, RunsEveryCheckOfTheChartTypeBeforeRefusing) {
    const std::string part = FirstListed(0);
    const fs::path target = folder_ / "x.dvx";
    const CliRun run = RunCli({"save", "--part", part, "--chart-type", "0", "--x", "Current", "--y",
                               "Temperature Rise", "--heat", "0", "--freq", "1", "-o", target.string()});
    EXPECT_EQ(run.status, kCliRefused);
    EXPECT_EQ(run.err,
              "Heat Resistance is invalid!\nPlease enter a Number from 0 [C/W]\n"
              "Frequency is invalid!\nPlease enter a Number from 100 to 1000 [kHz]\n");
    EXPECT_FALSE(fs::exists(target));
}

}  // namespace
}  // namespace darvo
