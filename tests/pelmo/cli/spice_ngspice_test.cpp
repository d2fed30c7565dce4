// The SPICE models pelmo-cli writes, run in ngspice and compared with the engine.

#include "cli_test_support.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/network_impedance.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/engine/temperature_range.h"
#include "pelmo/export/export_grid.h"
#include "pelmo/export/spice_model_writer.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"
#include "support/point_number.h"

#include "shared/parts/part_number_codes.h"
#include "shared/text/number_text.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace pelmo::testing {
namespace {

using Complex = std::complex<double>;

// AC analysis reproduces the engine up to its 2 pi constant (6.283185308, 1.3e-10 off
// the simulator's) and the simulator's own rounding: far inside this bound.
constexpr double kTolerance = 1e-6;

bool NgspiceInstalled() {
    return std::system("command -v ngspice >/dev/null 2>&1") == 0;
}

struct NgspiceRun {
    int Exit = -1;
    std::string Log;
};

// Runs a netlist whose control script ends with "quit": ngspice in batch mode reports
// a failure for a script that only runs analyses from its control section otherwise.
NgspiceRun RunNgspice(const TemporaryFolder& folder, const std::string& name, const std::string& netlist) {
    WriteBytes(folder.File(name + ".cir"), netlist);
    const std::string command =
        "cd '" + folder.Path() + "' && ngspice -b '" + name + ".cir' >'" + name + ".log' 2>&1";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(folder.File(name + ".log"))};
}

// The rows of a wrdata file written with wr_singlescale: the scale, then the real and
// imaginary part of each complex vector (or the value of each real one).
std::vector<std::vector<double>> ReadRows(const std::string& path) {
    std::vector<std::vector<double>> rows;
    for (const std::string& line : Lines(ReadBytes(path))) {
        std::istringstream in(line);
        std::vector<double> row;
        for (double value = 0.0; in >> value;) {
            row.push_back(value);
        }
        if (!row.empty()) {
            rows.push_back(row);
        }
    }
    return rows;
}

// One exported model: the part, its notation and the fields as a user would fill them.
struct SpiceCase {
    const char* name;
    std::function<bool(const CapacitorRecord&, const std::string& partNumber)> capacitor;  // null: inductor
    std::function<bool(const InductorRecord&)> inductor;
    shared::CodeSystem code = shared::Eia;
    double temperature = 25.0;        // [C]; capacitors with a condition model only
    double biasShare = 0.0;           // bias as a share of the rated voltage
    const char* frequency = nullptr;  // --freq [MHz]; null: the class's lower limit
};

bool Model(const CapacitorRecord& record, int type) {
    return record.ModelType == type;
}

// clang-format off
const SpiceCase kCases[] = {
    {"PolynomialAtReference", [](const CapacitorRecord& r, const std::string& pn) { return Model(r, 2) && shared::FrequencyRangeClass(pn) != 5; }, nullptr},
    {"PolynomialHotBiased", [](const CapacitorRecord& r, const std::string&) { return Model(r, 2); }, nullptr,
     shared::Eia, 85.0, 0.5, "1000"},
    {"PolynomialColdFullBias", [](const CapacitorRecord& r, const std::string&) { return Model(r, 2); }, nullptr,
     shared::Eia, -25.0, 1.0},
    {"PeakedHotBiasedJis", [](const CapacitorRecord& r, const std::string&) { return Model(r, 4); }, nullptr,
     shared::Jis, 85.0, 0.5},
    {"PeakedColdEia", [](const CapacitorRecord& r, const std::string&) { return Model(r, 4); }, nullptr,
     shared::Eia, -25.0, 0.25},
    {"NoConditionModelJis", [](const CapacitorRecord& r, const std::string&) { return Model(r, 1); }, nullptr,
     shared::Jis},
    {"LowInductanceSize", [](const CapacitorRecord&, const std::string& pn) { return shared::IsLowInductanceSize(pn); },
     nullptr},
    {"TwentyGigahertz", [](const CapacitorRecord& r, const std::string&) { return r.UpperFrequency == 2e10F; },
     nullptr},
    {"From30Kilohertz", [](const CapacitorRecord&, const std::string& pn) { return shared::FrequencyRangeClass(pn) == 5; },
     nullptr, shared::Eia, 25.0, 0.0, "0.03"},
    {"Inductor", nullptr, [](const InductorRecord&) { return true; }},
    {"InductorPWT15DZWithoutSelfResonance", nullptr, [](const InductorRecord& r) { return r.SelfResonance == 0.0F; },
     shared::Eia, 25.0, 0.0, "2000"},
};
// clang-format on

