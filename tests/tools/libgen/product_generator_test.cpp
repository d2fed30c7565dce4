// The generated products: every case the program must handle is there, and every
// product is physically plausible.

#include "darvo/library/derived_values.h"
#include "tools/libgen/product_factory.h"
#include "tools/libgen/product_model.h"

#include "shared/parts/part_number_codes.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace darvo::libgen {
namespace {

const std::vector<ProductRecord>& Products() {
    static const std::vector<ProductRecord> products = GenerateProducts();
    return products;
}

std::string AnyPartNumber(const ProductRecord& record) {
    return DerivationPartNumber(record, shared::Eia);
}

// The temperature range of a characteristic name as the capacitance charts know it.
std::pair<double, double> TempRange(const std::string& name) {
    static const std::map<std::string, std::pair<double, double>> kRanges = {
        {"R", {-55, 125}},   {"X7R", {-55, 125}}, {"X7S", {-55, 125}}, {"X7U", {-55, 125}},
        {"X7T", {-55, 125}}, {"X6S", {-55, 105}}, {"X6T", {-55, 105}}, {"X5R", {-55, 85}},
        {"X8R", {-55, 150}}, {"X8L", {-55, 150}}, {"B", {-25, 85}},    {"F", {-25, 85}},
        {"Y5V", {-30, 85}}};
    const auto found = kRanges.find(name);
    return found == kRanges.end() ? std::pair<double, double>{0, 0} : found->second;
}

TEST(ProductCoverage, AFewHundredProductsWithUniquePartNumbers) {
    EXPECT_GE(Products().size(), 200U);
    EXPECT_LE(Products().size(), 600U);
    std::set<std::string> seen[2];
    for (const ProductRecord& record : Products()) {
        for (int n = 0; n < 2; ++n) {
            const std::string& number = record.PartNumber[static_cast<std::size_t>(n)];
            if (!number.empty()) {
                EXPECT_TRUE(seen[n].insert(number).second) << number;
                EXPECT_EQ(number.size(), 17U) << number;
            }
        }
    }
}

TEST(ProductCoverage, EveryCharacteristicVoltageAndSize) {
    std::set<std::string> polynomialNames;
    std::set<bool> peakedModels;
    std::set<std::string> voltageCodes;
    std::set<std::string> sizes;
    std::set<std::string> sizeCodes;
    for (const ProductRecord& record : Products()) {
        const std::string number = AnyPartNumber(record);
        voltageCodes.insert(shared::MidText(number, 9, 2));
        sizes.insert(shared::MidText(number, 4, 2));
        sizeCodes.insert(record.SizeCode[shared::Eia] + "/" + record.SizeCode[shared::Jis]);
        if (!record.ChartAvailable[CapacitanceTemperature]) {
            continue;
        }
        if (record.TempChar[shared::Eia] == "Y5V") {
            peakedModels.insert(record.PolynomialModel);
            EXPECT_EQ(record.TempChar[shared::Jis], "F");
            continue;
        }
        for (const std::string& name : record.TempChar) {
            if (!name.empty()) polynomialNames.insert(name);
        }
    }
    EXPECT_EQ(polynomialNames, (std::set<std::string>{"R", "X7R", "X7S", "X7U", "X6S", "X5R", "B", "X8R",
                                                      "X8L", "X7T", "X6T"}));
    EXPECT_EQ(peakedModels, (std::set<bool>{false, true}));
    EXPECT_EQ(voltageCodes,
              (std::set<std::string>{"2H", "YD", "2E", "2D", "2A", "1H", "1E", "1C", "1A", "0J", "0G"}));
    EXPECT_EQ(sizes, (std::set<std::string>{"15", "18", "21", "31", "32", "43", "55"}));
    EXPECT_EQ(sizeCodes, (std::set<std::string>{"0402/1005", "0603/1608", "0805/2012", "1206/3216",
                                                "1210/3225", "1812/4532", "2220/5750"}));
}

TEST(ProductCoverage, ChartAvailabilityDiffersBetweenChartTypes) {
    using Pattern = std::array<bool, kChartTypeCount>;
    std::map<Pattern, int> patterns;
    for (const ProductRecord& record : Products()) {
        ++patterns[record.ChartAvailable];
    }
    const Pattern all{true, true, true, true, true};
    const Pattern noHeat{false, false, true, true, true};
    const Pattern noCapacitance{true, true, false, false, false};
    const Pattern acOnly{false, false, false, false, true};
    const Pattern none{false, false, false, false, false};
    EXPECT_GT(patterns[all], 100);
    EXPECT_GT(patterns[noHeat], 0);
    EXPECT_GT(patterns[noCapacitance], 0);
    EXPECT_EQ(patterns[acOnly], 1);
    EXPECT_EQ(patterns[none], 1);  // never listed
    EXPECT_EQ(patterns.size(), 5U);
}

TEST(ProductCoverage, PartsInOneNotationOnlyAndCollidingGroups) {
    int eiaEmpty = 0;
    int jisEmpty = 0;
    std::map<std::tuple<std::string, std::string, std::string, std::string>, int> groups;
    for (const ProductRecord& record : Products()) {
        eiaEmpty += record.PartNumber[shared::Eia].empty() ? 1 : 0;
        jisEmpty += record.PartNumber[shared::Jis].empty() ? 1 : 0;
        const std::string number = AnyPartNumber(record);
        ++groups[{record.SizeCode[shared::Eia], record.TempChar[shared::Eia] + record.TempChar[shared::Jis],
                  shared::ParseCapacitanceCode(number, '.'), shared::MidText(number, 9, 2)}];
    }
    EXPECT_GT(eiaEmpty, 0);
    EXPECT_GT(jisEmpty, 0);
    int colliding = 0;
    for (const auto& [group, count] : groups) {
        colliding += count > 1 ? 1 : 0;
    }
    EXPECT_GE(colliding, 5);
}

TEST(ProductPlausibility, HeatModelFollowsSizeAndCharacteristic) {
    const std::map<std::string, float> resistance = {{"15", 700.0F}, {"18", 450.0F}, {"21", 300.0F},
                                                     {"31", 200.0F}, {"32", 150.0F}, {"43", 100.0F},
                                                     {"55", 80.0F}};
    for (const ProductRecord& record : Products()) {
        if (!record.ChartAvailable[TemperatureRise]) continue;
        const std::string number = AnyPartNumber(record);
        EXPECT_EQ(record.HeatModel[3], resistance.at(shared::MidText(number, 4, 2))) << number;
        const std::string& name = record.TempChar[shared::Eia].empty() ? record.TempChar[shared::Jis]
                                                                       : record.TempChar[shared::Eia];
        EXPECT_EQ(record.HeatModel[37], static_cast<float>(TempRange(name).second)) << number;
        EXPECT_GT(record.HeatModel[0], 0.0F) << number;
        EXPECT_EQ(record.HeatModel[36], 2.0F) << number;  // the rise goes with V^2
    }
}

// Over 100 kHz to 1 MHz and the characteristic's temperatures, the rise per A^2 stays
// above the chart's 0.1 floor except for the one part made to show the substitution.
TEST(ProductPlausibility, RisePerAmpereSquaredAboveTheFloorButForOnePart) {
    std::vector<std::string> belowFloor;
    for (const ProductRecord& record : Products()) {
        if (!record.ChartAvailable[TemperatureRise]) continue;
        const std::string& name = record.TempChar[shared::Eia].empty() ? record.TempChar[shared::Jis]
                                                                       : record.TempChar[shared::Eia];
        const auto [low, high] = TempRange(name);
        double lowest = 1e300;
        for (int i = 0; i <= 40; ++i) {
            const double frequency = std::pow(10.0, 5.0 + i / 40.0);
            for (const double ambient : {low, 20.0, high}) {
                lowest = std::min(lowest, RisePerAmpereSquared(record.HeatModel, frequency, ambient));
            }
        }
        if (lowest <= 0.1) {
            belowFloor.push_back(AnyPartNumber(record));
        }
    }
    ASSERT_EQ(belowFloor.size(), 1U);
    EXPECT_EQ(shared::MidText(belowFloor[0], 4, 2), "55");
}

// Agreement with the worked examples of the loss model: the voltage term's bias fit and
// its exponent between 100 kHz and 1 MHz for a medium and a high-capacitance part.
TEST(ProductPlausibility, HeatModelAgreesWithTheWorkedExamples) {
    struct Example {
        double picofarads, volts;
        const char* size;
        const char* characteristic;
        double q, d6, d7, exponent, tmax;
    };
    const Example examples[] = {
        {1e6, 25, "18", "X7R", 450, -0.263, -0.256, 17.64, 125},
        {1e7, 10, "21", "X5R", 300, 0.061, -1.166, 20.50, 85},
    };
    for (const Example& e : examples) {
        pelmo::libgen::SplitMix64 random(kProductSeed);
        const ProductDesign design{e.picofarads, e.volts, e.size,
                                   pelmo::libgen::FindTemperatureCharacteristic(e.characteristic)};
        const HeatModelValues heat = MakeHeatModel(design, random);
        EXPECT_EQ(heat[3], static_cast<float>(e.q)) << e.size;
        // The examples fit the rounded anchor values, the generator the bias polynomial
        // through them, so they agree to within the anchors' rounding.
        EXPECT_NEAR(heat[16], e.d6, 0.01) << e.size;
        EXPECT_NEAR(heat[17], e.d7, 0.01) << e.size;
        EXPECT_NEAR(heat[27], e.exponent, 1.0) << e.size;  // the loss scatters by 10 %
        EXPECT_EQ(heat[37], static_cast<float>(e.tmax)) << e.size;
        // The fitted power law is exact at its two anchors: D . L^E = (2 pi f C)^2 . K2.
        for (const double frequency : {1e5, 1e6}) {
            const double reactive = 2.0 * 3.14159265358979 * frequency * e.picofarads * 1e-12;
            const double expected = reactive * reactive * RisePerAmpereSquared(heat, frequency, 20.0);
            const double fitted = std::pow(10.0, heat[18]) * std::pow(std::log10(frequency), heat[27]);
            EXPECT_NEAR(fitted / expected, 1.0, 1e-4) << e.size << " at " << frequency;
        }
    }
}

double Polynomial(const ProductRecord& record, std::size_t first, double x) {
    // k(first)..k(first+5) run from x^6 down to x.
    double sum = 0.0;
    for (std::size_t i = 0; i < 6; ++i) {
        sum += record.CapModel[first + i] * std::pow(x, 6 - static_cast<int>(i));
    }
    return sum;
}

TEST(ProductPlausibility, CapacitanceChangesStayPhysical) {
    for (const ProductRecord& record : Products()) {
        const std::string number = AnyPartNumber(record);
        ProductRecord derived = record;
        DeriveProductValues(derived, shared::Eia, '.');
        const double vr = derived.RatedVoltage;
        if (record.ChartAvailable[CapacitanceDcVoltage]) {
            // The DC-bias change falls from 0 and never reaches -100 %.
            double previous = 0.0;
            for (int i = 1; i <= 50; ++i) {
                const double change = Polynomial(record, 0, vr * i / 50.0);
                EXPECT_LT(change, previous + 1e-6) << number << " at " << vr * i / 50.0;
                EXPECT_GT(change, -100.0) << number;
                previous = change;
            }
            if (record.CapModel[12] == 0.0F) {
                const auto [low, high] =
                    TempRange(record.TempChar[shared::Eia].empty() ? record.TempChar[shared::Jis]
                                                                   : record.TempChar[shared::Eia]);
                for (double t = low; t <= high; t += 5.0) {
                    const double change = Polynomial(record, 6, t - 25.0);
                    EXPECT_GT(change, -82.0) << number << " at " << t;
                    EXPECT_LT(change, 22.0) << number << " at " << t;
                }
            }
        }
        if (record.ChartAvailable[CapacitanceAcVoltage]) {
            EXPECT_LE(record.CapModel[30], 0.7 * vr) << number;
            double previous = -1e300;
            for (double u = 0.1; u <= record.CapModel[30]; u += 0.05) {
                const double d = u - record.CapModel[29];
                const double change =
                    ((record.CapModel[25] * d + record.CapModel[26]) * d + record.CapModel[27]) * d * d +
                    record.CapModel[28] * d;
                EXPECT_GT(change, previous) << number << " at " << u;
                previous = change;
            }
        }
    }
}

}  // namespace
}  // namespace darvo::libgen
