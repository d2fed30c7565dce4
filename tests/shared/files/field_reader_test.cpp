#include "shared/files/field_reader.h"

#include "shared/errors/runtime_error.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace shared {
namespace {

std::vector<std::string> ReadAllFields(FieldReader& reader) {
    std::vector<std::string> fields;
    while (!reader.AtEnd()) {
        fields.push_back(reader.ReadField());
    }
    return fields;
}

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

struct FieldCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> fields;
};

class FieldReaderCases : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldReaderCases, ReadsTheFieldsInOrder) {
    FieldReader reader(GetParam().bytes);
    EXPECT_EQ(ReadAllFields(reader), GetParam().fields);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, FieldReaderCases, ::testing::Values(
    FieldCase{"Commas", "a,b,c", {"a", "b", "c"}},
    FieldCase{"CrLfLines", "a,b\r\nc,d\r\n", {"a", "b", "c", "d"}},
    FieldCase{"LfLines", "a,b\nc,d\n", {"a", "b", "c", "d"}},
    FieldCase{"LoneCr", "a,b\rc", {"a", "b", "c"}},
    FieldCase{"BlanksTrimmed", "  a  ,\tb \r\n", {"a", "b"}},
    FieldCase{"InnerBlanksKept", "x 1 y,z", {"x 1 y", "z"}},
    FieldCase{"QuotedKeepsCommas", "\"x, y\",z", {"x, y", "z"}},
    FieldCase{"QuotedKeepsBlanks", "\"  keep  \"", {"  keep  "}},
    FieldCase{"QuotedThenBlanksThenComma", "\"q\"   ,r", {"q", "r"}},
    FieldCase{"QuotedThenBlanksThenLineEnd", "\"q\"  \r\nr", {"q", "r"}},
    FieldCase{"QuoteAfterQuotedStartsNextField", "\"1,2\"\"X\"", {"1,2", "X"}},
    FieldCase{"TextAfterQuotedStartsNextField", "\"ab\"cd,e", {"ab", "cd", "e"}},
    FieldCase{"EmptyQuoted", "\"\",x", {"", "x"}},
    FieldCase{"UnterminatedQuoteEndsAtLineEnd", "\"open\r\nnext", {"open", "next"}},
    FieldCase{"UnterminatedQuoteEndsAtEnd", "a,\"open", {"a", "open"}},
    FieldCase{"QuoteInsideUnquotedKept", "ab\"c,d", {"ab\"c", "d"}},
    FieldCase{"DoubleComma", "a,,b", {"a", "", "b"}},
    FieldCase{"TrailingCommaAtLineEnd", "a,\r\nb", {"a", "", "b"}},
    FieldCase{"BlankLineIsEmptyField", "a\r\n\r\nb", {"a", "", "b"}},
    FieldCase{"TrailingCommaAtFileEnd", "a,", {"a"}},
    FieldCase{"TrailingEmptyLines", "a,b\r\n\r\n \r\n", {"a", "b"}},
    FieldCase{"Empty", "", {}},
    FieldCase{"OnlyEmptyLines", "\r\n  \n\r\n", {}},
    FieldCase{"LastFieldWithoutLineEnd", "a,b", {"a", "b"}},
    FieldCase{"BytesKeptAsTheyAre", std::string("\xB0" "C,\x00x", 5), {"\xB0" "C", std::string("\x00x", 2)}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Two cap.idx-like records of 30 fields: the first on one line with a quoted field
// holding commas, the second split over two lines.
std::string TwoIndexRecords() {
    std::string first = "KTA155R71H104KA88,\"GRM15 X7R, 0.1 uF\",\"General, decoupling\"";
    for (int field = 4; field <= 30; ++field) {
        first += "," + std::to_string(field);
    }
    std::string second = "PNN18,JIS18,\"High-Q, RF\"";
    for (int field = 4; field <= 15; ++field) {
        second += "," + std::to_string(100 + field);
    }
    second += "\r\n";
    for (int field = 16; field <= 30; ++field) {
        second += std::to_string(100 + field) + (field < 30 ? "," : "");
    }
    return first + "\r\n" + second + "\r\n";
}

TEST(FieldReader, ReadsIndexRecordsByFieldCountNotByLine) {
    FieldReader reader(TwoIndexRecords());
    const auto first = reader.ReadRecord(30);
    EXPECT_EQ(first[0], "KTA155R71H104KA88");
    EXPECT_EQ(first[1], "GRM15 X7R, 0.1 uF");
    EXPECT_EQ(first[2], "General, decoupling");
    EXPECT_EQ(first[29], "30");
    const auto second = reader.ReadRecord(30);
    EXPECT_EQ(second[2], "High-Q, RF");
    EXPECT_EQ(second[14], "115");
    EXPECT_EQ(second[15], "116");
    EXPECT_EQ(second[29], "130");
    EXPECT_TRUE(reader.AtEnd());

    FieldReader counter(TwoIndexRecords());
    EXPECT_EQ(counter.CountRecords(30), 2);
}

TEST(FieldReader, ReadingPastTheEndRaises62) {
    FieldReader empty("");
    EXPECT_TRUE(empty.AtEnd());
    try {
        empty.ReadField();
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 62);
        EXPECT_EQ(e.Description(), "Input past end of file");
    }

    FieldReader twoFields("a,b\r\n");
    EXPECT_EQ(ErrorNumberOf([&] { twoFields.ReadRecord(3); }), 62);

    FieldReader incomplete("a,b,c\r\nd,e\r\n");
    EXPECT_EQ(ErrorNumberOf([&] { incomplete.CountRecords(3); }), 62);
}

// Text after a closing quote starts a field of its own, so a library fails only at
// its end; the message then names the line where the fields began to shift.
TEST(FieldReader, RunningOutAfterTextBehindAClosingQuoteNamesItsLine) {
    FieldReader shifted("\"a\",\"b\"\r\n\"c\"x,\"d\"\r\n\"e\",f\r\n", "/lib/cap.idx");
    try {
        shifted.CountRecords(2);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 62);
        EXPECT_EQ(e.Description(),
                  "Input past end of file (a field ends in text after its closing quote at cap.idx line 2)");
    }
    // A file that reads out whole is unchanged, shifted or not.
    FieldReader whole("\"c\"x,\"d\"\r\n");
    EXPECT_EQ(whole.CountRecords(3), 1);
}

TEST(FieldReader, CountAboveTheLimitOverflows) {
    FieldReader reader("a\nb\nc\n");
    EXPECT_EQ(ErrorNumberOf([&] { reader.CountRecords(1, 2); }), 6);
    FieldReader exact("a\nb\n");
    EXPECT_EQ(exact.CountRecords(1, 2), 2);
}

class FieldReaderFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() / ("field_reader_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(folder_ / "locked.idx", std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(folder_, ec);
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::filesystem::path folder_;
};

TEST_F(FieldReaderFile, ReadsAFileAndReportsOpenFailures) {
    FieldReader reader = FieldReader::OpenFile(Write("cap.idx", TwoIndexRecords()));
    EXPECT_EQ(reader.CountRecords(30), 2);

    try {
        FieldReader::OpenFile((folder_ / "missing.idx").string());
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 53);
        EXPECT_EQ(e.Description(), "File not found");
    }
    EXPECT_EQ(ErrorNumberOf([&] { FieldReader::OpenFile(folder_.string()); }), 75);

