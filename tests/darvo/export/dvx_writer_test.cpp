#include "darvo/export/dvx_writer.h"

#include "darvo/export/chart_names.h"
#include "darvo/export/date_time_text.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/memory_file_sink.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <locale>
#include <string>
#include <tuple>
#include <vector>

namespace darvo {
namespace {

// A row as printf writes "%.2E" (mantissa, two-digit signed exponent), an independent
// form of the file's "0.00E+00", with the separator put in.
std::string PrintfRow(double x, double y, char separator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2E            %.2E", x, y);
    std::string row = buffer;
    // snprintf writes the C library locale's separator, which the comma-locale run sets.
    for (char& c : row) {
        c = c == '.' || c == ',' ? separator : c;
    }
    return row + "\r\n";
}

struct DvxCase {
    const char* name;
    int chartType;
    Quantity x;
    Quantity y;
    Quantity parameter;
    std::vector<std::string> conditionLines;  // with "." for the separator
    const char* columnTitle;
};

std::string WithSeparator(std::string text, char separator) {
    for (char& c : text) {
        c = c == '.' ? separator : c;
    }
    return text;
}

// clang-format off
const DvxCase kCases[] = {
    {"RiseOverCurrent", 0, Quantity::Current, Quantity::TemperatureRise, Quantity::Current,
     {"!DC Bias Voltage-> 1.5 [V]", "!Heat Resistance-> 40.5 [C/W]", "!Frequency-> 250 [kHz]",
      "!Ambient Temperature-> 25 [C]"},
     "Current[Arms]  Temperature Rise[C]"},
    {"RiseOverFrequency", 0, Quantity::Frequency, Quantity::TemperatureRise, Quantity::Voltage,
     {"!DC Bias Voltage-> 1.5 [V]", "!Heat Resistance-> 40.5 [C/W]", "!Ambient Temperature-> 25 [C]",
      "!Voltage-> 0.1 [Vrms]"},
     "Frequency[kHz]  Temperature Rise[C]"},
    {"AllowablePower", 1, Quantity::Frequency, Quantity::ApparentPower, Quantity::Current,
     {"!DC Bias Voltage-> 1.5 [V]", "!Heat Resistance-> 40.5 [C/W]", "!Ambient Temperature-> 25 [C]"},
     "Frequency[kHz]  Apparent Power[VA]"},
    {"CapacitanceTemperature", 2, Quantity::Temperature, Quantity::CapacitanceChange, Quantity::Current,
     {"!DC Bias Voltage-> 1.5 [V]"},
     "Temperature[C]  Capacitance Change[%]"},
    {"CapacitanceDcVoltage", 3, Quantity::DcBiasVoltage, Quantity::Capacitance, Quantity::Current,
     {"!Ambient Temperature-> 25 [C]"},
     "DC Bias Voltage[V]  Capacitance[pF]"},
    {"CapacitanceAcVoltage", 4, Quantity::AcVoltage, Quantity::Capacitance, Quantity::Current,
     {},
     "AC Voltage[V]  Capacitance[pF]"},
};
// clang-format on

class DvxFileTextTest : public ::testing::TestWithParam<std::tuple<DvxCase, char>> {};

TEST_P(DvxFileTextTest, WritesTheWholeFileByteForByte) {
    const auto& [row, separator] = GetParam();
    const bool frequency = row.x == Quantity::Frequency;
    ChartDataRecord record;
    record.ChartType = static_cast<ChartType>(row.chartType);
    record.XAxisName = row.x;
    record.YAxisName = row.y;
    record.DCBiasVoltage = 1.5F;
    record.HeatResistance = 40.5F;
    record.Frequency = 250.0F;
    record.AmbientTemperature = 25.0F;
    record.ParameterName = row.parameter;
    record.ParameterValue = 0.1F;
    for (int j = 0; j < kChartPoints; ++j) {
        // Whole numbers below 1000 have exact three-digit mantissas, so the rows do not
        // depend on how either formatter rounds.
        const auto n = static_cast<float>(j + 1);
        record.XData[static_cast<std::size_t>(j)] = frequency ? n * 1000.0F : n;
        record.YData[static_cast<std::size_t>(j)] = -n;
    }

    std::string expected = "!Tervalon  2026/12/09 06:52:56\r\n!ChartType-> " + ChartTypeName(row.chartType) +
                           "\r\n!Orvane Part Number-> GRX188\r\n";
    for (const std::string& line : row.conditionLines) {
        expected += WithSeparator(line, separator) + "\r\n";
    }
    expected += std::string(row.columnTitle) + "\r\n";
    for (int j = 0; j < kChartPoints; ++j) {
        expected += PrintfRow(j + 1, -(j + 1), separator);
    }

    const std::string text = DvxFileText(record, {"2026/12/09 06:52:56", "GRX188"}, separator);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
              3 + row.conditionLines.size() + 1 + 200);
}

INSTANTIATE_TEST_SUITE_P(ChartTypes, DvxFileTextTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Values('.', ',')),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == ',' ? "Comma" : "Point");
                         });

