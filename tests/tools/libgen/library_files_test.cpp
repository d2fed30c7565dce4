// The generator's files: the same bytes on every run, and files the program's own
// loader reads back into the tables they came from.

#include "generated_library.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/library_writer.h"
#include "support/test_names.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace pelmo::libgen {
namespace {

namespace fs = std::filesystem;

const char* const kFiles[] = {"cap.idx", "cap.dat", "ind.idx", "ind.dat"};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LibraryFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder per process and test: other builds may run these tests at once.
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        folder_ = fs::temp_directory_path() / ("libgen_test_" + std::to_string(::getpid()) + "_" + name);
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs the built generator; its exit status.
    int RunLibgen(const std::string& arguments, const fs::path& out) const {
        const std::string command = std::string("\"") + LIBGEN_EXECUTABLE + "\" " + arguments + " --out \"" +
                                    out.string() + "\" > /dev/null 2>&1";
        return std::system(command.c_str());
    }

    fs::path folder_;
};

TEST_F(LibraryFilesTest, TwoRunsWriteIdenticalBytes) {
    ASSERT_EQ(RunLibgen("", folder_ / "first"), 0);
    ASSERT_EQ(RunLibgen("", folder_ / "second"), 0);
    for (const char* name : kFiles) {
        const std::string first = Slurp(folder_ / "first" / name);
        EXPECT_FALSE(first.empty()) << name;
        EXPECT_EQ(first, Slurp(folder_ / "second" / name)) << name;
    }
    // And the same bytes as the tables the tests examine.
    const SampleLibrary& library = GeneratedLibrary();
    EXPECT_EQ(Slurp(folder_ / "first" / "cap.idx"), CapacitorIndexText(library.capacitors));
    EXPECT_EQ(Slurp(folder_ / "first" / "cap.dat"), CapacitorModelFile(library.capacitors));
    EXPECT_EQ(Slurp(folder_ / "first" / "ind.idx"), InductorIndexText(library.inductors));
    EXPECT_EQ(Slurp(folder_ / "first" / "ind.dat"), InductorModelFile(library.inductors));
}

TEST_F(LibraryFilesTest, GenerationDoesNotDependOnEarlierRuns) {
    const SampleLibrary again = GenerateSampleLibrary();
    EXPECT_EQ(CapacitorModelFile(again.capacitors), CapacitorModelFile(GeneratedLibrary().capacitors));
    EXPECT_EQ(InductorModelFile(again.inductors), InductorModelFile(GeneratedLibrary().inductors));
}

TEST_F(LibraryFilesTest, TheProgramLoadsTheSampleLibrary) {
    ASSERT_EQ(RunLibgen("", folder_), 0);
    Library library = LoadLibrary(folder_.string(), '.');
    const SampleLibrary& generated = GeneratedLibrary();
    ASSERT_EQ(library.CapacitorTable.size(), generated.capacitors.size());
    ASSERT_EQ(library.InductorTable.size(), generated.inductors.size());
    for (std::size_t i = 0; i < generated.capacitors.size(); ++i) {
        const CapacitorRecord& read = library.CapacitorTable[i];
        const CapacitorRecord& written = generated.capacitors[i];
        ASSERT_EQ(read.PartNumber, written.PartNumber);
        ASSERT_EQ(read.UseText, written.UseText);
        ASSERT_EQ(read.SizeSheet, written.SizeSheet);
        ASSERT_EQ(read.ChipShape, written.ChipShape);
        ASSERT_EQ(read.C1, written.C1);
        ASSERT_EQ(read.ModelType, written.ModelType);
        ASSERT_EQ(read.UpperFrequency, written.UpperFrequency);
        ASSERT_EQ(read.ExpAbove, written.ExpAbove);
    }
    for (std::size_t i = 0; i < generated.inductors.size(); ++i) {
        ASSERT_EQ(library.InductorTable[i].PartNumber, generated.inductors[i].PartNumber);
        ASSERT_EQ(library.InductorTable[i].RatedCurrent, generated.inductors[i].RatedCurrent);
        ASSERT_EQ(library.InductorTable[i].SelfResonance, generated.inductors[i].SelfResonance);
    }
    EXPECT_EQ(library.InductorPartIndex.Count(), generated.inductors.size());
    EXPECT_TRUE(SortCapacitors(library, shared::Jis, '.'));
    EXPECT_TRUE(SortCapacitors(library, shared::Eia, '.'));
}

struct ScaleCase {
    std::size_t records;
};

class ScaleLibraryTest : public LibraryFilesTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ScaleLibraryTest, RecordsGivesExactlyThatManyCapacitors) {
    const std::size_t count = GetParam().records;
    ASSERT_EQ(RunLibgen("--records " + std::to_string(count), folder_), 0);
    EXPECT_EQ(fs::file_size(folder_ / "cap.dat"), count * 178U);
    Library library = LoadLibrary(folder_.string(), '.');
    EXPECT_EQ(library.CapacitorTable.size(), count);
    EXPECT_EQ(library.InductorTable.size(), GeneratedLibrary().inductors.size());
    // Unique in both notations, with a sort key each: the program starts with it.
    EXPECT_TRUE(SortCapacitors(library, shared::Eia, '.'));
    EXPECT_TRUE(SortCapacitors(library, shared::Jis, '.'));
}

INSTANTIATE_TEST_SUITE_P(Counts, ScaleLibraryTest,
                         ::testing::Values(ScaleCase{1}, ScaleCase{500}, ScaleCase{32767}),
                         [](const auto& info) { return "Records" + std::to_string(info.param.records); });

TEST_F(LibraryFilesTest, RefusesBadArgumentsAndWritesNothing) {
    EXPECT_NE(RunLibgen("--records 32768", folder_), 0);
    EXPECT_NE(RunLibgen("--records none", folder_), 0);
    EXPECT_FALSE(fs::exists(folder_ / "cap.idx"));
}

}  // namespace
}  // namespace pelmo::libgen
