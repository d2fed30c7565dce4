#include "darvo/selection/plot_conditions.h"

#include "darvo/selection/condition_checks.h"
#include "support/test_names.h"

#include "shared/platform/testing/fake_messages.h"

#include <gtest/gtest.h>
#include <string>

namespace darvo {
namespace {

ProductRecord CheckedPart(const char* eiaChar = "X7R") {
    ProductRecord part;
    part.PartNumber = {"P1", "J1"};
    part.TempChar = {eiaChar, "B"};
    part.RatedVoltage = 6.3F;
    part.HeatModel[3] = 42.5F;
    return part;
}

enum class Check { DCBias, Frequency, Heat, Parameter, Ambient1, Ambient2 };

struct CheckCase {
    Check check;
    int chartType;
    char separator;
    shared::CodeSystem code;
    const char* text;
    const char* message;  // nullptr: the check passes
};

const char* const kDcTo = "DC Bias Voltage is invalid!\r\nPlease enter a Number from 0 to 6.3[V]";
const char* const kDcUnder = "DC Bias Voltage is invalid!\r\nPlease enter a Number from 0 under 6.3[V]";
const char* const kFrequency = "Frequency is invalid!\r\nPlease enter a Number from 100 to 1000 [kHz]";
const char* const kHeat = "Heat Resistance is invalid!\r\nPlease enter a Number from 0 [C/W]";
const char* const kParameter = "A Non-numerical value exists where numerical value should be in.";
const char* const kAmbientEia =
    "Ambient Temperature is invalid!\r\nPlease enter a Number from -55 to 125 [C]";
const char* const kAmbientJis = "Ambient Temperature is invalid!\r\nPlease enter a Number from -25 to 85 [C]";

constexpr shared::CodeSystem E = shared::Eia;
constexpr shared::CodeSystem J = shared::Jis;

const char* CheckName(Check check) {
    switch (check) {
        case Check::DCBias:
            return "DCBias";
        case Check::Frequency:
            return "Frequency";
        case Check::Heat:
            return "Heat";
        case Check::Parameter:
            return "Parameter";
        case Check::Ambient1:
            return "Ambient1";
        case Check::Ambient2:
            return "Ambient2";
    }
    return "Unknown";
}

// clang-format off
const CheckCase kCheckCases[] = {
    {Check::DCBias,    0, '.', E, "6.3",   nullptr},
    {Check::DCBias,    2, '.', E, "0",     nullptr},
    {Check::DCBias,    1, '.', E, "6.3",   kDcUnder},
    {Check::DCBias,    1, '.', E, "6.29",  nullptr},
    {Check::DCBias,    1, '.', E, "",      kDcTo},
    {Check::DCBias,    1, '.', E, "abc",   kDcTo},
    {Check::DCBias,    2, '.', E, "-1",    kDcTo},
    {Check::DCBias,    0, '.', E, "6.31",  kDcTo},
    {Check::DCBias,    0, ',', E, "1,5",   nullptr},
    {Check::DCBias,    0, ',', E, "1.5",   "DC Bias Voltage is invalid!\r\nPlease enter a Number from 0 to 6,3[V]"},
    {Check::Frequency, 0, '.', E, "100",   nullptr},
    {Check::Frequency, 0, '.', E, "1000",  nullptr},
    {Check::Frequency, 0, '.', E, "99.9",  kFrequency},
    {Check::Frequency, 0, '.', E, "1001",  kFrequency},
    {Check::Heat,      0, '.', E, "0",     kHeat},
    {Check::Heat,      1, '.', E, "0.01",  nullptr},
    {Check::Heat,      1, '.', E, "",      kHeat},
    {Check::Parameter, 0, '.', E, "",      kParameter},
    {Check::Parameter, 0, '.', E, "1e3",   nullptr},
    {Check::Parameter, 0, ',', E, "0,1",   nullptr},
    {Check::Ambient1,  0, '.', E, "125",   kAmbientEia},
    {Check::Ambient1,  1, '.', E, "124.9", nullptr},
    {Check::Ambient2,  3, '.', E, "125",   nullptr},
    {Check::Ambient1,  0, '.', E, "-55",   nullptr},
    {Check::Ambient2,  3, '.', E, "-55",   nullptr},
    {Check::Ambient2,  3, '.', E, "-56",   kAmbientEia},
    {Check::Ambient1,  0, '.', J, "85",    kAmbientJis},
    {Check::Ambient2,  3, '.', J, "85",    nullptr},
    {Check::Ambient2,  3, '.', J, "x",     kAmbientJis},
};
// clang-format on

class ConditionCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ConditionCheckTest, AcceptsOrShowsTheWindowsMessage) {
    const CheckCase& row = GetParam();
    const ProductRecord part = CheckedPart();
    shared::FakeMessages messages;
    ConditionChecks checks(part, static_cast<ChartType>(row.chartType), row.code, messages, row.separator);
    bool ok = false;
    switch (row.check) {
        case Check::DCBias:
            ok = checks.CheckDCBiasVol(row.text);
            break;
        case Check::Frequency:
            ok = checks.CheckFrequency(row.text);
            break;
        case Check::Heat:
            ok = checks.CheckHeatResistance(row.text);
            break;
        case Check::Parameter:
            ok = checks.CheckParameter1(row.text);
            break;
        case Check::Ambient1:
            ok = checks.CheckAmbientTemp1(row.text);
            break;
        case Check::Ambient2:
            ok = checks.CheckAmbientTemp2(row.text);
            break;
    }
    if (row.message == nullptr) {
        EXPECT_TRUE(ok) << row.text;
        EXPECT_TRUE(messages.Shown().empty()) << messages.Shown()[0].text;
        return;
    }
    EXPECT_FALSE(ok) << row.text;
    ASSERT_EQ(messages.Shown().size(), 1U) << row.text;
    EXPECT_EQ(messages.Shown()[0].text, row.message);
    EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
    EXPECT_EQ(messages.Shown()[0].title, "darvo");
}

INSTANTIATE_TEST_SUITE_P(Checks, ConditionCheckTest, ::testing::ValuesIn(kCheckCases), [](const auto& info) {
    const CheckCase& c = info.param;
    return ::shared::testing::TestName(CheckName(c.check), "Type" + std::to_string(c.chartType),
                                       ::shared::testing::NameOfSeparator(c.separator),
                                       c.code == shared::Eia ? "Eia" : "Jis", c.text);
});

TEST(ConditionChecks, AnUnknownCharacteristicIsRefusedWithTheRangeMessage) {
    const ProductRecord part = CheckedPart("Z9Q");
    shared::FakeMessages messages;
    ConditionChecks checks(part, CapacitanceDcVoltage, shared::Eia, messages, '.');
    EXPECT_FALSE(checks.CheckAmbientTemp2("25"));
    ASSERT_EQ(messages.Shown().size(), 1U);
    EXPECT_EQ(messages.Shown()[0].text, "Get Temp. Ranger Error!");
    EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::None);
}