    const std::string locked = Write("locked.idx", "a,b");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    if (::geteuid() != 0) {  // the superuser reads any file
        EXPECT_EQ(ErrorNumberOf([&] { FieldReader::OpenFile(locked); }), 70);
    }
}

// Any bytes give fields or error 62, and every field read moves the reader on.
TEST(FieldReader, SurvivesRandomBytes) {
    std::mt19937 random(20240611);
    const std::string alphabet = ",,\"\"\r\n  \tab1.";
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(random() % 200, '\0');
        for (char& c : bytes) {
            c = random() % 2 ? alphabet[random() % alphabet.size()] : static_cast<char>(random() % 256);
        }
        FieldReader reader(bytes);
        std::size_t fields = 0;
        try {
            while (true) {
                reader.ReadRecord(30);
                fields += 30;
                ASSERT_LE(fields, bytes.size() + 30) << "reader does not move on";
            }
        } catch (const RuntimeError& e) {
            ASSERT_EQ(e.Number(), 62);
        }
        EXPECT_TRUE(reader.AtEnd());

        FieldReader counter(bytes);
        try {
            EXPECT_LE(counter.CountRecords(1), static_cast<long>(bytes.size()));
        } catch (const RuntimeError& e) {
            ADD_FAILURE() << "single-field records never run past the end: " << e.Number();
        }
    }
}

}  // namespace
}  // namespace shared
