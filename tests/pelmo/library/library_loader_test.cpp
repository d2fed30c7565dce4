#include "pelmo/library/library_loader.h"

#include "library_fixtures.h"
#include "pelmo/library/library_files.h"
#include "pelmo/library/library_writer.h"

#include "shared/errors/runtime_error.h"
#include "shared/errors/start_failure.h"
#include "shared/files/file_bytes.h"
#include "shared/text/number_text.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace pelmo {
namespace {

using testing::SampleCapacitor;
using testing::SampleInductor;
using testing::TemporaryFolder;

std::vector<CapacitorRecord> Capacitors() {
    return {SampleCapacitor(1, "KTA155R71H104KA88", "KTA155R71H104"), SampleCapacitor(2, "", "KTA035C71H104"),
            SampleCapacitor(3, "KTA185R70J1R0KA88", "")};
}

std::vector<InductorRecord> Inductors() {
    return {SampleInductor(1, "PWL1005C2N7"), SampleInductor(2, "PWL1608C27N")};
}

// A folder holding a complete, valid library.
void WriteLibrary(const TemporaryFolder& folder,
                  const std::vector<CapacitorRecord>& capacitors = Capacitors(),
                  const std::vector<InductorRecord>& inductors = Inductors()) {
    WriteLibraryFiles(folder.Path(), capacitors, inductors);
}

// The failure LoadLibrary raises, or nothing.
std::optional<shared::StartFailure> LoadFailureOf(const std::string& folder) {
    try {
        (void)LoadLibrary(folder, '.');
    } catch (const shared::StartFailure& failure) {
        return failure;
    }
    return std::nullopt;
}

TEST(LoadLibrary, ReadsWhatTheWriterWrote) {
    TemporaryFolder folder;
    WriteLibrary(folder);
    const Library library = LoadLibrary(folder.Path(), '.');

    ASSERT_EQ(library.CapacitorTable.size(), 3U);
    ASSERT_EQ(library.InductorTable.size(), 2U);
    const std::vector<CapacitorRecord> capacitors = Capacitors();
    for (std::size_t i = 0; i < capacitors.size(); ++i) {
        SCOPED_TRACE(i);
        const CapacitorRecord& read = library.CapacitorTable[i];
        EXPECT_EQ(read.PartNumber, capacitors[i].PartNumber);
        EXPECT_EQ(read.UseText, capacitors[i].UseText);
        EXPECT_EQ(read.SizeSheet, capacitors[i].SizeSheet);
        EXPECT_EQ(read.C1, capacitors[i].C1);
        EXPECT_EQ(read.ExpAbove, capacitors[i].ExpAbove);
        EXPECT_EQ(read.ModelType, capacitors[i].ModelType);
        EXPECT_EQ(read.BiasCoef, capacitors[i].BiasCoef);
    }
    EXPECT_EQ(library.InductorTable[1].PartNumber, "PWL1608C27N");
    EXPECT_EQ(library.InductorTable[1].UpperFrequency, Inductors()[1].UpperFrequency);
    EXPECT_EQ(library.InductorTable[1].RatedCurrent, "300");

    // The inductor lookup is built in file order and ignores letter case; the capacitor
    // lookups wait for the sort.
    EXPECT_EQ(library.InductorPartIndex.Count(), 2U);
    EXPECT_EQ(library.InductorPartIndex.Find("pwl1608c27n"), 1);
    EXPECT_EQ(library.PartIndex[shared::Eia].Count(), 0U);
}

TEST(LoadLibrary, ReadsQuotedCommasAndRecordsSplitOverLines) {
    TemporaryFolder folder;
    WriteLibrary(folder, {SampleCapacitor(1, "X", "Y"), SampleCapacitor(2, "X2", "Y2")}, {});
    // Record 1 is split after field 8 and again inside the size sheet; its use text holds
    // commas and blanks in quotes, and unquoted fields lose their blanks. Record 2 is on
    // one line with LF only.
    std::string index =
        "\"KTA155R71H104KA88\",\"\",\"Low ESL, high Q, 0.5 pF\",15, 1005 ,X7R,B\r\n"
        "0.5,6.3,  3 ,1.0d0.05,\"0.5, typ.\",c,d,e\r\n"
        "f,g,h,i,j,k,l,m,n,o,p,q,r,s,t\r\n";
    index += "A,B,C,D,E,F,G,100,50,2.5";
    for (int i = 0; i < 20; ++i) {
        index += ",s" + std::to_string(i);
    }
    index += "\n";
    folder.Write(kCapacitorIndexFile, index);

    const Library library = LoadLibrary(folder.Path(), '.');
    ASSERT_EQ(library.CapacitorTable.size(), 2U);
    const CapacitorRecord& first = library.CapacitorTable[0];
    EXPECT_EQ(first.PartNumber[shared::Eia], "KTA155R71H104KA88");
    EXPECT_EQ(first.PartNumber[shared::Jis], "");
    EXPECT_EQ(first.UseText, "Low ESL, high Q, 0.5 pF");
    EXPECT_EQ(first.SizeCode[shared::Jis], "1005");
    EXPECT_EQ(first.NominalCapacitance, "0.5");
    EXPECT_EQ(first.RatedVoltage, "6.3");
    EXPECT_EQ(first.ChipShape, 3.0F);
    EXPECT_EQ(first.SizeSheet[0], "1.0d0.05");
    EXPECT_EQ(first.SizeSheet[1], "0.5, typ.");
    EXPECT_EQ(first.SizeSheet[19], "t");
    const CapacitorRecord& second = library.CapacitorTable[1];
    EXPECT_EQ(second.NominalCapacitance, "100");
    EXPECT_EQ(second.RatedVoltage, "50");
    EXPECT_EQ(second.ChipShape, 2.5F);
    EXPECT_EQ(second.SizeSheet[19], "s19");
    // The model still comes from cap.dat, record by record.
    EXPECT_EQ(second.C1, SampleCapacitor(2, "", "").C1);
}

TEST(LoadLibrary, EmptyIndexFilesGiveEmptyTables) {
    TemporaryFolder folder;
    WriteLibrary(folder, {}, {});
    folder.Write(kCapacitorIndexFile, "\r\n\r\n");
    const Library library = LoadLibrary(folder.Path(), '.');
    EXPECT_TRUE(library.CapacitorTable.empty());
    EXPECT_TRUE(library.InductorTable.empty());
    EXPECT_EQ(library.InductorPartIndex.Count(), 0U);
}

TEST(LoadLibrary, ShownNumberTextsTakeTheLocaleSeparator) {
    TemporaryFolder folder;
    std::vector<CapacitorRecord> capacitors = {SampleCapacitor(1, "KTA.1", "KTA.2")};
    capacitors[0].ChipShape = 2.5F;
    std::vector<InductorRecord> inductors = Inductors();
    inductors[0].RatedCurrent = "1.5";  // a fraction, so that a missed conversion shows
    WriteLibrary(folder, capacitors, inductors);

    const Library dot = LoadLibrary(folder.Path(), '.');
    EXPECT_EQ(dot.CapacitorTable[0].NominalCapacitance, "0.5");

    const Library comma = LoadLibrary(folder.Path(), ',');
    const CapacitorRecord& c = comma.CapacitorTable[0];
    EXPECT_EQ(c.NominalCapacitance, "0,5");
    EXPECT_EQ(c.RatedVoltage, "6,3");
    EXPECT_EQ(c.SizeSheet[3], "1,3");
    // Names are not numbers, and the file's numbers are read with "." regardless.
    EXPECT_EQ(c.PartNumber[shared::Eia], "KTA.1");
    EXPECT_EQ(c.ChipShape, 2.5F);
    const InductorRecord& l = comma.InductorTable[0];
    EXPECT_EQ(l.Inductance, "2,7");
    EXPECT_EQ(l.SizeSheet[2], "0,12");
    EXPECT_EQ(l.RatedCurrent, "1,5");
    EXPECT_EQ(dot.InductorTable[0].RatedCurrent, "1.5");
    EXPECT_EQ(l.PartNumber, "PWL1005C2N7");
}

struct FailureRow {
    const char* name;
    std::function<void(const TemporaryFolder&)> damage;
    const char* title;
    int number;
    // The report's line under the standard text; "{dir}" stands for the library folder.
    std::string detail;
};

std::string WithFolder(std::string text, const std::string& folder) {
    for (std::size_t at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}", at)) {
        text.replace(at, 5, folder);
        at += folder.size();
    }
    return text;
}

