#include "pelmo/cli/cli_commands.h"

#include "cli_test_support.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"
#include "support/point_number.h"

#include "shared/parts/part_number_codes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace pelmo::testing {
namespace {

// Parts of the sample library the tests need, found by what they are rather than by
// name, so the tests follow the generator.
struct SampleParts {
    std::string modelCapacitor;  // X7R with a temperature and bias model, class 3
    std::string plainCapacitor;  // no model
    std::string inductor;
    std::string ratedVoltage;       // of modelCapacitor
    std::string modelCapacitorJis;  // a capacitor with a model, in JIS notation
};

const SampleParts& Parts() {
    static const SampleParts parts = [] {
        SampleParts found;
        Library library = LoadLibrary(SampleLibraryFolder(), '.');
        EXPECT_TRUE(SortCapacitors(library, shared::Eia, '.'));
        for (const CapacitorRecord& record : library.CapacitorTable) {
            const std::string& number = record.PartNumber[shared::Eia];
            if (number.empty()) {
                continue;
            }
            if (found.modelCapacitor.empty() && HasConditionModel(record) &&
                record.TempChar[shared::Eia] == "X7R" && shared::FrequencyRangeClass(number) == 3) {
                found.modelCapacitor = number;
                found.ratedVoltage = record.RatedVoltage;
            }
            if (found.modelCapacitorJis.empty() && HasConditionModel(record) &&
                !record.PartNumber[shared::Jis].empty() &&
                shared::FrequencyRangeClass(record.PartNumber[shared::Jis]) != 0) {
                found.modelCapacitorJis = record.PartNumber[shared::Jis];
            }
            if (found.plainCapacitor.empty() && !HasConditionModel(record) &&
                shared::FrequencyRangeClass(number) != 0) {
                found.plainCapacitor = number;
            }
        }
        found.inductor = library.InductorTable.at(3).PartNumber;
        return found;
    }();
    return parts;
}

CliRun Sample(const std::vector<std::string>& arguments) {
    return RunCli(arguments, SampleLibraryFolder());
}

std::string Lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

TEST(CliListTest, CapacitorsInCatalogueOrderOfTheNotation) {
    for (const shared::CodeSystem code : {shared::Eia, shared::Jis}) {
        Library library = LoadLibrary(SampleLibraryFolder(), '.');
        ASSERT_TRUE(SortCapacitors(library, code, '.'));
        std::vector<std::string> expected;
        for (const CapacitorRecord& record : library.CapacitorTable) {
            if (!record.PartNumber[code].empty()) {
                expected.push_back(record.PartNumber[code]);
            }
        }
        const CliRun run = Sample({"list", "--code", code == shared::Eia ? "eia" : "jis"});
        EXPECT_EQ(run.Exit, kCliDone);
        EXPECT_EQ(Lines(run.Out), expected);
        EXPECT_EQ(run.Err, "");
    }
}

TEST(CliListTest, InductorsInTheOrderOfTheirIndexFile) {
    // The first field of every ind.idx line, read without the library code.
    std::vector<std::string> fileOrder;
    std::ifstream index(SampleLibraryFolder() + "/ind.idx");
    for (std::string line; std::getline(index, line);) {
        if (line.size() > 1) {
            fileOrder.push_back(line.substr(1, line.find('"', 1) - 1));
        }
    }
    const CliRun run = Sample({"list", "--kind", "ind"});
    EXPECT_EQ(run.Exit, kCliDone);
    EXPECT_EQ(Lines(run.Out), fileOrder);
}

// The "Key": value lines of the evaluate output, in order.
std::vector<std::pair<std::string, std::string>> JsonMembers(const std::string& json) {
    std::vector<std::pair<std::string, std::string>> members;
    for (const std::string& line : Lines(json)) {
        const auto open = line.find('"');
        if (open == std::string::npos) {
            continue;
        }
        const auto close = line.find('"', open + 1);
        std::string value = line.substr(close + 3);
        if (!value.empty() && value.back() == ',') {
            value.pop_back();
        }
        members.emplace_back(line.substr(open + 1, close - open - 1), value);
    }
    return members;
}

double Number(const std::string& text) {
    std::size_t used = 0;
    const double value = shared::testing::PointNumber(text, &used);
    EXPECT_EQ(used, text.size()) << text;
    return value;
}

std::array<double, 2> Pair(const std::string& text) {
    EXPECT_EQ(text.front(), '[');
    const auto comma = text.find(", ");
    return {Number(text.substr(1, comma - 1)), Number(text.substr(comma + 2, text.size() - comma - 3))};
}

TEST(CliEvaluateTest, TheResultFieldsAsJsonWithEveryBit) {
    const CliRun run = Sample({"evaluate", "--part", Parts().modelCapacitor, "--freq", "100", "--temp", "85",
                               "--bias", "2", "--mode", "shunt"});
    ASSERT_EQ(run.Exit, kCliDone) << run.Err;
    EXPECT_EQ(run.Out.front(), '{');
    EXPECT_EQ(run.Out.substr(run.Out.size() - 2), "}\n");

    Library library = LoadLibrary(SampleLibraryFolder(), '.');
    ASSERT_TRUE(SortCapacitors(library, shared::Eia, '.'));
    const auto index = library.PartIndex[shared::Eia].Find(Parts().modelCapacitor);
    ASSERT_TRUE(index);
    CapacitorConditions conditions;
    conditions.Temperature = 85;
    conditions.Bias = 2;
    conditions.Connection = CircuitMode::Shunt;
    conditions.PartNumber = Parts().modelCapacitor;
    OperatingPointResult expected;
    EvaluateCapacitor(library.CapacitorTable[*index], AngularFrequencyFromMegahertz(100), conditions,
                      expected);

    const std::map<std::string, double> scalars = {{"ResonantFrequency", expected.ResonantFrequency},
                                                   {"ImpedanceMagnitude", expected.ImpedanceMagnitude},
                                                   {"Reactance", expected.Reactance},
                                                   {"Resistance", expected.Resistance},
                                                   {"SeriesInductance", expected.SeriesInductance},
                                                   {"SeriesCapacitance", expected.SeriesCapacitance},
                                                   {"QualityFactor", expected.QualityFactor},
                                                   {"DissipationFactor", expected.DissipationFactor},
                                                   {"SeriesReactance", expected.SeriesReactance},
                                                   {"ApparentCapacitance", expected.ApparentCapacitance},
                                                   {"ApparentInductance", expected.ApparentInductance},
                                                   {"InductorSeriesResistance", 0.0}};
    const std::map<std::string, std::array<double, 2>> pairs = {{"SReal", expected.SReal},
                                                                {"SImag", expected.SImag},
                                                                {"SMagnitudeDb", expected.SMagnitudeDb},
                                                                {"SPhaseDeg", expected.SPhaseDeg}};
    const std::vector<std::string> order = {"ResonantFrequency",
                                            "ImpedanceMagnitude",
                                            "Reactance",
                                            "Resistance",
                                            "SeriesInductance",
                                            "SeriesCapacitance",
                                            "QualityFactor",
                                            "DissipationFactor",
                                            "SeriesReactance",
                                            "ApparentCapacitance",
                                            "ApparentInductance",
                                            "InductorSeriesResistance",
                                            "SReal",
                                            "SImag",
                                            "SMagnitudeDb",
                                            "SPhaseDeg"};
    const auto members = JsonMembers(run.Out);
    ASSERT_EQ(members.size(), order.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
        EXPECT_EQ(members[i].first, order[i]);
        if (pairs.count(members[i].first) != 0) {
            EXPECT_EQ(Pair(members[i].second), pairs.at(members[i].first)) << members[i].first;
        } else {
            // Bit for bit: the text must read back as the very double the engine gave.
            EXPECT_EQ(Number(members[i].second), scalars.at(members[i].first)) << members[i].first;
        }
    }
}

TEST(CliEvaluateTest, DefaultsAreThoseOfAJustChosenPart) {
    struct Row {
        std::vector<std::string> defaults;
        std::vector<std::string> spelledOut;
    };
    const SampleParts& parts = Parts();
    const std::vector<Row> rows = {
        {{"evaluate", "--part", parts.modelCapacitor},
         {"evaluate", "--part", parts.modelCapacitor, "--freq", "0.3", "--temp", "25", "--bias", "0",
          "--mode", "series"}},
        // A part number in another letter case is the same part.
        {{"evaluate", "--part", Lowered(parts.modelCapacitor)}, {"evaluate", "--part", parts.modelCapacitor}},
        // JIS notation starts at its own reference temperature, 20 C.
        {{"evaluate", "--part", parts.modelCapacitorJis, "--code", "jis"},
         {"evaluate", "--part", parts.modelCapacitorJis, "--code", "jis", "--temp", "20", "--bias", "0"}},
        {{"evaluate", "--part", parts.inductor}, {"evaluate", "--part", parts.inductor, "--freq", "10"}},
        // Inductors are always series parts.
        {{"evaluate", "--part", parts.inductor, "--mode", "shunt"}, {"evaluate", "--part", parts.inductor}},
    };
    for (const Row& row : rows) {
        const CliRun defaults = Sample(row.defaults);
        const CliRun spelledOut = Sample(row.spelledOut);
        EXPECT_EQ(defaults.Exit, kCliDone) << defaults.Err;
        EXPECT_EQ(defaults.Out, spelledOut.Out) << row.defaults[2];
    }
    // The temperature matters for this part, so the comparison above did check it.
    EXPECT_NE(Sample({"evaluate", "--part", parts.modelCapacitor, "--temp", "20"}).Out,
              Sample({"evaluate", "--part", parts.modelCapacitor}).Out);
}

TEST(CliEvaluateTest, APartWithoutModelKeepsTheReferenceConditions) {
    const std::string part = Parts().plainCapacitor;
    const CliRun typed = Sample({"evaluate", "--part", part, "--temp", "85", "--bias", "abc"});
    EXPECT_EQ(typed.Exit, kCliDone);
    EXPECT_EQ(typed.Out, Sample({"evaluate", "--part", part}).Out);
    EXPECT_NE(typed.Err.find("has no temperature and bias model"), std::string::npos);
}

TEST(CliEvaluateTest, TheLocaleSeparatorIsTypedButNeverWrittenIntoJson) {
    // A part whose capacitance text has a fraction, so the library's texts change too.
    Library library = LoadLibrary(SampleLibraryFolder(), '.');
    ASSERT_TRUE(SortCapacitors(library, shared::Eia, '.'));
    const auto fractional =
        std::find_if(library.CapacitorTable.begin(), library.CapacitorTable.end(), [](const auto& r) {
            return r.NominalCapacitance.find('.') != std::string::npos &&
                   !r.PartNumber[shared::Eia].empty() &&
                   shared::FrequencyRangeClass(r.PartNumber[shared::Eia]) == 3;
        });
    ASSERT_NE(fractional, library.CapacitorTable.end());
    const std::string part = fractional->PartNumber[shared::Eia];
    const CliRun comma = RunCli({"evaluate", "--part", part, "--freq", "0,5"}, SampleLibraryFolder(), ',');
    const CliRun point = RunCli({"evaluate", "--part", part, "--freq", "0.5"}, SampleLibraryFolder(), '.');
    ASSERT_EQ(comma.Exit, kCliDone) << comma.Err;
    EXPECT_EQ(comma.Out, point.Out);
    // Under "," a typed "." is no number, as in the window.
    const CliRun refused = RunCli({"evaluate", "--part", part, "--freq", "0.5"}, SampleLibraryFolder(), ',');
    EXPECT_EQ(refused.Exit, kCliRefused);
    EXPECT_EQ(refused.Err.rfind("Operating Frequency is invalid!\nPlease enter a Number from 0,3 - ", 0), 0U)
        << refused.Err;
}

TEST(CliRefusalTest, BadInputGivesTheWindowsMessageAndStatusTwo) {
    const SampleParts& parts = Parts();
    const std::string model = parts.modelCapacitor;
    const std::string range = "\nPlease enter a Number from 0.3 - ";
    struct Row {
        std::vector<std::string> arguments;
        std::string err;  // the start of the error stream
    };
    const std::vector<Row> rows = {
        {{"evaluate", "--part", "NOSUCHPART"}, "Product Number is invalid or not selected!\n"},
        {{"evaluate", "--part", model, "--freq", "0.29"}, "Operating Frequency is out of Range!" + range},
        {{"evaluate", "--part", model, "--freq", "1e9"}, "Operating Frequency is out of Range!" + range},
        {{"evaluate", "--part", model, "--freq", "fast"}, "Operating Frequency is invalid!" + range},
        {{"evaluate", "--part", model, "--freq", ""}, "Operating Freqency if not selected!" + range},
        {{"evaluate", "--part", model, "--temp", "150"},
         "Operation Temp is out of range!\nPlease enter a Number from -55 to 125 [C]\n"},
        {{"evaluate", "--part", model, "--temp", "hot"}, "Operation Temp is invalid!\n"},
        {{"evaluate", "--part", model, "--bias", "-1"},
         "DC Bias Voltage is out of range!\nPlease enter a Number from 0 to " + parts.ratedVoltage +
             " [V]\n"},
        {{"sweep", "--part", "NOSUCHPART", "--chart", "ESR"}, "Please specify correct Part Number.\n"},
        {{"sweep", "--part", model, "--chart", "Impedance", "--bias", "1000"},
         "DC Bias Voltage is out of range!"},
        {{"sweep", "--part", model, "--chart", "Noise"}, "Unknown chart \"Noise\"\nThe charts are Smith, "},
        {{"sweep", "--part", model, "--chart", "Q"}, "Q Chart is not available for this Product Number.\n"},
        {{"sweep", "--part", parts.inductor, "--chart", "Reactance"},
         "Reactance Chart is not available for this Product Number.\n"},
        {{"sweep", "--part", model, "--chart", "ESR", "--sparam", "S11"},
         "The ESR chart takes no S-parameter\n"},
        {{"sweep", "--part", model, "--chart", "Smith", "--sparam", "S12"}, "The S-parameter is S11 or S21"},
        {{"export", "s2p", "--part", "NOSUCHPART", "-o", "/nonexistent/x"},
         "Product Number is invalid or not selected!\n"},
        {{"export", "impedance", "--part", model, "--freq", "0.1", "-o", "/nonexistent/x"},
         "Operating Frequency is out of Range!" + range},
        {{"evaluate", "--part"}, "pelmo-cli: --part needs a value\nusage: pelmo-cli"},
    };
    for (const Row& row : rows) {
        const CliRun run = Sample(row.arguments);
        EXPECT_EQ(run.Exit, kCliRefused) << row.err;
        EXPECT_EQ(run.Err.substr(0, row.err.size()), row.err);
        EXPECT_EQ(run.Out, "") << row.err;
    }
}

std::string FirstField(const std::string& indexFile) {
    const std::string line = Lines(ReadBytes(indexFile)).front();
    const std::size_t end = line.find('"', 1);
    return line.substr(1, end - 1);
}

TEST(CliFailureTest, AMissingLibraryIsReportedAsAFailure) {
    const CliRun run = RunCli({"list", "--library", "/nonexistent/library"}, SampleLibraryFolder());
    EXPECT_EQ(run.Exit, kCliFailed);
    EXPECT_EQ(run.Err,
              "Unexpected Error 53\nFile not found\ncap.idx: No such file or directory "
              "(/nonexistent/library/cap.idx)\n"
              "(library folder /nonexistent/library)\n");
    EXPECT_EQ(run.Out, "");
}

// A damaged library file: the report names the file, the record and what is wrong, on
// the error stream, and the command exits 1 with nothing on its output.
TEST(CliFailureTest, ADamagedLibraryNamesTheFileTheRecordAndTheReason) {
    const std::string small = SmallLibraryFolder();
    const auto copy = [&](const TemporaryFolder& to) {
        for (const char* name : {"cap.idx", "ind.idx", "cap.dat", "ind.dat"}) {
            WriteBytes(to.File(name), ReadBytes(small + "/" + name));
        }
    };
    const std::vector<std::string> inductorLines = Lines(ReadBytes(small + "/ind.idx"));
    const std::size_t inductors = inductorLines.size() - (inductorLines.back().empty() ? 1 : 0);
    const std::string firstInductor = FirstField(small + "/ind.idx");
    struct Row {
        const char* name;
        std::function<void(const TemporaryFolder&)> damage;
        std::function<std::string(const TemporaryFolder&)> report;
    };
    const std::vector<Row> rows = {
        {"missing ind.dat", [](const TemporaryFolder& f) { std::filesystem::remove(f.File("ind.dat")); },
         [](const TemporaryFolder& f) {
             return "Unexpected Error 53\nFile not found\nind.dat: No such file or directory (" +
                    f.File("ind.dat") + ")";
         }},
        {"cap.idx cut in its second record",
         [&](const TemporaryFolder& f) {
             const std::string index = ReadBytes(f.File("cap.idx"));
             WriteBytes(f.File("cap.idx"), index.substr(0, index.find('\n') + 1) + "\"KTA\",\"\",x");
         },
         [](const TemporaryFolder&) {
             return std::string(
                 "Unexpected Error 62\nInput past end of file\ncap.idx record 2: the file ends after 3 "
                 "of its 30 fields");
         }},
        {"ind.dat shorter than ind.idx promises",
         [](const TemporaryFolder& f) {
             WriteBytes(f.File("ind.dat"), ReadBytes(f.File("ind.dat")).substr(0, 100));
         },
         [&](const TemporaryFolder& f) {
             return "Unexpected Error 62\nInput past end of file\nind.dat: it holds 2 complete records of 44 "
                    "bytes and "
                    "12 bytes more, but ind.idx lists " +
                    std::to_string(inductors) + " inductors (" + f.File("ind.dat") + ")";
         }},
        {"an inductor twice",
         [&](const TemporaryFolder& f) {
             WriteBytes(f.File("ind.idx"), ReadBytes(f.File("ind.idx")) + inductorLines.front() + "\n");
             const std::string model = ReadBytes(f.File("ind.dat"));
             WriteBytes(f.File("ind.dat"), model + model.substr(0, 44));
         },
         [&](const TemporaryFolder&) {
             return "Unexpected Error 457\nThis key is already associated with an element of this "
                    "collection\n"
                    "ind.idx record " +
                    std::to_string(inductors + 1) + ": the part number \"" + firstInductor +
                    "\" is there already in record 1";
         }},
        {"garbage bytes in cap.idx",
         [](const TemporaryFolder& f) {
             std::string garbage;
             for (int i = 0; i < 400; ++i) {
                 garbage += static_cast<char>((i * 73 + 11) % 256 == ',' ? 'x' : (i * 73 + 11) % 256);
             }
             WriteBytes(f.File("cap.idx"), garbage);
         },
         [](const TemporaryFolder&) -> std::string {
             return "Unexpected Error 62\nInput past end of file\ncap.idx record 1: the file ends after ";
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TemporaryFolder folder;
        copy(folder);
        row.damage(folder);
        const CliRun run = RunCli({"list", "--library", folder.Path()}, SampleLibraryFolder());
        EXPECT_EQ(run.Exit, kCliFailed);
        EXPECT_EQ(run.Out, "");
        const std::string expected = row.report(folder);
        EXPECT_EQ(run.Err.rfind(expected, 0), 0U) << run.Err;
        EXPECT_EQ(run.Err.substr(run.Err.find("\n(library folder ")),
                  "\n(library folder " + folder.Path() + ")\n")
            << run.Err;
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 4) << run.Err;
    }
}

// The small library with the upper frequency of its first capacitor and its first
// inductor replaced by value, and the two part numbers.
struct DamagedLibrary {
    TemporaryFolder folder;
    std::string capacitor;
    std::string inductor;
};

void PutSingle(std::string& bytes, std::size_t offset, float value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);  // little-endian machine
}

void Damage(DamagedLibrary& library, float value) {
    for (const char* name : {"cap.idx", "ind.idx", "cap.dat", "ind.dat"}) {
        WriteBytes(library.folder.File(name), ReadBytes(SmallLibraryFolder() + "/" + name));
    }
    std::string cap = ReadBytes(library.folder.File("cap.dat"));
    PutSingle(cap, 46, value);  // the first record's upper frequency
    WriteBytes(library.folder.File("cap.dat"), cap);
    std::string ind = ReadBytes(library.folder.File("ind.dat"));
    PutSingle(ind, 36, value);
    WriteBytes(library.folder.File("ind.dat"), ind);
    library.capacitor = FirstField(library.folder.File("cap.idx"));
    library.inductor = FirstField(library.folder.File("ind.idx"));
}

// A library is a file a user may replace: numbers that are no numbers must end in the
// error report and status 1, never in an abort, and nothing may be written.
TEST(CliFailureTest, AnUpperFrequencyThatIsNoNumberFailsEveryCommandWithAReport) {
    for (const float value : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity()}) {
        DamagedLibrary library;
        Damage(library, value);
        for (const std::string& part : {library.capacitor, library.inductor}) {
            const std::string target = library.folder.File("out");
            const std::vector<std::vector<std::string>> commands = {
                {"evaluate", "--part", part},
                {"sweep", "--part", part, "--chart", "Impedance"},
                {"export", "s2p", "--part", part, "-o", target},
                {"export", "impedance", "--part", part, "-o", target},
            };
            for (std::vector<std::string> arguments : commands) {
                arguments.insert(arguments.end(), {"--library", library.folder.Path()});
                const CliRun run = RunCli(arguments, SampleLibraryFolder());
                EXPECT_EQ(run.Exit, kCliFailed) << arguments[0] << " " << part << " " << value;
                EXPECT_EQ(run.Err.rfind("Unexpected Error ", 0), 0U) << run.Err;
                EXPECT_EQ(run.Out, "") << arguments[0];
                EXPECT_EQ(library.folder.Names(),
                          (std::vector<std::string>{"cap.dat", "cap.idx", "ind.dat", "ind.idx"}));
            }
        }
    }
}

