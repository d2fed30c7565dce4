#include "shared/platform/atomic_file_writer.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/failing_file_sink.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace shared {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class AtomicFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("atomic_writer_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        target_ = folder_ / "chart.s2p";
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    void WriteOldFile() { std::ofstream(target_, std::ios::binary) << kOld; }

    static constexpr const char* kOld = "! old file\r\n1 2 3\r\n";
    fs::path folder_;
    fs::path target_;
};

TEST_F(AtomicFileWriterTest, ReplacesTheTargetOnlyAtCommit) {
    WriteOldFile();
    fs::permissions(target_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        AtomicFileWriter writer(target_.string());
        EXPECT_EQ(fs::path(writer.TemporaryPath()).parent_path(), folder_);
        writer.Write("new ");
        writer.Write(std::string(200000, 'x'));  // beyond the buffer
        writer.Write("end\r\n");
        EXPECT_EQ(ReadAll(target_), kOld);
        writer.Commit();
    }
    EXPECT_EQ(ReadAll(target_), "new " + std::string(200000, 'x') + "end\r\n");
    EXPECT_EQ(FilesInFolder(), 1u);
    EXPECT_EQ(fs::status(target_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileWriterTest, CreatesANewFileAndRefusesWritesAfterCommit) {
    AtomicFileWriter writer(target_.string());
    writer.Write("only\r\n");
    writer.Commit();
    EXPECT_EQ(ReadAll(target_), "only\r\n");
    EXPECT_THROW(writer.Write("more"), RuntimeError);
    EXPECT_THROW(writer.Commit(), RuntimeError);
}

TEST_F(AtomicFileWriterTest, AbandonedOrFailedWritesLeaveTheOldFileAndNoTemporary) {
    // clang-format off
    struct Row { std::size_t failAfter; int number; };
    const Row rows[] = {{0, 61}, {7, 61}, {70000, 75}, {150000, 70}};
    // clang-format on
    for (const Row& row : rows) {
        WriteOldFile();
        const FileSinkOpener open = FailingFileSink::Opener(row.failAfter, row.number);
        try {
            const auto sink = open(target_.string());
            for (int line = 0; line < 20000; ++line) {
                sink->Write("1.000000E+06 -3.14E-01 2.5E+00\r\n");
            }
            sink->Commit();
            ADD_FAILURE() << "no failure after " << row.failAfter;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), row.number);
        }
        EXPECT_EQ(ReadAll(target_), kOld) << row.failAfter;
        EXPECT_EQ(FilesInFolder(), 1u) << row.failAfter;
    }
    {
        AtomicFileWriter abandoned(target_.string());
        abandoned.Write("never committed");
    }
    EXPECT_EQ(ReadAll(target_), kOld);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(AtomicFileWriterTest, AFullDiskRaises61AndKeepsTheOldFile) {
    // A file-size limit makes the kernel refuse the write after N bytes, exactly as a
    // full disk does, without a test hook in the writer.
    WriteOldFile();
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 100000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    int number = 0;
    std::string description;
    try {
        AtomicFileWriter writer(target_.string());
        for (int line = 0; line < 10000; ++line) {
            writer.Write("1.000000E+06 -3.14E-01 2.5E+00\r\n");
        }
        writer.Commit();
    } catch (const RuntimeError& error) {
        number = error.Number();
        description = error.Description();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(number, 61);
    EXPECT_EQ(description, "Disk full\r\n" + target_.string() + ": File too large");
    EXPECT_EQ(ReadAll(target_), kOld);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(AtomicFileWriterTest, UnreachableOrUnwritableFoldersRaiseTheClassicNumbers) {
    WriteOldFile();
    // The report keeps the standard text and names the path with the system's reason.
    // clang-format off
    struct Row { fs::path target; int number; const char* reason; };
    const Row rows[] = {
        {folder_ / "missing" / "out.txt", 75, "No such file or directory"},
        {target_ / "out.txt", 75, "Not a directory"},  // a file where a folder should be
        {folder_, 75, "Is a directory"},               // the target is a folder
    };
    // clang-format on
    for (const Row& row : rows) {
        try {
            AtomicFileWriter writer(row.target.string());
            writer.Write("x");
            writer.Commit();
            ADD_FAILURE() << row.target;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), row.number) << row.target;
            EXPECT_EQ(error.Description(),
                      "Path/File access error\r\n" + row.target.string() + ": " + row.reason);
        }
    }
    EXPECT_EQ(FilesInFolder(), 1u);

    // A folder the user may not write in. The super-user writes anywhere on a normal
    // file system, so it is tested on one the kernel refuses even to it.
    fs::path locked = folder_ / "locked";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    if (::geteuid() == 0) {
        locked = "/sys";
    }
    try {
        AtomicFileWriter writer((locked / "out.txt").string());
        writer.Commit();
        GTEST_SKIP() << locked << " is writable here";
    } catch (const RuntimeError& error) {
        EXPECT_TRUE(error.Number() == 70 || error.Number() == 75) << error.Number();
        const std::string head =
            StandardErrorDescription(error.Number()) + "\r\n" + (locked / "out.txt").string() + ": ";
        ASSERT_EQ(error.Description().rfind(head, 0), 0U) << error.Description();
        const std::string reason = error.Description().substr(head.size());
        EXPECT_TRUE(reason == "Permission denied" || reason == "Read-only file system") << reason;
    }
}

// Renaming over a FIFO or a device would destroy it: such targets get the bytes
// written into them, and stay what they are.
TEST_F(AtomicFileWriterTest, AFifoOrDeviceIsWrittenThroughAndNeverReplaced) {
    const fs::path fifo = folder_ / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path link = folder_ / "link-to-pipe";
    fs::create_symlink(fifo, link);
    for (const fs::path& target : {fifo, link}) {
        std::string received;
        std::thread reader([&] { received = ReadAll(fifo); });
        {
            AtomicFileWriter writer(target.string());
            EXPECT_EQ(writer.TemporaryPath(), "");
            writer.Write("first ");
            writer.Write(std::string(100000, 'y'));
            writer.Commit();
        }
        reader.join();
        EXPECT_EQ(received, "first " + std::string(100000, 'y')) << target;
        EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    }
    EXPECT_EQ(FilesInFolder(), 2u);

    // A device: the bytes go in, the node stays.
    AtomicFileWriter null("/dev/null");
    null.Write("nothing to keep");
    null.Commit();
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    // A folder cannot take the text at all.
    try {
        AtomicFileWriter folder(folder_.string());
        FAIL() << "a folder was accepted as target";
    } catch (const RuntimeError& failure) {
        EXPECT_EQ(failure.Number(), error::kPathFileAccessError);
    }
}

TEST(FileErrorNumberTest, MapsSystemErrorsToClassicNumbers) {
    // clang-format off
    struct Row { int error; int number; };
    const Row rows[] = {{ENOSPC, 61}, {EDQUOT, 61}, {EFBIG, 61}, {EACCES, 70}, {EPERM, 70},
                        {EROFS, 70}, {ENOENT, 75}, {ENOTDIR, 75}, {EISDIR, 75}, {EIO, 75}};
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(FileErrorNumber(row.error), row.number) << row.error;
    }
}

}  // namespace
}  // namespace shared