TEST(LoadLibrary, FailuresCarryTheirProcedureAndNumber) {
    const auto remove = [](const char* file) {
        return [file](const TemporaryFolder& folder) { folder.Remove(file); };
    };
    const auto cut = [](const char* file, std::size_t bytes) {
        return [file, bytes](const TemporaryFolder& folder) {
            std::string all = file == std::string(kCapacitorModelFile) ? CapacitorModelFile(Capacitors())
                                                                       : InductorModelFile(Inductors());
            folder.Write(file, all.substr(0, all.size() - bytes));
        };
    };
    // clang-format off
    const FailureRow rows[] = {
        {"missing cap.idx", remove(kCapacitorIndexFile), kMainFailureTitle, 53,
         "cap.idx: No such file or directory ({dir}/cap.idx)"},
        {"missing ind.idx", remove(kInductorIndexFile), kMainFailureTitle, 53,
         "ind.idx: No such file or directory ({dir}/ind.idx)"},
        {"index is a folder", [](const TemporaryFolder& f) {
             f.Remove(kInductorIndexFile);
             std::filesystem::create_directory(f.File(kInductorIndexFile)); },
         kMainFailureTitle, 75, "ind.idx: Is a directory ({dir}/ind.idx)"},
        {"incomplete last index record", [](const TemporaryFolder& f) {
             f.Write(kInductorIndexFile, InductorIndexText(Inductors()) + "\"PWX\",a,b\r\n"); },
         kMainFailureTitle, 62, "ind.idx record 3: the file ends after 3 of its 10 fields"},
        {"index shifted by text after a closing quote", [](const TemporaryFolder& f) {
             f.Write(kInductorIndexFile, "\"PW\"X,a,b,1,2,3,4,5,6,7\r\n"); },
         kMainFailureTitle, 62,
         "ind.idx record 2: the file ends after 1 of its 10 fields (a field ends in text after its "
         "closing quote at ind.idx line 1)"},
        {"missing cap.dat", remove(kCapacitorModelFile), kGetDataFailureTitle, 53,
         "cap.dat: No such file or directory ({dir}/cap.dat)"},
        {"missing ind.dat", remove(kInductorModelFile), kGetDataFailureTitle, 53,
         "ind.dat: No such file or directory ({dir}/ind.dat)"},
        {"cap.dat one byte short", cut(kCapacitorModelFile, 1), kGetDataFailureTitle, 62,
         "cap.dat: it holds 2 complete records of 178 bytes and 177 bytes more, but cap.idx lists "
         "3 capacitors ({dir}/cap.dat)"},
        {"cap.dat one record short", cut(kCapacitorModelFile, 178), kGetDataFailureTitle, 62,
         "cap.dat: it holds 2 complete records of 178 bytes, but cap.idx lists 3 capacitors ({dir}/cap.dat)"},
        {"ind.dat one byte short", cut(kInductorModelFile, 1), kGetDataFailureTitle, 62,
         "ind.dat: it holds 1 complete record of 44 bytes and 43 bytes more, but ind.idx lists 2 "
         "inductors ({dir}/ind.dat)"},
        {"chip shape not a number", [](const TemporaryFolder& f) {
             std::vector<CapacitorRecord> c = Capacitors();
             std::string text = CapacitorIndexText(c);
             const std::size_t shape = text.find(",2,");  // record 1 has shape 2
             text.replace(shape, 3, ",x2,");
             f.Write(kCapacitorIndexFile, text); },
         kMainFailureTitle, 13, "cap.idx record 1: the chip shape (field 10) \"x2\" is no number"},
        {"garbage bytes as a chip shape", [](const TemporaryFolder& f) {
             std::string text = CapacitorIndexText(Capacitors());
             text += "a,b,c,d,e,f,g,h,i,\x01\xFF\x7Fj" + std::string(20, ',') + "z\r\n";
             f.Write(kCapacitorIndexFile, text); },
         kMainFailureTitle, 13, "cap.idx record 4: the chip shape (field 10) \"???j\" is no number"},
        {"garbage bytes without separators", [](const TemporaryFolder& f) {
             f.Write(kCapacitorIndexFile, std::string("\x89PNG\x1A\n\x00\x02\x90\xEE, x", 14)); },
         kMainFailureTitle, 62, "cap.idx record 1: the file ends after 3 of its 30 fields"},
        {"inductors differing only in case", [](const TemporaryFolder& f) {
             WriteLibraryFiles(f.Path(), Capacitors(),
                               {SampleInductor(1, "PWL1005C2N7"), SampleInductor(2, "pwl1005c2n7")}); },
         kGetDataFailureTitle, 457,
         "ind.idx record 2: the part number \"pwl1005c2n7\" is there already in record 1 as \"PWL1005C2N7\""},
        {"the same inductor twice", [](const TemporaryFolder& f) {
             WriteLibraryFiles(f.Path(), Capacitors(),
                               {SampleInductor(1, "PWA"), SampleInductor(2, "PWB"), SampleInductor(3, "PWA")}); },
         kGetDataFailureTitle, 457, "ind.idx record 3: the part number \"PWA\" is there already in record 1"},
    };
    // clang-format on
    for (const FailureRow& row : rows) {
        SCOPED_TRACE(row.name);
        TemporaryFolder folder;
        WriteLibrary(folder);
        row.damage(folder);
        const auto failure = LoadFailureOf(folder.Path());
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->Title(), row.title);
        EXPECT_EQ(failure->Number(), row.number);
        // The report the help desk knows, with the file, the record and the reason under it.
        EXPECT_EQ(shared::ErrorReportText(failure->Number(), failure->Description()),
                  "Unexpected Error " + std::to_string(row.number) + "\r\n" +
                      shared::StandardErrorDescription(row.number) + "\r\n" +
                      WithFolder(row.detail, folder.Path()));
    }
}