TEST(CliRefusalTest, AShuntConnectionForAnInductorIsNotedAsUnused) {
    const std::string inductor = Lines(Sample({"list", "--kind", "ind"}).Out).front();
    const CliRun series = Sample({"evaluate", "--part", inductor});
    const CliRun shunt = Sample({"evaluate", "--part", inductor, "--mode", "shunt"});
    EXPECT_EQ(shunt.Exit, kCliDone);
    EXPECT_EQ(shunt.Out, series.Out);
    EXPECT_EQ(shunt.Err,
              "note: " + inductor + " is an inductor, always a series part; --mode shunt is not used\n");
}

TEST(CliSweepTest, TwoHundredAndOnePointsFromTheClassStart) {
    struct Row {
        std::string part;
        std::string chart;
        double start;
    };
    const std::vector<Row> rows = {{Parts().modelCapacitor, "Impedance", 300e3},
                                   {Parts().modelCapacitor, "Smith", 300e3},
                                   {Parts().inductor, "Impedance & ESR", 10e6}};
    for (const Row& row : rows) {
        const CliRun run = Sample({"sweep", "--part", row.part, "--chart", row.chart});
        ASSERT_EQ(run.Exit, kCliDone) << run.Err;
        const std::vector<std::string> lines = Lines(run.Out);
        ASSERT_EQ(lines.size(), 202U);
        EXPECT_EQ(lines[0],
                  "Frequency,S11Real,S11Imag,S21Real,S21Imag,S11MagnitudeDb,S21MagnitudeDb,S11PhaseDeg,"
                  "S21PhaseDeg,ImpedanceMagnitude,Esr,Reactance,Capacitance,Q,DF,ApparentCapacitance,"
                  "ApparentInductance");
        EXPECT_DOUBLE_EQ(Number(lines[1].substr(0, lines[1].find(','))), row.start);
        double previous = 0.0;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 16);
            const double frequency = Number(lines[i].substr(0, lines[i].find(',')));
            EXPECT_GT(frequency, previous);
            previous = frequency;
        }
    }
}

TEST(CliSweepTest, TheConnectionChangesOnlyTheSParameters) {
    const std::string part = Parts().modelCapacitor;
    const auto series = Lines(Sample({"sweep", "--part", part, "--chart", "Magnitude"}).Out);
    const auto shunt =
        Lines(Sample({"sweep", "--part", part, "--chart", "Magnitude", "--mode", "shunt"}).Out);
    ASSERT_EQ(series.size(), shunt.size());
    const auto tail = [](const std::string& line) {
        std::size_t at = 0;
        for (int i = 0; i < 9; ++i) {
            at = line.find(',', at) + 1;
        }
        return line.substr(at);
    };
    EXPECT_NE(series[100], shunt[100]);
    EXPECT_EQ(tail(series[100]), tail(shunt[100]));
}

}  // namespace
}  // namespace pelmo::testing
