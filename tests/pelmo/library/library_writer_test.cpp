#include "pelmo/library/library_writer.h"

#include "library_fixtures.h"
#include "pelmo/library/library_files.h"
#include "pelmo/library/library_reader.h"

#include "shared/errors/runtime_error.h"
#include "shared/files/field_reader.h"
#include "shared/files/fixed_record_reader.h"
#include "shared/files/little_endian.h"

#include <cstring>
#include <gtest/gtest.h>

namespace pelmo {
namespace {

using testing::SampleCapacitor;
using testing::SampleInductor;

// Field-by-field comparison, so a failure names the field that moved.
void ExpectSameCapacitor(const CapacitorRecord& a, const CapacitorRecord& b) {
    EXPECT_EQ(a.PartNumber, b.PartNumber);
    EXPECT_EQ(a.UseText, b.UseText);
    EXPECT_EQ(a.SizeCode, b.SizeCode);
    EXPECT_EQ(a.TempChar, b.TempChar);
    EXPECT_EQ(a.RatedVoltage, b.RatedVoltage);
    EXPECT_EQ(a.NominalCapacitance, b.NominalCapacitance);
    EXPECT_EQ(a.ChipShape, b.ChipShape);
    EXPECT_EQ(a.SizeSheet, b.SizeSheet);
    EXPECT_EQ(a.ModelType, b.ModelType);
    EXPECT_EQ(a.BiasCoef, b.BiasCoef);
    EXPECT_EQ(a.TempCoef, b.TempCoef);
    EXPECT_EQ(a.ResTempB, b.ResTempB);
    EXPECT_EQ(a.ResTempA, b.ResTempA);
    const float CapacitorRecord::*singles[] = {
        &CapacitorRecord::C1,           &CapacitorRecord::L1,
        &CapacitorRecord::Ra,           &CapacitorRecord::Rb,
        &CapacitorRecord::Rc,           &CapacitorRecord::C2,
        &CapacitorRecord::L2,           &CapacitorRecord::R2,
        &CapacitorRecord::C3,           &CapacitorRecord::L3,
        &CapacitorRecord::R3,           &CapacitorRecord::UpperFrequency,
        &CapacitorRecord::RcExponent,   &CapacitorRecord::PeakAmplitude,
        &CapacitorRecord::PeakOffset,   &CapacitorRecord::PeakTempV2,
        &CapacitorRecord::PeakTempV1,   &CapacitorRecord::PeakTemp0,
        &CapacitorRecord::SharpBelowV2, &CapacitorRecord::SharpBelowV1,
        &CapacitorRecord::SharpBelow0,  &CapacitorRecord::SharpAboveV2,
        &CapacitorRecord::SharpAboveV1, &CapacitorRecord::SharpAbove0,
        &CapacitorRecord::ExpBelow,     &CapacitorRecord::ExpAbove};
    for (std::size_t i = 0; i < std::size(singles); ++i) {
        EXPECT_EQ(a.*singles[i], b.*singles[i]) << "single number " << i;
    }
}

TEST(LibraryWriter, CapacitorRecordsRoundTrip) {
    const std::vector<CapacitorRecord> written = {SampleCapacitor(1, "GRM155R71H104KA88", ""),
                                                  SampleCapacitor(2, "", "GRM36B104K50"),
                                                  SampleCapacitor(3, "A, \"B\"", "x")};
    // The third has a quote in a part number, which the index cannot carry.
    EXPECT_THROW(CapacitorIndexText(written), shared::RuntimeError);
    const std::vector<CapacitorRecord> records(written.begin(), written.begin() + 2);

    shared::FieldReader index(CapacitorIndexText(records));
    const shared::FixedRecordReader model(CapacitorModelFile(records), kCapacitorModelSize, records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        CapacitorRecord read;
        ReadCapacitorIndexFields(index.ReadRecord(kCapacitorIndexFields), read);
        ReadCapacitorModel(model.Record(i), read);
        SCOPED_TRACE(i);
        ExpectSameCapacitor(records[i], read);
    }
    EXPECT_TRUE(index.AtEnd());
}

TEST(LibraryWriter, InductorRecordsRoundTrip) {
    const std::vector<InductorRecord> records = {SampleInductor(1, "PWL1005C2N7"),
                                                 SampleInductor(2, "PWL1608 27N")};
    shared::FieldReader index(InductorIndexText(records));
    const shared::FixedRecordReader model(InductorModelFile(records), kInductorModelSize, records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        InductorRecord read;
        ReadInductorModel(model.Record(i), read);
        ReadInductorIndexFields(index.ReadRecord(kInductorIndexFields), read);
        SCOPED_TRACE(i);
        const InductorRecord& w = records[i];
        EXPECT_EQ(w.PartNumber, read.PartNumber);
        EXPECT_EQ(w.SizeCode, read.SizeCode);
        EXPECT_EQ(w.Inductance, read.Inductance);
        EXPECT_EQ(w.RatedCurrent, read.RatedCurrent);
        EXPECT_EQ(w.SizeSheet, read.SizeSheet);
        const float InductorRecord::*singles[] = {&InductorRecord::L0,
                                                  &InductorRecord::L0Exponent,
                                                  &InductorRecord::RsCoef,
                                                  &InductorRecord::RsExponent,
                                                  &InductorRecord::Cp,
                                                  &InductorRecord::L1,
                                                  &InductorRecord::R1,
                                                  &InductorRecord::R0,
                                                  &InductorRecord::SelfResonance,
                                                  &InductorRecord::UpperFrequency};
        for (std::size_t k = 0; k < std::size(singles); ++k) {
            EXPECT_EQ(w.*singles[k], read.*singles[k]) << "single number " << k;
        }
    }
}

TEST(LibraryWriter, IndexLinesQuoteTextsAndWriteTheShapeWithADot) {
    CapacitorRecord c = SampleCapacitor(1, "GRM155R71H104KA88", "GRM36B104K50");
    c.UseText = " lead, trail ";
    c.NominalCapacitance = "100000";
    c.RatedVoltage = "50";
    c.ChipShape = 2.5F;
    for (std::size_t i = 0; i < c.SizeSheet.size(); ++i) {
        c.SizeSheet[i] = i == 0 ? "1.0d0.05" : "";
    }
    std::string emptySheets;
    for (int i = 1; i < 20; ++i) {
        emptySheets += ",\"\"";
    }
    EXPECT_EQ(CapacitorIndexLine(c),
              "\"GRM155R71H104KA88\",\"GRM36B104K50\",\" lead, trail \",\"151\",\"1005-1\","
              "\"X7R\",\"B\",\"100000\",\"50\",2.5,\"1.0d0.05\"" +
                  emptySheets + "\r\n");
}

TEST(LibraryWriter, IndexLinesRefuseTextsTheReaderWouldSplit) {
    // clang-format off
    const char* const texts[] = {"a\"b", "line\r\nbreak", "line\nbreak", "cr\r"};
    // clang-format on
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        CapacitorRecord c = SampleCapacitor(1, "A", "B");
        c.SizeSheet[19] = text;
        EXPECT_THROW(CapacitorIndexLine(c), shared::RuntimeError);
        InductorRecord l = SampleInductor(1, "PW");
        l.RatedCurrent = text;
        EXPECT_THROW(InductorIndexLine(l), shared::RuntimeError);
    }
}

TEST(LibraryWriter, CapacitorModelBytesSitAtTheirOffsets) {
    CapacitorRecord c;
    c.C1 = 1.5F;
    c.R3 = 11.0F;
    c.ModelType = -2;
    c.UpperFrequency = 6e9F;
    c.RcExponent = 0.5F;
    c.BiasCoef[6] = -6.0F;
    c.BiasCoef[1] = -1.0F;
    c.TempCoef[6] = 66.0F;
    c.TempCoef[1] = 11.5F;
    c.ResTempB[3] = 3.25F;
    c.ResTempA[1] = -0.125F;
    c.PeakAmplitude = 7.0F;
    c.ExpAbove = 42.0F;
    const std::string bytes = CapacitorModelBytes(c);
    ASSERT_EQ(bytes.size(), 178U);
    struct Row {
        std::size_t offset;
        float value;
    };
    // clang-format off
    const Row rows[] = {
        {0, 1.5F}, {40, 11.0F},
        {46, 6e9F}, {50, 0.5F},
        {54, -6.0F}, {74, -1.0F},            // BiasCoef(6) .. BiasCoef(1)
        {78, 66.0F}, {98, 11.5F},            // TempCoef(6) .. TempCoef(1)
        {102, 3.25F}, {122, -0.125F},        // ResTempB(3), ResTempA(1)
        {126, 7.0F}, {174, 42.0F},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(shared::ReadSingleLe(bytes, row.offset), row.value) << "offset " << row.offset;
    }
    // ModelType as 16-bit little-endian two's complement.
    EXPECT_EQ(static_cast<unsigned char>(bytes[44]), 0xFEU);
    EXPECT_EQ(static_cast<unsigned char>(bytes[45]), 0xFFU);
    // 1.5F is 0x3FC00000: the low byte first.
    EXPECT_EQ(std::memcmp(bytes.data(), "\x00\x00\xC0\x3F", 4), 0);

    c.ModelType = 40000;
    EXPECT_THROW(CapacitorModelBytes(c), shared::RuntimeError);
}

TEST(LibraryWriter, InductorModelBytesEndWithTheRatedCurrent) {
    InductorRecord l = SampleInductor(3, "PWL");
    l.RatedCurrent = "450";
    std::string bytes = InductorModelBytes(l);
    ASSERT_EQ(bytes.size(), 44U);
    EXPECT_EQ(shared::ReadSingleLe(bytes, 0), l.L0);
    EXPECT_EQ(shared::ReadSingleLe(bytes, 36), l.UpperFrequency);
    EXPECT_EQ(shared::ReadSingleLe(bytes, 40), 450.0F);
    l.RatedCurrent = "n/a";
    bytes = InductorModelBytes(l);
    EXPECT_EQ(shared::ReadSingleLe(bytes, 40), 0.0F);
}

}  // namespace
}  // namespace pelmo