// ind.idx text of count minimal records.
std::string InductorIndexOf(std::size_t count) {
    std::string text;
    text.reserve(count * 24);
    for (std::size_t i = 0; i < count; ++i) {
        text += "P" + std::to_string(i) + ",a,b,1,2,3,4,5,6,7\r\n";
    }
    return text;
}

TEST(LoadLibrary, HoldsAtMost32767RecordsOfAKind) {
    TemporaryFolder folder;
    WriteLibrary(folder);
    folder.Write(kInductorIndexFile, InductorIndexOf(32767));
    EXPECT_EQ(CountIndexRecords(folder.File(kInductorIndexFile), kInductorIndexFields), 32767U);
    // The full limit loads when the model file has as many records.
    folder.Write(kInductorModelFile, std::string(32767 * kInductorModelSize, '\0'));
    EXPECT_EQ(LoadLibrary(folder.Path(), '.').InductorTable.size(), 32767U);

    folder.Write(kInductorIndexFile, InductorIndexOf(32768));
    auto failure = LoadFailureOf(folder.Path());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Title(), "pelmo:Public.Main");
    EXPECT_EQ(failure->Number(), shared::error::kOverflow);
    EXPECT_EQ(failure->Description(), "Overflow\r\nind.idx: more than 32767 records");

    // The capacitor index has the same limit.
    WriteLibrary(folder);
    std::string capacitors;
    const std::string record = "a,b,c,d,e,f,g,1,2,3" + std::string(20 * 2, ',').substr(0, 20) + "\r\n";
    for (int i = 0; i < 32768; ++i) {
        capacitors += record;
    }
    folder.Write(kCapacitorIndexFile, capacitors);
    failure = LoadFailureOf(folder.Path());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Title(), "pelmo:Public.Main");
    EXPECT_EQ(failure->Number(), shared::error::kOverflow);
}

