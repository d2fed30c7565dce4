#include "shared/errors/runtime_error.h"
#include "shared/platform/cls_comdlg.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/platform/qt/qt_common_dialog_backend.h"
#include "shared/platform/qt/qt_cursor.h"
#include "shared/platform/qt/qt_save_file_sink.h"
#include "shared/platform/qt/qt_settings.h"
#include "shared/platform/qt/qt_single_instance.h"
#include "shared/platform/save_folder.h"
#include "shared/platform/testing/failing_file_sink.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace shared {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(QtSettingsTest, ValuesRoundTripUnderTheProgramTitle) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());

    QtSettings settings("Pelmo");
    EXPECT_EQ(settings.FileName(), QDir(home.path()).filePath("Pelmo.conf"));
    EXPECT_EQ(ReadSaveFolder(settings, "/current"), "/current");
    RememberSaveFolder(settings, "/home/u/exports/a b.s2p", "a b.s2p");

    // A new object (the next command, the next run) reads what was stored.
    const QtSettings later("Pelmo");
    EXPECT_EQ(later.Read("Settings", "FilePath", "/current"), "/home/u/exports");
    EXPECT_EQ(QtSettings("darvo").Read("Settings", "FilePath", "none"), "none");
    const QSettings raw(settings.FileName(), QSettings::IniFormat);
    EXPECT_EQ(raw.status(), QSettings::NoError);
    EXPECT_EQ(raw.value("Settings/FilePath").toString(), "/home/u/exports");
    EXPECT_TRUE(ReadAll(settings.FileName()).startsWith("[Settings]\nFilePath="));
}

TEST(QtSingleInstanceTest, ASecondCopyIsRefusedUntilTheFirstEnds) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto first = std::make_unique<QtSingleInstance>("pelmo", folder.path());
    EXPECT_EQ(first->LockFilePath(), QDir(folder.path()).filePath("pelmo.lock"));
    EXPECT_TRUE(first->Acquire());
    EXPECT_TRUE(first->Acquire());  // asking again keeps the claim

    QtSingleInstance second("pelmo", folder.path());
    EXPECT_FALSE(second.Acquire());
    QtSingleInstance other("darvo", folder.path());
    EXPECT_TRUE(other.Acquire());

    first.reset();
    EXPECT_TRUE(second.Acquire());
}

TEST(QtSingleInstanceTest, ALockLeftByACrashedCopyIsTakenOver) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = QDir(folder.path()).filePath("darvo.lock");

    // The lock file as a running copy writes it, then with the number of a process
    // that has ended, as a crash leaves it.
    QByteArray contents;
    {
        QLockFile probe(path);
        ASSERT_TRUE(probe.tryLock(0));
        contents = ReadAll(path);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::_exit(0);
    }
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const qsizetype lineEnd = contents.indexOf('\n');
    ASSERT_GT(lineEnd, 0);
    contents.replace(0, lineEnd, QByteArray::number(child));
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(contents);
    stale.close();

    QtSingleInstance instance("darvo", folder.path());
    EXPECT_TRUE(instance.Acquire());
    EXPECT_TRUE(ReadAll(path).startsWith(QByteArray::number(QCoreApplication::applicationPid())));
}

// Lock files that name no owner: a copy killed between making the file and writing it,
// or text that never reached the disk. Once old and held by no process they are taken
// over; a fresh one, or one a live copy still holds, is not.
TEST(QtSingleInstanceTest, AnOwnerlessLockIsTakenOverOnlyWhenOldAndUnheld) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = QDir(folder.path()).filePath("pelmo.lock");
    const auto leave = [&](const QByteArray& contents, std::chrono::seconds age) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        file.close();
        std::filesystem::last_write_time(path.toStdString(),
                                         std::filesystem::file_time_type::clock::now() - age);
    };
    const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid());

    for (const QByteArray& contents : {QByteArray(), QByteArray("\x01garbage\n"), QByteArray("\n\n\n")}) {
        SCOPED_TRACE(contents.toStdString());
        leave(contents, std::chrono::hours(1));
        QtSingleInstance instance("pelmo", folder.path());
        EXPECT_TRUE(instance.Acquire());
        EXPECT_TRUE(ReadAll(path).startsWith(owner));
    }

    // Seconds old: the copy that made it may be writing it now.
    leave({}, std::chrono::seconds(0));
    EXPECT_FALSE(QtSingleInstance("pelmo", folder.path()).Acquire());
    EXPECT_EQ(ReadAll(path), QByteArray());

    // Old, but a live copy holds the file lock it takes before writing.
    leave({}, std::chrono::hours(1));
    const int held = ::open(path.toLocal8Bit().constData(), O_RDWR);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(QtSingleInstance("pelmo", folder.path()).Acquire());
    EXPECT_TRUE(QFile::exists(path));
    ::close(held);
    EXPECT_TRUE(QtSingleInstance("pelmo", folder.path()).Acquire());
}