TEST(ConditionChecks, ThePlotStopsAtTheFirstFailureAndTheDataOutputRunsEveryCheck) {
    const ProductRecord part = CheckedPart();
    ConditionTexts texts = DefaultConditions(part, shared::Eia, '.');
    texts.DCBiasVoltage = "abc";
    texts.HeatResistance = "0";
    texts.Frequency = "5";
    struct Case {
        Quantity x;
        bool all;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {Quantity::Current, false, {kDcTo}},
        {Quantity::Current, true, {kDcTo, kHeat, kFrequency}},
        // Over frequency the frequency box is disabled, so its bad text is not read.
        {Quantity::Frequency, true, {kDcTo, kHeat}},
    };
    for (const Case& row : cases) {
        shared::FakeMessages messages;
        ConditionChecks checks(part, TemperatureRise, shared::Eia, messages, '.');
        EXPECT_FALSE(row.all ? checks.CheckConditions(texts, row.x)
                             : checks.CheckAllConditions(texts, row.x));
        std::vector<std::string> shown;
        for (const auto& message : messages.Shown()) {
            shown.push_back(message.text);
        }
        EXPECT_EQ(shown, row.messages) << QuantityName(row.x) << row.all;
    }

    // Capacitance-AC charts have no condition at all.
    shared::FakeMessages messages;
    ConditionChecks acChecks(part, CapacitanceAcVoltage, shared::Eia, messages, '.');
    EXPECT_TRUE(acChecks.CheckAllConditions(texts, Quantity::AcVoltage));
    EXPECT_TRUE(acChecks.CheckConditions(texts, Quantity::AcVoltage));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST(ConditionDefaults, FollowTheNotationTheSeparatorAndThePartsHeatResistance) {
    const ProductRecord part = CheckedPart();
    const ConditionTexts eia = DefaultConditions(part, shared::Eia, '.');
    EXPECT_EQ(eia.DCBiasVoltage, "0");
    EXPECT_EQ(eia.Frequency, "100");
    EXPECT_EQ(eia.HeatResistance, "42.5");
    EXPECT_EQ(eia.AmbientTemperature, "25");
    EXPECT_EQ(eia.Parameter, Quantity::Current);
    EXPECT_EQ(eia.ParameterValue, "0.1");
    const ConditionTexts jis = DefaultConditions(part, shared::Jis, ',');
    EXPECT_EQ(jis.HeatResistance, "42,5");
    EXPECT_EQ(jis.AmbientTemperature, "20");
    EXPECT_EQ(jis.ParameterValue, "0,1");
}

TEST(ConditionDefaults, EnabledBoxesFollowTheChartTypeAndXAxis) {
    struct Case {
        int type;
        Quantity x;
        bool dc, freq, heat, ambient, parameter;
    };
    // clang-format off
    const Case cases[] = {
        {0, Quantity::Current,         true,  true,  true,  true,  false},
        {0, Quantity::Frequency,       true,  false, true,  true,  true},
        {1, Quantity::Frequency,       true,  false, true,  true,  false},
        {2, Quantity::Temperature,     true,  false, false, false, false},
        {3, Quantity::DcBiasVoltage, false, false, false, true,  false},
        {4, Quantity::AcVoltage,      false, false, false, false, false},
    };
    // clang-format on
    for (const Case& row : cases) {
        const EnabledConditions enabled = EnabledFor(static_cast<ChartType>(row.type), row.x);
        EXPECT_EQ(enabled.DCBiasVoltage, row.dc) << row.type << QuantityName(row.x);
        EXPECT_EQ(enabled.Frequency, row.freq) << row.type << QuantityName(row.x);
        EXPECT_EQ(enabled.HeatResistance, row.heat) << row.type << QuantityName(row.x);
        EXPECT_EQ(enabled.AmbientTemperature, row.ambient) << row.type << QuantityName(row.x);
        EXPECT_EQ(enabled.Parameter, row.parameter) << row.type << QuantityName(row.x);
    }
}

TEST(ChartRequestHeader, StoresEveryBoxAsASingleAndTextThatIsNoNumberAsZero) {
    ConditionTexts texts;
    texts.DCBiasVoltage = "1,5";
    texts.Frequency = "abc";
    texts.HeatResistance = "40";
    texts.AmbientTemperature = "-10";
    texts.Parameter = Quantity::Voltage;
    texts.ParameterValue = "0,1";
    const ChartDataRecord record =
        ChartRequestHeader({TemperatureRise, Quantity::Frequency, Quantity::TemperatureRise}, 7, texts, ',');
    EXPECT_EQ(record.ChartType, TemperatureRise);
    EXPECT_EQ(record.XAxisName, Quantity::Frequency);
    EXPECT_EQ(record.YAxisName, Quantity::TemperatureRise);
    EXPECT_EQ(record.ProductIndex, 7);
    EXPECT_EQ(record.DCBiasVoltage, 1.5F);
    EXPECT_EQ(record.Frequency, 0.0F);
    EXPECT_EQ(record.HeatResistance, 40.0F);
    EXPECT_EQ(record.AmbientTemperature, -10.0F);
    EXPECT_EQ(record.ParameterName, Quantity::Voltage);
    EXPECT_EQ(record.ParameterValue, 0.1F);
}

}  // namespace
}  // namespace darvo