TEST(DvxFileText, FormatsRowValuesWithTwoSignedExponentDigits) {
    struct Row {
        float x;
        Quantity axis;
        const char* expected;
    };
    // clang-format off
    const Row rows[] = {
        {12.5F, Quantity::Current, "1.25E+01"},
        {0.005F, Quantity::Current, "5.00E-03"},
        {0.0F, Quantity::Current, "0.00E+00"},
        {100000.0F, Quantity::Frequency, "1.00E+02"},
        {-3.14159F, Quantity::Temperature, "-3.14E+00"},
    };
    // clang-format on
    for (const Row& row : rows) {
        ChartDataRecord record;
        record.ChartType = CapacitanceAcVoltage;
        record.XAxisName = row.axis;
        record.YAxisName = Quantity::Capacitance;
        record.XData[0] = row.x;
        const std::string text = DvxFileText(record, {"d", "p"}, '.');
        const std::string expectedRow = std::string(row.expected) + "            0.00E+00\r\n";
        EXPECT_NE(text.find("\r\n" + expectedRow), std::string::npos)
            << row.x << " " << QuantityName(row.axis);
    }
}

TEST(DvxFileText, RefusesAValueThatIsNotFinite) {
    ChartDataRecord record;
    record.ChartType = CapacitanceAcVoltage;
    record.XAxisName = Quantity::AcVoltage;
    record.YAxisName = Quantity::Capacitance;
    record.YData[17] = std::numeric_limits<float>::infinity();
    try {
        (void)DvxFileText(record, {"d", "p"}, '.');
        FAIL() << "an infinite value was written";
    } catch (const shared::RuntimeError& failure) {
        EXPECT_EQ(failure.Number(), shared::error::kOverflow);
    }
}

TEST(WriteDvxFile, CommitsOnlyAfterTheWholeText) {
    shared::MemoryFileSink sink;
    WriteDvxFile(sink, "abc\r\n");
    EXPECT_EQ(sink.Bytes(), "abc\r\n");
    EXPECT_TRUE(sink.Committed());

    shared::MemoryFileSink failing(2, shared::error::kDiskFull);
    EXPECT_THROW(WriteDvxFile(failing, "abc\r\n"), shared::RuntimeError);
    EXPECT_FALSE(failing.Committed());
}

TEST(ChartNames, NamesEveryChartTypeAndFileUnit) {
    EXPECT_EQ(ChartTypeName(0), "Temperature Rise Characteristics");
    EXPECT_EQ(ChartTypeName(1), "Allowable power");
    EXPECT_EQ(ChartTypeName(4), "Capacitance-AC Voltage Characteristics");
    EXPECT_EQ(ChartTypeName(5), "");
    EXPECT_EQ(DataFileUnit(Quantity::TemperatureRise), "[C]");
    EXPECT_EQ(DataFileUnit(Quantity::Temperature), "[C]");
    EXPECT_EQ(DataFileUnit(Quantity::EffectivePower), "[W]");
    EXPECT_EQ(DataFileUnit(Quantity::CapacitanceChange), "[%]");
    EXPECT_EQ(DataFileUnit(Quantity::None), "");
}

TEST(GeneralDateText, WritesTheShortDateAndLongTimeOfTheLocalTime) {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 9;
    local.tm_hour = 6;
    local.tm_min = 52;
    local.tm_sec = 56;
    local.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&local));
    EXPECT_EQ(GeneralDateText(when, std::locale::classic()), "12/09/26 06:52:56");
}

}  // namespace
}  // namespace darvo