TEST(LoadLibrary, ExtraModelBytesAreIgnored) {
    TemporaryFolder folder;
    WriteLibrary(folder);
    folder.Write(kCapacitorModelFile, CapacitorModelFile(Capacitors()) + std::string(100, 'x'));
    EXPECT_EQ(LoadLibrary(folder.Path(), '.').CapacitorTable.size(), 3U);
}

TEST(WriteLibraryFiles, ARecordThatCannotBeWrittenLeavesTheFolderAlone) {
    TemporaryFolder folder;
    WriteLibrary(folder);
    const std::string before = shared::ReadFileBytes(folder.File(kCapacitorIndexFile));
    std::vector<InductorRecord> inductors = Inductors();
    inductors[1].Inductance = "2\"7";  // only the last file is affected
    EXPECT_THROW(WriteLibraryFiles(folder.Path(), {SampleCapacitor(9, "NEW", "")}, inductors),
                 shared::RuntimeError);
    EXPECT_EQ(shared::ReadFileBytes(folder.File(kCapacitorIndexFile)), before);
    EXPECT_EQ(LoadLibrary(folder.Path(), '.').CapacitorTable.size(), 3U);
}

TEST(LoadLibrary, FolderMayEndInItsSeparator) {
    TemporaryFolder folder;
    WriteLibrary(folder);
    EXPECT_EQ(LoadLibrary(folder.Path() + "/", '.').CapacitorTable.size(), 3U);
}

}  // namespace
}  // namespace pelmo
