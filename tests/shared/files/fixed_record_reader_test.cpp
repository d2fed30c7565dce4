#include "shared/files/fixed_record_reader.h"

#include "support/test_names.h"

#include "shared/errors/runtime_error.h"
#include "shared/files/file_bytes.h"
#include "shared/files/little_endian.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace shared {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) {
        bytes.push_back(static_cast<char>(v));
    }
    return bytes;
}

template <class Action>
int ErrorNumberOf(Action action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(LittleEndian, AssemblesValuesIndependentOfHostOrder) {
    // clang-format off
    EXPECT_EQ(ReadInt16Le(Bytes({0x01, 0x00}), 0), 1);
    EXPECT_EQ(ReadInt16Le(Bytes({0x34, 0x12}), 0), 0x1234);
    EXPECT_EQ(ReadInt16Le(Bytes({0xFF, 0xFF}), 0), -1);
    EXPECT_EQ(ReadInt16Le(Bytes({0x00, 0x80}), 0), -32768);
    EXPECT_EQ(ReadInt32Le(Bytes({0x78, 0x56, 0x34, 0x12}), 0), 0x12345678);
    EXPECT_EQ(ReadInt32Le(Bytes({0xFE, 0xFF, 0xFF, 0xFF}), 0), -2);
    EXPECT_EQ(ReadSingleLe(Bytes({0x00, 0x00, 0x80, 0x3F}), 0), 1.0f);
    EXPECT_EQ(ReadSingleLe(Bytes({0x00, 0x00, 0xC0, 0xBF}), 0), -1.5f);
    EXPECT_EQ(ReadSingleLe(Bytes({0x00, 0x20, 0xA0, 0x4E}), 0), 1343225856.0f);
    EXPECT_EQ(ReadDoubleLe(Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}), 0), 1.0);
    EXPECT_EQ(ReadDoubleLe(Bytes({0, 0, 0, 0, 0, 0, 0x24, 0xC0}), 0), -10.0);
    // An odd offset: the value is not aligned in the record.
    EXPECT_EQ(ReadInt16Le(Bytes({0xAA, 0xFF, 0x7F}), 1), 32767);
    // clang-format on
}

TEST(LittleEndian, WritesWhatItReads) {
    // The cap.dat layout: eleven singles, a 16-bit model type at offset 44, more singles.
    std::string record;
    for (int i = 0; i < 11; ++i) {
        AppendSingleLe(record, 0.5f * static_cast<float>(i) - 1.0f);
    }
    AppendInt16Le(record, -2);
    AppendSingleLe(record, 2.0e10f);
    AppendInt32Le(record, std::numeric_limits<std::int32_t>::min());
    AppendDoubleLe(record, 1.0 / 3.0);
    ASSERT_EQ(record.size(), 62u);
    EXPECT_EQ(ReadSingleLe(record, 0), -1.0f);
    EXPECT_EQ(ReadSingleLe(record, 40), 4.0f);
    EXPECT_EQ(ReadInt16Le(record, 44), -2);
    EXPECT_EQ(ReadSingleLe(record, 46), 2.0e10f);
    EXPECT_EQ(ReadInt32Le(record, 50), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ReadDoubleLe(record, 54), 1.0 / 3.0);
}