class SpiceNgspiceTest : public ::testing::TestWithParam<SpiceCase> {
protected:
    static void SetUpTestSuite() { library_ = new Library(LoadLibrary(SampleLibraryFolder(), '.')); }
    static void TearDownTestSuite() {
        delete library_;
        library_ = nullptr;
    }

    void SetUp() override {
        if (!NgspiceInstalled()) {
            GTEST_SKIP() << "ngspice is not installed";
        }
    }

    static Library* library_;
};

Library* SpiceNgspiceTest::library_ = nullptr;

// Everything the engine says about the part at one frequency [Hz]: the impedance, the
// impedance with the overridden parameter, and S21 in series and (capacitors) shunt.
struct Expected {
    Complex Z;
    Complex ZOverridden;
    Complex SeriesS21;
    std::optional<Complex> ShuntS21;
};

struct PartUnderTest {
    std::string PartNumber;
    std::vector<std::string> Options;  // --temp and --bias of a part with a condition model
    std::string Override;              // "c1=..." or "l0=..."
    double OperatingFrequency = 0.0;   // [Hz]
    std::vector<double> Grid;
    std::function<Expected(double frequency)> Evaluate;
};

Complex S21(const OperatingPointResult& result) {
    return {result.SReal[1], result.SImag[1]};
}

PartUnderTest CapacitorUnderTest(const Library& library, const SpiceCase& c) {
    PartUnderTest part;
    const CapacitorRecord* found = nullptr;
    for (const CapacitorRecord& record : library.CapacitorTable) {
        const std::string& number = record.PartNumber[c.code];
        if (!number.empty() && shared::FrequencyRangeClass(number) != 0 && c.capacitor(record, number)) {
            found = &record;
            part.PartNumber = number;
            break;
        }
    }
    if (found == nullptr) {
        ADD_FAILURE() << "no capacitor for " << c.name;
        return part;
    }
    const CapacitorRecord& record = *found;
    CapacitorConditions conditions;
    conditions.CodeSystem = c.code;
    conditions.PartNumber = part.PartNumber;
    conditions.Temperature = HasConditionModel(record) ? c.temperature : ReferenceTemperature(c.code);
    conditions.Bias =
        HasConditionModel(record) ? c.biasShare * *shared::ParseFileNumber(record.RatedVoltage) : 0.0;
    if (HasConditionModel(record)) {
        part.Options = {"--temp", shared::GeneralNumberText(conditions.Temperature, '.'), "--bias",
                        shared::GeneralNumberText(conditions.Bias, '.')};
    }
    const PreparedCapacitor prepared = PrepareCapacitor(record, conditions);
    part.Override = "c1=" + SpiceNumberText(2.0 * prepared.EffectiveC1);
    const float upper = record.UpperFrequency;
    part.Grid = ExportFrequencies(ExportStartFrequency(shared::FrequencyRangeClass(part.PartNumber)), upper,
                                  ExportPointCount(ProductKind::Capacitor, upper));
    part.Evaluate = [&record, conditions, prepared](double frequency) {
        const double omega = AngularFrequency(frequency);
        Expected expected;
        OperatingPointResult result;
        CapacitorConditions at = conditions;
        EvaluateCapacitor(record, omega, at, result);
        expected.Z = {result.Resistance, result.Reactance};
        expected.SeriesS21 = S21(result);
        at.Connection = CircuitMode::Shunt;
        EvaluateCapacitor(record, omega, at, result);
        expected.ShuntS21 = S21(result);
        const Impedance overridden =
            NetworkImpedance(record, 2.0 * prepared.EffectiveC1, omega, prepared.Factors);
        expected.ZOverridden = {overridden.R, overridden.X};
        return expected;
    };
    return part;
}

