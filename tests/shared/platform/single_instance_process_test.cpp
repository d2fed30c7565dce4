// The single-instance claim between real processes: copies of a small program that
// claims through the desktop backend are started, raced and killed.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Sanitized builds start and answer several times slower than plain ones.
constexpr int kAnswerMs = 60000;

// One started copy of the holder.
class Copy {
public:
    Copy(const QString& folder, const QString& program, const QString& applicationName = {}) {
        QStringList arguments{folder, program};
        if (!applicationName.isEmpty()) arguments << applicationName;
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(SINGLE_INSTANCE_HOLDER), arguments);
    }
    Copy(const Copy&) = delete;
    Copy& operator=(const Copy&) = delete;
    ~Copy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kAnswerMs);
        }
    }

    // The next line the copy prints, or "<none>" when it prints none in time.
    QByteArray Line() {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(kAnswerMs)) return "<none>";
        }
        return process_.readLine().trimmed();
    }
    // Lets a ready copy try to claim the program.
    void Go() { process_.write("go\n"); }
    // Ends the copy normally, as a program closed by its user; its exit code.
    int Close() {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(kAnswerMs)) return -1;
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -2;
    }
    // Ends the copy the way a crash or `kill -9` does: nothing of its own runs.
    void Kill() {
        process_.kill();
        process_.waitForFinished(kAnswerMs);
    }

private:
    QProcess process_;
};

// Starts one copy and lets it claim: its answer.
QByteArray StartAndClaim(Copy& copy) {
    const QByteArray ready = copy.Line();
    if (ready != "ready") return "not ready: " + ready;
    copy.Go();
    return copy.Line();
}

// Application names as the lock file records the owner: one that differs from the
// executable's name (as pelmo's "Pelmo") and the executable's own.
class KilledCopyTest : public ::testing::TestWithParam<const char*> {};

TEST_P(KilledCopyTest, ALockLeftByAKilledCopyDoesNotBlockTheNextStart) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString lock = QDir(folder.path()).filePath("pelmo.lock");
    const QString name = QString::fromLatin1(GetParam());

    for (int generation = 0; generation < 3; ++generation) {
        SCOPED_TRACE(generation);
        Copy first(folder.path(), "pelmo", name);
        ASSERT_EQ(StartAndClaim(first), "acquired");
        {
            Copy second(folder.path(), "pelmo", name);
            EXPECT_EQ(StartAndClaim(second), "refused");
            EXPECT_EQ(second.Close(), 0);
        }
        first.Kill();
        // The killed copy had no chance to remove its lock: the next start meets it.
        ASSERT_TRUE(QFile::exists(lock));
        // The next generation's first copy starts over the lock this one leaves.
        if (generation == 2) {
            Copy next(folder.path(), "pelmo", name);
            EXPECT_EQ(StartAndClaim(next), "acquired");
            Copy after(folder.path(), "pelmo", name);
            EXPECT_EQ(StartAndClaim(after), "refused");
            EXPECT_EQ(after.Close(), 0);
            EXPECT_EQ(next.Close(), 0);
            EXPECT_FALSE(QFile::exists(lock));  // a copy that ends normally lets go
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ApplicationNames, KilledCopyTest, ::testing::Values("Pelmo", ""),
                         [](const auto& info) {
                             return std::string(info.index == 0 ? "Other" : "Executable");
                         });

// Copies released at the same moment, over a free folder and over a lock left by a
// killed copy: exactly one of them is let through each time, and it really holds the
// claim (a copy started afterwards is refused).
TEST(SimultaneousStartsTest, ExactlyOneOfCopiesStartedTogetherIsLetThrough) {
    constexpr int kRounds = 8;
    constexpr int kCopies = 4;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const bool overStaleLock = round % 2 == 1;
        if (overStaleLock) {
            Copy crashed(folder.path(), "darvo");
            ASSERT_EQ(StartAndClaim(crashed), "acquired");
            crashed.Kill();
            ASSERT_TRUE(QFile::exists(QDir(folder.path()).filePath("darvo.lock")));
        }

        std::vector<std::unique_ptr<Copy>> copies;
        for (int i = 0; i < kCopies; ++i) {
            copies.push_back(std::make_unique<Copy>(folder.path(), "darvo"));
        }
        for (auto& copy : copies) {
            ASSERT_EQ(copy->Line(), "ready");
        }
        for (auto& copy : copies) {
            copy->Go();
        }
        int acquired = 0;
        int refused = 0;
        for (auto& copy : copies) {
            const QByteArray answer = copy->Line();
            acquired += answer == "acquired";
            refused += answer == "refused";
        }
        EXPECT_EQ(acquired, 1);
        EXPECT_EQ(refused, kCopies - 1);

        Copy late(folder.path(), "darvo");
        EXPECT_EQ(StartAndClaim(late), "refused");
        EXPECT_EQ(late.Close(), 0);
        for (auto& copy : copies) {
            EXPECT_EQ(copy->Close(), 0);
        }
    }
}

}  // namespace
