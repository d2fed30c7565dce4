#include "pelmo/export/spice_model_writer.h"

#include "export_test_support.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/library/records.h"
#include "support/point_number.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/memory_file_sink.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace pelmo {
namespace {

using testing::CapacitorSubject;
using testing::InductorSubject;

// A capacitor and an inductor with values that have no short decimal form, so that every
// digit the file writes matters.
CapacitorRecord SampleCapacitor() {
    CapacitorRecord record;
    record.ModelType = 2;
    record.NominalCapacitance = "10";
    record.TempCoef[1] = -0.012F;
    record.BiasCoef[1] = -1.7F;
    record.ResTempA[1] = 0.31F;
    record.ResTempB[1] = 0.12F;
    record.C1 = 10.3F;
    record.L1 = 0.41F;
    record.Ra = 0.173F;
    record.Rb = 0.021F;
    record.Rc = 0.31F;
    record.RcExponent = 0.55F;
    record.R2 = 2.7F;
    record.L2 = 0.07F;
    record.C2 = 0.013F;
    record.R3 = 7.5F;
    record.L3 = 0.2F;
    record.C3 = 0.0007F;
    return record;
}

InductorRecord SampleInductor() {
    InductorRecord record;
    record.RsCoef = 0.019F;
    record.RsExponent = 0.5F;
    record.R1 = 0.01F;
    record.L1 = 0.2F;
    record.L0 = 10.0F;
    record.L0Exponent = 0.013F;
    record.R0 = 0.036F;
    record.Cp = 0.155F;
    return record;
}

std::string Export(const ExportSubject& subject, const SpiceModel& model) {
    shared::MemoryFileSink sink;
    WriteSpiceModel(subject, model, sink);
    EXPECT_FALSE(sink.Committed()) << "the command commits, not the writer";
    // The program's version is stamped into the header; the layout is what is pinned.
    std::string bytes = sink.Bytes();
    const std::string written = "* Written by Pelmo ";
    const auto at = bytes.find(written);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) {
        bytes.replace(at + written.size(), bytes.find("\r\n", at) - at - written.size(), "<version>");
    }
    return bytes;
}

SpiceModel CapacitorModel(double temperature, double bias) {
    CapacitorConditions conditions;
    conditions.Temperature = temperature;
    conditions.Bias = bias;
    conditions.PartNumber = "KTH1552C1H100JA01";
    const CapacitorRecord record = SampleCapacitor();
    SpiceModel model = CapacitorSpiceModel(record, PrepareCapacitor(record, conditions), 0.3e6);
    return model;
}

// The whole file of a capacitor with a condition model (with its condition line) and of
// an inductor in JIS notation, byte for byte, CR LF after every line, ASCII only.
TEST(SpiceModelWriterTest, FilesMatchTheGoldenFiles) {
    ExportSubject capacitor = CapacitorSubject(CircuitMode::Shunt, 6e9F, 3);
    capacitor.TemperatureText = "85";
    capacitor.BiasText = "2.5";
    const std::string capacitorBytes = Export(capacitor, CapacitorModel(85.0, 2.5));
    SpiceModel inductorModel = InductorSpiceModel(SampleInductor(), 1.5e9);
    inductorModel.CodeSystem = shared::Jis;
    const std::string inductorBytes = Export(InductorSubject(), inductorModel);
    for (const std::string& bytes : {capacitorBytes, inductorBytes}) {
        EXPECT_FALSE(testing::SplitCrLf(bytes).empty());
        for (const char c : bytes) {
            ASSERT_TRUE(c == '\r' || c == '\n' || (c >= ' ' && c <= '~')) << static_cast<int>(c);
        }
    }
    testing::ExpectMatchesGolden(capacitorBytes, "capacitor_model.cir");
    testing::ExpectMatchesGolden(inductorBytes, "inductor.cir");
}

// A capacitor without a condition model has no condition line: its fields are fixed at
// the reference values and the file would only repeat them.
TEST(SpiceModelWriterTest, OnlyAConditionModelGivesAConditionLine) {
    ExportSubject subject = CapacitorSubject(CircuitMode::Series, 6e9F, 2);
    const auto conditionLines = [&subject]() {
        int count = 0;
        for (const std::string& line : SpiceModelLines(subject, CapacitorModel(25.0, 0.0))) {
            count += line.rfind("* Operation Temp=", 0) == 0 ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(conditionLines(), 1);
    subject.ConditionDependent = false;
    EXPECT_EQ(conditionLines(), 0);
}

// Every default reads back, with a C library reader, to exactly the double the engine
// computes with, and shows 17 significant digits.
TEST(SpiceModelWriterTest, NumbersReadBackToTheSameDouble) {
    const double values[] = {0.0,           1.0,         -1.0, 10.3e-12, 0.1,
                             1.0 / 3.0,     6.283185308, 2e10, 5e-324,   std::numeric_limits<double>::max(),
                             -0.041F * 1e-9};
    for (const double value : values) {
        const std::string text = SpiceNumberText(value);
        EXPECT_EQ(shared::testing::PointNumber(text), value) << text;
        const auto exponent = text.find('e');
        ASSERT_NE(exponent, std::string::npos) << text;
        const std::string mantissa = text.substr(value < 0.0 ? 1 : 0, exponent - (value < 0.0 ? 1 : 0));
        EXPECT_EQ(mantissa.size(), 18U) << text;  // 17 digits and the point
        EXPECT_EQ(mantissa[1], '.') << text;
    }
}

// A part number SPICE would split or misread is refused rather than written into a file
// that the simulator rejects or reads as another name.
TEST(SpiceModelWriterTest, APartNumberThatIsNoSpiceNameIsRefused) {
    for (const char* name : {"", "KTH 1552", "KTH(1552)", "KTH=1", "KTH*", "KTH\xC2\xB5"}) {
        ExportSubject subject = InductorSubject();
        subject.PartNumber = name;
        try {
            SpiceModelLines(subject, InductorSpiceModel(SampleInductor(), 1e7));
            ADD_FAILURE() << "accepted \"" << name << "\"";
        } catch (const shared::RuntimeError& error) {
            EXPECT_EQ(error.Number(), shared::error::kInvalidProcedureCall) << name;
        }
    }
}

// A value that is not finite, or an operating frequency of 0 (where the behavioural
// elements divide by it), raises an error instead of writing "inf" into a file that
// would then be reported saved.
TEST(SpiceModelWriterTest, ValuesThatCannotBeSimulatedRaise) {
    Library library;
    InductorRecord broken = SampleInductor();
    broken.Cp = std::numeric_limits<float>::infinity();
    library.InductorTable = {SampleInductor(), broken};
    ExportSubject subject = InductorSubject();
    const auto numberOf = [&](int index, double frequency) {
        subject.PartIndex = index;
        try {
            SubjectSpiceModel(library, subject, 25.0, 0.0, shared::Eia, '.', frequency);
        } catch (const shared::RuntimeError& error) {
            return error.Number();
        }
        return 0;
    };
    EXPECT_EQ(numberOf(0, 1e7), 0);
    EXPECT_EQ(numberOf(1, 1e7), shared::error::kOverflow);
    EXPECT_EQ(numberOf(0, 0.0), shared::error::kInvalidProcedureCall);
    EXPECT_EQ(numberOf(2, 1e7), shared::error::kSubscriptOutOfRange);
}

}  // namespace
}  // namespace pelmo