PartUnderTest InductorUnderTest(const Library& library, const SpiceCase& c) {
    PartUnderTest part;
    const auto found = std::find_if(library.InductorTable.begin(), library.InductorTable.end(), c.inductor);
    if (found == library.InductorTable.end()) {
        ADD_FAILURE() << "no inductor for " << c.name;
        return part;
    }
    const InductorRecord& record = *found;
    part.PartNumber = record.PartNumber;
    // The library's inductors have a flat L0; the override gives one a slope, so the
    // frequency dependence of L0 is simulated too.
    InductorRecord overridden = record;
    overridden.L0Exponent = record.L0Exponent + 0.05F;
    part.Override = "l0exp=" + SpiceNumberText(overridden.L0Exponent);
    part.Grid = ExportFrequencies(ExportStartFrequency(1), record.UpperFrequency,
                                  ExportPointCount(ProductKind::Inductor, record.UpperFrequency));
    part.Evaluate = [&record, overridden](double frequency) {
        const double omega = AngularFrequency(frequency);
        Expected expected;
        OperatingPointResult result;
        EvaluateInductor(record, omega, result);
        expected.Z = {result.Resistance, result.Reactance};
        expected.SeriesS21 = S21(result);
        EvaluateInductor(overridden, omega, result);
        expected.ZOverridden = {result.Resistance, result.Reactance};
        return expected;
    };
    return part;
}

// The model in four places at once: driven by a 1 A source as written and with one
// parameter overridden on its instance line, and between two 50 ohm ports in series and
// as a shunt, each port driven by 1 V behind 50 ohm so that S21 = 2 V(port 2).
std::string AcNetlist(const PartUnderTest& part, const std::string& model) {
    std::string netlist = "pelmo SPICE model in AC analysis\n.include '" + model + "'\n";
    netlist += "I1 0 z1 dc 0 ac 1\nX1 z1 0 " + part.PartNumber + "\n";
    netlist += "I2 0 z2 dc 0 ac 1\nX2 z2 0 " + part.PartNumber + " " + part.Override + "\n";
    netlist += "V3 s3 0 dc 0 ac 1\nR3 s3 a3 50\nX3 a3 b3 " + part.PartNumber + "\nR3L b3 0 50\n";
    netlist += "V4 s4 0 dc 0 ac 1\nR4 s4 a4 50\nX4 a4 0 " + part.PartNumber + "\nR4L a4 0 50\n";
    netlist += ".control\nset numdgt=17\nset wr_singlescale\nset appendwrite\n";
    // One analysis per grid frequency, so the simulator is asked at exactly the
    // frequencies the engine is (a decade sweep would not hit them).
    for (const double frequency : part.Grid) {
        const std::string f = SpiceNumberText(frequency);
        netlist += "ac lin 1 " + f + " " + f + "\nwrdata ac.txt v(z1) v(z2) v(b3) v(a4)\ndestroy\n";
    }
    return netlist + "quit\n.endc\n.end\n";
}

// The usual use: a sine source behind 50 ohm across the part, for five periods of the
// operating frequency, where every element takes its value at that frequency.
std::string TransientNetlist(const PartUnderTest& part, const std::string& model) {
    const std::string period = SpiceNumberText(1.0 / part.OperatingFrequency);
    const std::string step = SpiceNumberText(1.0 / part.OperatingFrequency / 100.0);
    return "pelmo SPICE model in transient analysis\n.include '" + model + "'\n" + "V1 s 0 dc 0 sin(0 1 " +
           SpiceNumberText(part.OperatingFrequency) + ")\nR1 s a 50\nX1 a 0 " + part.PartNumber +
           "\n.control\nset numdgt=17\nset wr_singlescale\ntran " + step + " " +
           SpiceNumberText(5.0 / part.OperatingFrequency) +
           "\nwrdata tran.txt v(a) i(v1)\nquit\n.endc\n.end\n";
}

double RelativeError(Complex actual, Complex expected) {
    return std::abs(actual - expected) / std::abs(expected);
}