TEST(QtCursorTest, TheHourglassIsRestoredOnEveryPath) {
    QtCursor cursor;
    {
        HourglassGuard guard(cursor);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    try {
        HourglassGuard guard(cursor);
        throw std::runtime_error("failed sweep");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A pointer someone else set survives an unmatched restore.
    QApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    cursor.RestorePointer();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QApplication::restoreOverrideCursor();
}

class QtSaveFileSinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        target_ = QDir(folder_.path()).filePath("table.txt");
        QFile old(target_);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(kOld);
    }
    int FilesInFolder() const {
        return static_cast<int>(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden).size());
    }

    static constexpr const char* kOld = "old\r\ncontents\r\n";
    QTemporaryDir folder_;
    QString target_;
};

TEST_F(QtSaveFileSinkTest, ReplacesTheFileOnlyAtCommit) {
    QtSaveFileSink sink(target_.toStdString());
    sink.Write("new\r\n");
    EXPECT_EQ(ReadAll(target_), kOld);
    sink.Commit();
    EXPECT_EQ(ReadAll(target_), "new\r\n");
    EXPECT_EQ(FilesInFolder(), 1);
    EXPECT_THROW(sink.Write("more"), RuntimeError);
}

TEST_F(QtSaveFileSinkTest, FailuresAndAbandonedWritesKeepTheOldFile) {
    for (const std::size_t failAfter : {std::size_t{0}, std::size_t{5}, std::size_t{100000}}) {
        try {
            FailingFileSink sink(OpenQtSaveFile(target_.toStdString()), failAfter, 61);
            for (int line = 0; line < 10000; ++line) {
                sink.Write("1.00E+06\t2.50E-01\r\n");
            }
            sink.Commit();
            ADD_FAILURE() << "no failure after " << failAfter;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), 61);
        }
        EXPECT_EQ(ReadAll(target_), kOld) << failAfter;
        EXPECT_EQ(FilesInFolder(), 1) << failAfter;
    }
    {
        QtSaveFileSink abandoned(target_.toStdString());
        abandoned.Write("half");
    }
    EXPECT_EQ(ReadAll(target_), kOld);
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(QtSaveFileSinkTest, UnreachableFoldersRaiseTheClassicNumbers) {
    const std::string targets[] = {QDir(folder_.path()).filePath("missing/x.txt").toStdString(),
                                   (target_ + "/x.txt").toStdString(),
                                   ::geteuid() == 0 ? std::string("/sys/x.txt") : std::string("/x.txt")};
    for (const std::string& target : targets) {
        try {
            QtSaveFileSink sink(target);
            sink.Write("x");
            sink.Commit();
            ADD_FAILURE() << target;
        } catch (const RuntimeError& error) {
            EXPECT_TRUE(error.Number() == 70 || error.Number() == 75) << target << " " << error.Number();
            // Under the standard text: the path and the system's reason.
            const std::string head = StandardErrorDescription(error.Number()) + "\r\n" + target + ": ";
            ASSERT_EQ(error.Description().rfind(head, 0), 0U) << error.Description();
            const std::string reason = error.Description().substr(head.size());
            EXPECT_TRUE(reason == "No such file or directory" || reason == "Not a directory" ||
                        reason == "Permission denied" || reason == "Read-only file system")
                << reason;
        }
    }
    EXPECT_EQ(ReadAll(target_), kOld);
}

// The PDF printer counts as a printer: a machine without installed printers still gets
// the print dialog (with the PDF printer in it). Only a program without a printer object
// has none, and the dialog then refuses before showing anything.
TEST(QtCommonDialogBackendTest, ThePdfPrinterCountsAsAPrinter) {
    QPrinter printer;
    QtCommonDialogBackend backend(nullptr, &printer);
    clsComdlg dlg(backend, "Pelmo");
    dlg.SetFlags(0x14000C);
    EXPECT_EQ(backend.ProgramPrinterState(), PrinterState::Ready);
    QtCommonDialogBackend withoutPrinter(nullptr, nullptr);
    EXPECT_EQ(withoutPrinter.ProgramPrinterState(), PrinterState::None);
    clsComdlg noPrinter(withoutPrinter, "Pelmo");
    try {
        noPrinter.ShowPrinter();
        ADD_FAILURE() << "no error without a printer";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 9999);
        EXPECT_EQ(error.Source(), "Pelmo");
        EXPECT_EQ(error.Description(), "There is no printer in this system.");
    }
    // The object starts with the application's font.
    EXPECT_EQ(dlg.FontName(), QApplication::font().family().toStdString());
}

}  // namespace
}  // namespace shared
