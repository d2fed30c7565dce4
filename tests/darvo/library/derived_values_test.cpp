// The values the start derives from each part number, and the chart availability.

#include "darvo/library/derived_values.h"

#include "darvo/library/product_reader.h"
#include "darvo/library/product_writer.h"
#include "support/test_names.h"
#include "tests/darvo/library/product_fixtures.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace darvo {
namespace {

using testing::SampleProduct;

struct CodeCase {
    std::string partNumber;
    float capacitance;
    float voltage;
};

class DerivedFromCodes : public ::testing::TestWithParam<char> {};

TEST_P(DerivedFromCodes, CapacitanceAndVoltageUnderEitherSeparator) {
    const char separator = GetParam();
    const std::vector<CodeCase> cases = {
        {"KTA15XR71H1R0KA88", 1.0F, 50.0F},    {"KTA15XR72HR75KA88", 0.75F, 500.0F},
        {"KTA15XR7YD475KA88", 4.7e6F, 300.0F}, {"KTA15XR72E104KA88", 1e5F, 250.0F},
        {"KTA15XR72D220KA88", 22.0F, 200.0F},  {"KTA15XR72A1R5KA88", 1.5F, 100.0F},
        {"KTA15XR71E109KA88", 1e10F, 25.0F},   {"KTA15XR71C100KA88", 10.0F, 16.0F},
        {"KTA15XR71AR50KA88", 0.5F, 10.0F},    {"KTA15XR70J106KA88", 1e7F, 6.3F},
        {"KTA15XR70G2R2KA88", 2.2F, 4.0F},
    };
    for (const CodeCase& c : cases) {
        ProductRecord record = SampleProduct(2, c.partNumber, "");
        DeriveProductValues(record, shared::Eia, separator);
        EXPECT_EQ(record.NominalCapacitance, c.capacitance) << c.partNumber;
        EXPECT_EQ(record.RatedVoltage, c.voltage) << c.partNumber;
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, DerivedFromCodes, ::testing::Values('.', ','),
                         [](const auto& info) { return ::shared::testing::NameOfSeparator(info.param); });

TEST(DerivedValues, EmptyPartNumberFallsBackToTheOtherNotation) {
    ProductRecord record = SampleProduct(2, "", "KTA18XB11A475KJ01", "", "B");
    DeriveProductValues(record, shared::Eia, '.');
    EXPECT_EQ(record.NominalCapacitance, 4.7e6F);
    EXPECT_EQ(record.RatedVoltage, 10.0F);

    ProductRecord other = SampleProduct(2, "KTA15XC70J225KA88", "", "X7S", "");
    DeriveProductValues(other, shared::Jis, '.');
    EXPECT_EQ(other.NominalCapacitance, 2.2e6F);
    EXPECT_EQ(other.RatedVoltage, 6.3F);
}

struct BasisCase {
    std::string eiaChar;
    std::string jisChar;
    bool polynomialModel;
    double factor;
};

TEST(DerivedValues, CapacitanceBasisFollowsTheCharacteristicInTheStartNotation) {
    const std::vector<BasisCase> cases = {
        {"Y5V", "F", false, 1.2},  {"Y5V", "F", true, 1.05},  // the polynomial model takes the plain basis
        {"F", "F", true, 1.2},                                // "F" is peaked whatever the flag says
        {"X7R", "B", false, 1.05}, {"X5R", "B", true, 1.05},
        {"", "F", false, 1.05},     // only the start's notation (EIA) is looked at
        {"y5v", "F", false, 1.05},  // names compare exactly
    };
    for (const BasisCase& c : cases) {
        ProductRecord record =
            SampleProduct(2, "KTA15XF11C475ZA88", "KTA15XF11C475ZA88", c.eiaChar, c.jisChar);
        record.PolynomialModel = c.polynomialModel;
        DeriveProductValues(record, shared::Eia, '.');
        EXPECT_EQ(record.CapacitanceBasis, static_cast<float>(static_cast<double>(4.7e6F) * c.factor))
            << c.eiaChar << " " << c.polynomialModel;
    }
}

TEST(DerivedValues, JisNotationLooksAtTheJisCharacteristic) {
    ProductRecord record = SampleProduct(2, "", "KTA15XF11C475ZA88", "", "F");
    DeriveProductValues(record, shared::Jis, '.');
    EXPECT_EQ(record.CapacitanceBasis, static_cast<float>(static_cast<double>(4.7e6F) * 1.2));
}

TEST(DerivedValues, UnknownCodesNameThePart) {
    struct Bad {
        std::string partNumber;
        std::string description;
    };
    const std::vector<Bad> cases = {
        {"KTA15XR79Z101KA88", "Part KTA15XR79Z101KA88: the rated-voltage code \"9Z\" is not known."},
        {"KTA15XR71h101KA88", "the rated-voltage code \"1h\" is not known."},
        {"KTA15XR71H", "the capacitance code \"\" is not a number."},
        {"KTA15XR71HAB1KA88", "the capacitance code \"AB1\" is not a number."},
    };
    for (const Bad& c : cases) {
        ProductRecord record = SampleProduct(2, c.partNumber, "");
        try {
            DeriveProductValues(record, shared::Eia, '.');
            ADD_FAILURE() << c.partNumber;
        } catch (const shared::RuntimeError& error) {
            EXPECT_EQ(error.Number(), 13);
            EXPECT_NE(error.Description().find(c.description), std::string::npos) << error.Description();
        }
    }
}

struct AvailabilityCase {
    const char* name;
    std::vector<std::size_t> cap;   // CapModel entries set non-zero
    std::vector<std::size_t> heat;  // HeatModel entries set non-zero
    std::array<bool, 5> expected;
};

TEST(ChartAvailable, FollowsWhichCoefficientsAreSet) {
    const std::vector<AvailabilityCase> cases = {
        {"nothing", {}, {}, {false, false, false, false, false}},
        {"heat only", {}, {37}, {true, true, false, false, false}},
        {"first heat", {}, {0}, {true, true, false, false, false}},
        {"dc polynomial", {0}, {}, {false, false, true, true, true}},
        {"last peaked", {24}, {}, {false, false, true, true, true}},
        {"ac polynomial only", {25}, {}, {false, false, false, false, true}},
        {"ac range only", {30}, {}, {false, false, false, false, true}},
        {"heat and ac", {29}, {3}, {true, true, false, false, true}},
        {"all", {11, 28}, {18}, {true, true, true, true, true}},
    };
    for (const AvailabilityCase& c : cases) {
        ProductRecord written;
        for (const std::size_t k : c.cap) written.CapModel[k] = -0.001F;
        for (const std::size_t k : c.heat) written.HeatModel[k] = 1e-30F;
        // Through the file bytes, as the start sets them.
        ProductRecord read;
        read.ChartAvailable.fill(true);
        ReadProductModel(ProductModelBytes(written), read);
        EXPECT_EQ(read.ChartAvailable, c.expected) << c.name;
        EXPECT_EQ(AnyChartAvailable(read), c.cap.size() + c.heat.size() > 0) << c.name;
    }
}

TEST(ProductReader, NegativeZeroIsZeroAndAnyFlagValueIsTrue) {
    ProductRecord written;
    written.CapModel[5] = -0.0F;
    std::string bytes = ProductModelBytes(written);
    bytes[12] = 1;  // a flag of 1, not -1
    ProductRecord read;
    ReadProductModel(bytes, read);
    EXPECT_FALSE(AnyChartAvailable(read));
    EXPECT_TRUE(read.PolynomialModel);
    EXPECT_THROW(ReadProductModel(bytes.substr(0, 289), read), shared::RuntimeError);
}

}  // namespace
}  // namespace darvo