// The model, written by pelmo-cli export spice and run in ngspice: over the part's whole
// export grid |Z| and the phase of Z are the engine's to 1e-6 (the complex difference is
// bounded, so the phase to 1e-6 rad), and so are the impedance with the overridden
// parameter and the S21 the readouts show in series and shunt; a transient analysis of
// the same model runs without error and stays finite.
TEST_P(SpiceNgspiceTest, TheSimulatorReproducesTheEngine) {
    const SpiceCase& c = GetParam();
    PartUnderTest part = c.capacitor ? CapacitorUnderTest(*library_, c) : InductorUnderTest(*library_, c);
    ASSERT_FALSE(part.PartNumber.empty());
    TemporaryFolder folder;
    const std::string model = folder.File(part.PartNumber + ".cir");
    std::vector<std::string> arguments = {
        "export", "spice", "--part", part.PartNumber, "--code", c.code == shared::Jis ? "jis" : "eia",
        "-o",     model};
    if (c.frequency != nullptr) {
        arguments.insert(arguments.end(), {"--freq", c.frequency});
    }
    arguments.insert(arguments.end(), part.Options.begin(), part.Options.end());
    const CliRun exported = RunCli(arguments, SampleLibraryFolder());
    ASSERT_EQ(exported.Exit, 0) << exported.Err;
    const std::string fop = "+ fop=";
    const std::string text = ReadBytes(model);
    const auto at = text.find(fop);
    ASSERT_NE(at, std::string::npos);
    part.OperatingFrequency = shared::testing::PointNumber(std::string_view(text).substr(at + fop.size()));
    if (c.frequency != nullptr) {
        EXPECT_DOUBLE_EQ(part.OperatingFrequency, shared::testing::PointNumber(c.frequency) * 1e6);
    }

    const NgspiceRun ac = RunNgspice(folder, "ac", AcNetlist(part, model));
    ASSERT_EQ(ac.Exit, 0) << ac.Log;
    EXPECT_EQ(ac.Log.find("rror"), std::string::npos) << ac.Log;
    const std::vector<std::vector<double>> rows = ReadRows(folder.File("ac.txt"));
    ASSERT_EQ(rows.size(), part.Grid.size()) << ac.Log;
    double worstZ = 0.0;
    double worstPhase = 0.0;
    double worstOther = 0.0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<double>& row = rows[i];
        ASSERT_EQ(row.size(), 9U);
        const double frequency = part.Grid[i];
        EXPECT_NEAR(row[0], frequency, frequency * 1e-15);
        const Expected expected = part.Evaluate(frequency);
        const Complex z(row[1], row[2]);
        worstZ = std::max(worstZ, std::abs(std::abs(z) / std::abs(expected.Z) - 1.0));
        worstPhase = std::max(worstPhase, std::abs(std::arg(z) - std::arg(expected.Z)));
        EXPECT_LE(RelativeError(z, expected.Z), kTolerance) << "Z at " << frequency << " Hz";
        const double others[] = {
            RelativeError({row[3], row[4]}, expected.ZOverridden),
            RelativeError(2.0 * Complex(row[5], row[6]), expected.SeriesS21),
            expected.ShuntS21 ? RelativeError(2.0 * Complex(row[7], row[8]), *expected.ShuntS21) : 0.0};
        for (const double error : others) {
            worstOther = std::max(worstOther, error);
        }
        EXPECT_LE(others[0], kTolerance) << part.Override << " at " << frequency << " Hz";
        EXPECT_LE(others[1], kTolerance) << "series S21 at " << frequency << " Hz";
        EXPECT_LE(others[2], kTolerance) << "shunt S21 at " << frequency << " Hz";
    }
    std::cout << c.name << " " << part.PartNumber << ": " << rows.size() << " points, |Z| within " << worstZ
              << ", phase within " << worstPhase << " rad, override and S21 within " << worstOther << "\n";

    const NgspiceRun tran = RunNgspice(folder, "tran", TransientNetlist(part, model));
    ASSERT_EQ(tran.Exit, 0) << tran.Log;
    EXPECT_EQ(tran.Log.find("rror"), std::string::npos) << tran.Log;
    const std::vector<std::vector<double>> samples = ReadRows(folder.File("tran.txt"));
    ASSERT_GT(samples.size(), 100U) << tran.Log;
    for (const std::vector<double>& sample : samples) {
        ASSERT_EQ(sample.size(), 3U);
        ASSERT_TRUE(std::isfinite(sample[1]) && std::isfinite(sample[2]));
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, SpiceNgspiceTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<SpiceCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace pelmo::testing