TEST(LittleEndian, ReadsOutsideTheBytesRaise9) {
    const std::string four = Bytes({1, 2, 3, 4});
    EXPECT_EQ(ErrorNumberOf([&] { ReadInt16Le(four, 3); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { ReadSingleLe(four, 1); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { ReadDoubleLe(four, 0); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { ReadInt32Le(four, std::numeric_limits<std::size_t>::max()); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { ReadInt32Le(four, 0); }), 0);
}

struct LengthCase {
    std::size_t bytes;
    std::size_t recordSize;
    std::size_t count;
    int error;  // 0: the records are there
};

class FixedRecordLengths : public ::testing::TestWithParam<LengthCase> {};

TEST_P(FixedRecordLengths, RefusesShortFilesAndNeverZeroFills) {
    const auto& c = GetParam();
    std::string bytes(c.bytes, '\x5A');
    const int number = ErrorNumberOf([&] {
        FixedRecordReader reader(bytes, c.recordSize, c.count);
        EXPECT_EQ(reader.Count(), c.count);
        for (std::size_t i = 0; i < c.count; ++i) {
            EXPECT_EQ(reader.Record(i), std::string(c.recordSize, '\x5A'));
        }
    });
    EXPECT_EQ(number, c.error);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lengths, FixedRecordLengths, ::testing::Values(
    LengthCase{178 * 3, 178, 3, 0},          // exact
    LengthCase{178 * 3 - 1, 178, 3, 62},     // one byte short
    LengthCase{178 * 2, 178, 3, 62},         // one record short
    LengthCase{290 * 2 + 17, 290, 2, 0},     // trailing bytes ignored
    LengthCase{0, 44, 0, 0},                 // an empty library
    LengthCase{0, 44, 1, 62},                // an empty model file for one part
    LengthCase{10, 0, 1, 5},                 // no record length
    LengthCase{100, 2, std::numeric_limits<std::size_t>::max() / 2 + 1, 62}),  // count x size wraps
    [](const auto& info) {
        const LengthCase& c = info.param;
        return ::shared::testing::TestName(c.bytes, "Bytes", c.count, "Records", "Of", c.recordSize);
    });
// clang-format on

TEST(FixedRecordReader, RecordsAreTheirOwnSlices) {
    std::string bytes;
    for (std::int16_t k = 1; k <= 3; ++k) {
        AppendInt16Le(bytes, k);
        AppendSingleLe(bytes, 10.0f * k);
    }
    FixedRecordReader reader(bytes, 6, 3);
    EXPECT_EQ(ReadInt16Le(reader.Record(2), 0), 3);
    EXPECT_EQ(ReadSingleLe(reader.Record(1), 2), 20.0f);
    EXPECT_EQ(ErrorNumberOf([&] { reader.Record(3); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { ReadSingleLe(reader.Record(0), 4); }), 9);
}

TEST(FixedRecordReader, ReadsAFileAndReportsAMissingOne) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("fixed_record_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = (folder / "ind.dat").string();
    std::string bytes;
    for (int i = 0; i < 22; ++i) {
        AppendSingleLe(bytes, static_cast<float>(i));
    }
    std::ofstream(path, std::ios::binary) << bytes;

    FixedRecordReader reader = FixedRecordReader::OpenFile(path, 44, 2);
    EXPECT_EQ(ReadSingleLe(reader.Record(1), 40), 21.0f);
    EXPECT_EQ(ErrorNumberOf([&] { FixedRecordReader::OpenFile(path, 44, 3); }), 62);
    EXPECT_EQ(ErrorNumberOf([&] { FixedRecordReader::OpenFile((folder / "no.dat").string(), 44, 0); }), 53);
    std::filesystem::remove_all(folder);
}

// A library file the user replaced must not make the start read without end: only
// regular files are read, a record file only as far as its index promises, and any
// other file only up to a bound.
TEST(FixedRecordReader, ReadsNoMoreThanTheIndexPromisesAndOnlyRegularFiles) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("bounded_read_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = (folder / "cap.dat").string();
    std::string bytes;
    for (int i = 0; i < 22; ++i) {
        AppendSingleLe(bytes, static_cast<float>(i));
    }
    std::ofstream(path, std::ios::binary) << bytes << std::string(3'000'000, 'x');  // appended rubbish

    FixedRecordReader reader = FixedRecordReader::OpenFile(path, 44, 2);
    EXPECT_EQ(ReadSingleLe(reader.Record(1), 40), 21.0f);
    EXPECT_EQ(ReadFileBytes(path, 10, true), bytes.substr(0, 10));
    EXPECT_EQ(ErrorNumberOf([&] { ReadFileBytes(path, 1'000'000); }), error::kOutOfMemory);
    EXPECT_EQ(ReadFileBytes(path, bytes.size() + 3'000'000).size(), bytes.size() + 3'000'000);

    // A link to /dev/zero, a FIFO (which would wait for a writer) and a device are refused.
    const auto zero = (folder / "zero.dat").string();
    std::filesystem::create_symlink("/dev/zero", zero);
    const auto fifo = (folder / "fifo.dat").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& special : {zero, fifo, std::string("/dev/null")}) {
        EXPECT_EQ(ErrorNumberOf([&] { FixedRecordReader::OpenFile(special, 44, 2); }), 75) << special;
        EXPECT_EQ(ErrorNumberOf([&] { ReadFileBytes(special); }), 75) << special;
    }
    std::filesystem::remove_all(folder);
}

TEST(FixedRecordReader, SurvivesRandomBytes) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 600, '\0');
        for (char& c : bytes) {
            c = static_cast<char>(random() % 256);
        }
        const std::size_t size = 1 + random() % 300;
        const std::size_t count = random() % 5;
        try {
            FixedRecordReader reader(bytes, size, count);
            ASSERT_GE(bytes.size(), size * count);
            for (std::size_t i = 0; i < count; ++i) {
                const auto record = reader.Record(i);
                ASSERT_EQ(record.size(), size);
                if (size >= 4) {
                    ReadSingleLe(record, size - 4);
                }
            }
        } catch (const RuntimeError& e) {
            ASSERT_EQ(e.Number(), 62);
            ASSERT_LT(bytes.size(), size * count);
        }
    }
}

}  // namespace
}  // namespace shared
