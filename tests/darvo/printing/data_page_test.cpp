#include "darvo/printing/data_page.h"

#include "shared/canvas/recording_canvas.h"
#include "shared/text/number_text.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace darvo {
namespace {

using shared::LineCall;
using shared::RecordingCanvas;
using shared::TextCall;

const std::string kDegree = "\xC2\xB0";

ChartDataRecord Record(int chartType, const std::string& x, const std::string& y) {
    ChartDataRecord record;
    record.ChartType = static_cast<darvo::ChartType>(chartType);
    record.XAxisName = *QuantityFromName(x);
    record.YAxisName = *QuantityFromName(y);
    record.DCBiasVoltage = 6.3F;
    record.HeatResistance = 120.0F;
    record.Frequency = 100.0F;
    record.AmbientTemperature = -25.0F;
    record.ParameterName = Quantity::ApparentPower;
    record.ParameterValue = 0.25F;
    for (int j = 0; j < kChartPoints; ++j) {
        record.XData[static_cast<std::size_t>(j)] = 100000.0F + 1000.0F * static_cast<float>(j);
        record.YData[static_cast<std::size_t>(j)] = 0.005F * static_cast<float>(j + 1);
    }
    return record;
}

RecordingCanvas PrintedPage(const ChartDataRecord& record, char separator = '.') {
    RecordingCanvas page(4800, 6300, 600.0, true);
    page.SetOrientation(shared::PageOrientation::Landscape);
    page.SetFontName("Courier New");
    page.ClearCalls();
    PrintDataPage(page, record, {"12/9/26 7:04:11 PM", "GRM188R71", kDegree, separator});
    return page;
}

// Texts by their position.
std::map<std::pair<double, double>, std::string> TextsByPosition(const RecordingCanvas& page) {
    std::map<std::pair<double, double>, std::string> texts;
    for (const TextCall& text : page.CallsOf<TextCall>()) texts[{text.x, text.y}] = text.text;
    return texts;
}

struct HeaderCase {
    const char* name;
    int chartType;
    const char* x;
    const char* y;
    // Condition texts at (0, 99), (35, 99), (0, 97), (35, 97); empty: nothing there.
    std::vector<std::string> conditions;
};

class DataPageHeader : public ::testing::TestWithParam<HeaderCase> {};

// clang-format off
const HeaderCase kHeaderCases[] = {
    {"RiseOverFrequency", 0, "Frequency", "Temperature Rise",
     {"DC Bias Voltage -> 6.3 [V]", "Heat Resistance -> 120 [C/W]", "Ambient Temperature -> -25 [C]",
      "Apparent Power -> 0.25 [VA]"}},
    {"RiseOverVoltage", 0, "Voltage", "Temperature Rise",
     {"DC Bias Voltage -> 6.3 [V]", "Heat Resistance -> 120 [C/W]", "Frequency -> 100 [kHz]",
      "Ambient Temperature -> -25 [C]"}},
    {"AllowablePower", 1, "Frequency", "Current",
     {"DC Bias Voltage -> 6.3 [V]", "Heat Resistance -> 120 [C/W]", "Ambient Temperature -> -25 [C]", ""}},
    {"CapacitanceTemperature", 2, "Temperature", "Capacitance Change",
     {"DC Bias Voltage -> 6.3 [V]", "", "", ""}},
    {"CapacitanceDcVoltage", 3, "DC Bias Voltage", "Capacitance",
     {"Ambient Temperature -> -25 [C]", "", "", ""}},
    {"CapacitanceAcVoltage", 4, "AC Voltage", "Capacitance", {"", "", "", ""}},
};
// clang-format on

TEST_P(DataPageHeader, NamesTheRequestAndTheConditionsItsChartUses) {
    const HeaderCase& c = GetParam();
    const RecordingCanvas page = PrintedPage(Record(c.chartType, c.x, c.y));
    const auto texts = TextsByPosition(page);
    EXPECT_EQ(texts.at({0, 105}), "Tervalon  12/9/26 7:04:11 PM");
    EXPECT_EQ(texts.at({0, 103}).rfind("ChartType -> ", 0), 0U);
    EXPECT_EQ(texts.at({0, 101}), "Orvane Part Num -> GRM188R71");
    const std::pair<double, double> places[] = {{0, 99}, {35, 99}, {0, 97}, {35, 97}};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto found = texts.find(places[k]);
        if (c.conditions[k].empty()) {
            EXPECT_EQ(found, texts.end()) << k;
        } else {
            ASSERT_NE(found, texts.end()) << k;
            EXPECT_EQ(found->second, c.conditions[k]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ChartTypes, DataPageHeader, ::testing::ValuesIn(kHeaderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DataPage, PortraitArialInTheHundredUnitScale) {
    const RecordingCanvas page = PrintedPage(Record(2, "Temperature", "Capacitance Change"));
    EXPECT_EQ(page.Orientation(), shared::PageOrientation::Portrait);
    const auto scales = page.CallsOf<shared::ScaleCall>();
    ASSERT_EQ(scales.size(), 1U);
    EXPECT_EQ(scales[0], (shared::ScaleCall{-5, 110, 100, -115}));
    for (const TextCall& text : page.CallsOf<TextCall>()) {
        EXPECT_EQ(text.font.name, "Arial");
        EXPECT_EQ(text.font.size, 9.0);
    }
    const auto texts = TextsByPosition(page);
    EXPECT_EQ(texts.at({0, 103}), "ChartType -> Capacitance-Temperature Characteristics");
}

TEST(DataPage, ColumnTitlesRepeatOverTheThreeGroupsWithDegreeUnits) {
    const RecordingCanvas page = PrintedPage(Record(0, "Current", "Temperature Rise"));
    const auto texts = TextsByPosition(page);
    for (const double left : {0.0, 32.0, 64.0}) {
        EXPECT_EQ(texts.at({left, 95}), "Current");
        EXPECT_EQ(texts.at({left, 93.5}), "[Arms]");
        EXPECT_EQ(texts.at({left + 16, 95}), "Temperature Rise");
        EXPECT_EQ(texts.at({left + 16, 93.5}), "[" + kDegree + "C]");
    }
}

TEST(DataPage, TwoHundredRowsIn67_67_66WithFrequenciesInKilohertz) {
    const RecordingCanvas page = PrintedPage(Record(1, "Frequency", "Current"));
    std::map<double, int> rowsPerColumn;
    for (const TextCall& text : page.CallsOf<TextCall>())
        if (text.y <= 92.0) ++rowsPerColumn[text.x];
    EXPECT_EQ(rowsPerColumn,
              (std::map<double, int>{{0, 67}, {16, 67}, {32, 67}, {48, 67}, {64, 66}, {80, 66}}));

    const auto texts = TextsByPosition(page);
    // Point 0 tops group 0; point 66 ends it; point 67 tops group 1; point 199 ends group 2.
    EXPECT_EQ(texts.at({0, 92}), "1.00E+02");  // 100000 Hz
    EXPECT_EQ(texts.at({16, 92}), "5.00E-03");
    EXPECT_EQ(texts.at({0, 92 - 1.3 * 66}), "1.66E+02");
    EXPECT_EQ(texts.at({32, 92}), "1.67E+02");
    EXPECT_EQ(texts.at({48, 92}), "3.40E-01");
    EXPECT_EQ(texts.at({64, 92 - 1.3 * 65}), "2.99E+02");
    EXPECT_EQ(texts.at({80, 92 - 1.3 * 65}), "1.00E+00");
}

TEST(DataPage, ValuesOffAFrequencyAxisAreWrittenAsTheyAre) {
    ChartDataRecord record = Record(2, "Temperature", "Capacitance Change");
    record.XData[0] = 12.5F;
    record.YData[0] = -0.005F;
    const auto texts = TextsByPosition(PrintedPage(record));
    EXPECT_EQ(texts.at({0, 92}), "1.25E+01");
    EXPECT_EQ(texts.at({16, 92}), "-5.00E-03");
}

TEST(DataPage, ThreeRulesUnderTheTitlesAndBetweenTheGroups) {
    const RecordingCanvas page = PrintedPage(Record(4, "AC Voltage", "Capacitance"));
    const auto lines = page.CallsOf<LineCall>();
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0], (LineCall{0, 95, 90, 95, shared::colors::kBlack}));
    EXPECT_EQ(lines[1], (LineCall{30, 0, 30, 93.5, shared::colors::kBlack}));
    EXPECT_EQ(lines[2], (LineCall{62, 0, 62, 93.5, shared::colors::kBlack}));
}

TEST(DataPage, CommaLocaleWritesCommasInConditionsAndRows) {
    const auto texts = TextsByPosition(PrintedPage(Record(2, "Temperature", "Capacitance Change"), ','));
    EXPECT_EQ(texts.at({0, 99}), "DC Bias Voltage -> 6,3 [V]");
    EXPECT_EQ(texts.at({0, 92}), "1,00E+05");
}

TEST(DataPage, QuestionNamesThePartNumberBoxText) {
    EXPECT_EQ(DataPrintQuestionText("grm188"), "Would you print grm188 Data ?");
}

}  // namespace
}  // namespace darvo
