#include "pelmo/export/export_evaluators.h"

#include "export_test_support.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/export/export_command.h"
#include "pelmo/export/readout_captions.h"
#include "pelmo/export/touchstone_writer.h"
#include "pelmo/library/records.h"
#include "support/point_number.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/memory_file_sink.h"
#include "shared/text/number_text.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace pelmo {
namespace {

// A three-branch capacitor with every loss term and a temperature-dependent ESR.
CapacitorRecord RealisticCapacitor(const char* part) {
    CapacitorRecord record;
    record.PartNumber = {part, part};
    record.TempChar = {"C0G", "CH"};
    record.NominalCapacitance = "10";
    record.ModelType = 1;
    record.C1 = 9.75F;
    record.L1 = 0.3F;
    record.Ra = 2e-6F;
    record.Rb = 0.02F;
    record.Rc = 0.05F;
    record.RcExponent = 0.5F;
    record.C2 = 0.25F;
    record.L2 = 0.2F;
    record.R2 = 5.0F;
    record.C3 = 1e-6F;
    record.L3 = 1e-3F;
    record.R3 = 1e6F;
    record.ResTempB = {0.0F, 0.2F, 0.001F, 0.0F};
    record.UpperFrequency = 2e10F;
    return record;
}

InductorRecord RealisticInductor() {
    InductorRecord record;
    record.PartNumber = "PWW1510NJ";
    record.L0 = 10.0F;
    record.L0Exponent = 0.01F;
    record.RsCoef = 3.0F;
    record.RsExponent = 0.5F;
    record.Cp = 0.08F;
    record.L1 = 1.0F;
    record.R1 = 20.0F;
    record.R0 = 0.2F;
    record.SelfResonance = 0.0F;
    record.UpperFrequency = 6e9F;
    return record;
}

void ExpectSameResult(const OperatingPointResult& a, const OperatingPointResult& b) {
    EXPECT_EQ(a.ResonantFrequency, b.ResonantFrequency);
    EXPECT_EQ(a.ImpedanceMagnitude, b.ImpedanceMagnitude);
    EXPECT_EQ(a.Reactance, b.Reactance);
    EXPECT_EQ(a.Resistance, b.Resistance);
    EXPECT_EQ(a.SeriesInductance, b.SeriesInductance);
    EXPECT_EQ(a.SeriesCapacitance, b.SeriesCapacitance);
    EXPECT_EQ(a.QualityFactor, b.QualityFactor);
    EXPECT_EQ(a.ApparentCapacitance, b.ApparentCapacitance);
    EXPECT_EQ(a.ApparentInductance, b.ApparentInductance);
    EXPECT_EQ(a.SMagnitudeDb, b.SMagnitudeDb);
    EXPECT_EQ(a.SPhaseDeg, b.SPhaseDeg);
}

TEST(ExportEvaluatorsTest, PreparedCapacitorGivesTheSameRowsAsTheWholeModelAtEveryPoint) {
    const CapacitorRecord record = RealisticCapacitor("KTH1552C1H100JA01");
    for (CircuitMode connection : {CircuitMode::Series, CircuitMode::Shunt}) {
        for (double temperature : {25.0, 85.0}) {
            CapacitorConditions conditions;
            conditions.Temperature = temperature;
            conditions.Connection = connection;
            conditions.PartNumber = "KTH1552C1H100JA01";
            OperatingPointResult cached;
            const GridPointEvaluator evaluate = CapacitorGridEvaluator(record, conditions, cached);
            ExportSubject subject = testing::CapacitorSubject(connection, record.UpperFrequency, 4);
            // One result carried along the grid in both, as the window's is: the fields an
            // evaluation leaves alone keep their stale values the same way.
            OperatingPointResult whole;
            for (double f : MakeExportGrid(subject).Frequencies) {
                EvaluateCapacitor(record, f * kTwoPi, conditions, whole);
                const OperatingPointResult& row = evaluate(f * kTwoPi);
                EXPECT_EQ(&row, &cached);
                ExpectSameResult(row, whole);
            }
        }
    }
}

TEST(ExportEvaluatorsTest, InductorEvaluatorIsTheEngineAtEachPoint) {
    const InductorRecord record = RealisticInductor();
    OperatingPointResult result;
    const GridPointEvaluator evaluate = InductorGridEvaluator(record, result);
    for (double f : {1e7, 3.3e8, 6e9}) {
        OperatingPointResult direct;
        EvaluateInductor(record, f * kTwoPi, direct);
        ExpectSameResult(evaluate(f * kTwoPi), direct);
    }
}

Library TwoPartLibrary() {
    Library library;
    library.CapacitorTable = {RealisticCapacitor("KTH1552C1H100JA01"),
                              RealisticCapacitor("KTA155R71H104KA88")};
    library.CapacitorTable[1].Rb = 0.5F;
    library.CapacitorTable[1].UpperFrequency = 6e9F;
    library.PartIndex.Rebuild(2, [&](std::size_t u, shared::CodeSystem code) {
        return library.CapacitorTable[u].PartNumber[code];
    });
    library.InductorTable = {RealisticInductor()};
    library.InductorPartIndex.Add("PWW1510NJ", 0);
    return library;
}

TEST(ExportEvaluatorsTest, SubjectEvaluatorUsesThePartOfTheSubject) {
    const Library library = TwoPartLibrary();
    ExportSubject subject = testing::CapacitorSubject(CircuitMode::Series, 6e9F, 5);
    subject.PartIndex = 1;
    subject.PartNumber = "KTA155R71H104KA88";
    OperatingPointResult result;
    SubjectEvaluator(library, subject, 25.0, 0.0, shared::Eia, '.', result)(1e9 * kTwoPi);
    OperatingPointResult direct;
    CapacitorConditions conditions;
    conditions.PartNumber = subject.PartNumber;
    EvaluateCapacitor(library.CapacitorTable[1], 1e9 * kTwoPi, conditions, direct);
    ExpectSameResult(result, direct);

    subject.PartIndex = 2;
    try {
        SubjectEvaluator(library, subject, 25.0, 0.0, shared::Eia, '.', result);
        ADD_FAILURE() << "no error for an index past the table";
    } catch (const shared::RuntimeError& failure) {
        EXPECT_EQ(failure.Number(), shared::error::kSubscriptOutOfRange);
    }
}

// The whole command with the real engine: the locale changes no byte of a Touchstone
// file, every row reads back in the C locale, and the window's result is left at the
// last grid point.
TEST(ExportEvaluatorsTest, EngineExportIsTheSameUnderBothSeparators) {
    const Library library = TwoPartLibrary();
    std::string files[2];
    const char separators[2] = {'.', ','};
    for (int run = 0; run < 2; ++run) {
        const char separator = separators[run];
        shared::FakeMessages messages;
        ExportSelection selection;
        selection.PartNumber = "KTH1552C1H100JA01";
        selection.Connection = CircuitMode::Shunt;
        selection.TemperatureText = "85";
        selection.BiasText = "0";
        const auto plan = PrepareExport(
            library, selection, [] { return true; }, messages);
        ASSERT_TRUE(plan);
        OperatingPointResult result;
        shared::MemoryFileSink sink;
        ASSERT_TRUE(SaveTouchstoneExport(
            *plan, SubjectEvaluator(library, plan->Subject, 85.0, 0.0, shared::Eia, separator, result),
            "x.s2p",
            [&sink](const std::string&) {
                struct Forward : shared::FileSink {
                    explicit Forward(shared::MemoryFileSink& t) : target(t) {}
                    void Write(std::string_view bytes) override { target.Write(bytes); }
                    void Commit() override { target.Commit(); }
                    shared::MemoryFileSink& target;
                };
                return std::make_unique<Forward>(sink);
            },
            messages));
        files[run] = sink.Bytes();
        OperatingPointResult last;
        CapacitorConditions conditions;
        conditions.Temperature = 85.0;
        conditions.Connection = CircuitMode::Shunt;
        conditions.PartNumber = "KTH1552C1H100JA01";
        conditions.DecimalSeparator = separator;
        for (double f : plan->Grid.Frequencies) {
            EvaluateCapacitor(library.CapacitorTable[0], f * kTwoPi, conditions, last);
        }
        ExpectSameResult(result, last);
    }
    EXPECT_TRUE(files[0] == files[1]);
    const auto lines = testing::SplitCrLf(files[1]);
    ASSERT_EQ(lines.size(), 11U + 402U);
    for (std::size_t i = 11; i < lines.size(); ++i) {
        std::size_t tokens = 0;
        for (std::size_t at = 0; at < lines[i].size();) {
            std::size_t used = 0;
            shared::testing::PointNumber(std::string_view(lines[i]).substr(at), &used);
            ASSERT_GT(used, 0U);
            at += used;
            ++tokens;
            if (at < lines[i].size()) {
                ASSERT_EQ(lines[i][at], ' ') << lines[i];
                ++at;
            }
        }
        EXPECT_EQ(tokens, 9U) << lines[i];
    }
}

TEST(ReadoutCaptionsTest, SrfCaptionFollowsItsFrequencyBand) {
    // clang-format off
    struct Row { double srf; char separator; const char* expected; };
    const Row rows[] = {
        {0.0, '.', "Over 6000"},
        {-5.0, '.', "Over 6000"},
        {5e5, '.', "0.500"},
        {1e7, '.', "10.000"},
        {1.0000001e7, '.', "10.00"},
        {1e8, '.', "100.00"},
        {8.505e8, '.', "850.5"},
        {1e9, '.', "1000.0"},
        {2.9504e9, '.', "2950"},
        {8.505e8, ',', "850,5"},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(SrfReadoutText(row.srf, row.separator), row.expected) << row.srf;
    }
}

TEST(ReadoutCaptionsTest, HeaderCaptionsOfAnOperatingPoint) {
    OperatingPointResult result;
    result.ResonantFrequency = 2.2508e9;
    result.SeriesCapacitance = 10.034e-12;
    result.SeriesInductance = 0.4951e-9;
    const ImpedanceReadouts readouts = ImpedanceReadoutsOf(result, ',');
    EXPECT_EQ(readouts.Srf, "2251");
    EXPECT_EQ(readouts.Esc, "10,03");
    EXPECT_EQ(readouts.Esl, "0,50");
}

}  // namespace
}  // namespace pelmo
