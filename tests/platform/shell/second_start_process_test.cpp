// Real starts of a program as separate processes: the first one runs and receives, every later one hands
// over and leaves, even when two start at the same moment.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Start {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QStringList lines;

    // Waits for `line` among the lines printed so far and to come.
    bool says(const QString& line, int timeoutMs = 10'000) {
        return QTest::qWaitFor(
            [&] {
                while (process->canReadLine())
                    lines << QString::fromUtf8(process->readLine()).trimmed();
                return lines.contains(line);
            },
            timeoutMs);
    }
};

struct SecondStartProcessTest : ::testing::Test {
    QTemporaryDir dir;
    QString folder() const { return dir.path() + "/run"; }

    Start start(const QStringList& arguments, const QString& workingFolder) {
        Start s;
        s.process->setWorkingDirectory(workingFolder);
        s.process->start(QStringLiteral(KAVREL_SECOND_START_PROBE), QStringList{folder()} + arguments);
        return s;
    }
    static void stop(Start& s) {
        s.process->terminate();
        s.process->waitForFinished(10'000);
    }
};

TEST_F(SecondStartProcessTest, LaterStartsHandTheirFilesAndRaiseRequestsToTheFirst) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("here/sub"));
    Start first = start({"own.mp3"}, dir.path() + "/here");
    ASSERT_TRUE(first.says("listening"));
    EXPECT_TRUE(first.says("open " + dir.path() + "/here/own.mp3")); // its own arguments, once up

    Start second = start({"song.mp3", "file:///music/a%20b.mp3"}, dir.path() + "/here/sub");
    ASSERT_TRUE(second.process->waitForFinished(10'000));
    EXPECT_EQ(second.process->exitCode(), 0);
    EXPECT_TRUE(first.says("open " + dir.path() + "/here/sub/song.mp3"));
    EXPECT_TRUE(first.says("open /music/a b.mp3"));

    Start third = start({}, dir.path());
    ASSERT_TRUE(third.process->waitForFinished(10'000));
    EXPECT_EQ(third.process->exitCode(), 0);
    EXPECT_TRUE(first.says("raise"));
    stop(first);
}

TEST_F(SecondStartProcessTest, OfTwoStartsAtOnceExactlyOneRunsAndGetsBothFiles) {
    for (int round = 0; round < 3; ++round) { // each round after the last copy died, its socket left behind
        SCOPED_TRACE(round);
        Start a = start({"/a.mp3"}, dir.path());
        Start b = start({"/b.mp3"}, dir.path());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return a.says("listening", 0) || b.says("listening", 0); }, 10'000));
        Start& running = a.lines.contains("listening") ? a : b;
        Start& handed = &running == &a ? b : a;
        ASSERT_TRUE(handed.process->waitForFinished(10'000));
        EXPECT_EQ(handed.process->exitCode(), 0);
        EXPECT_FALSE(handed.process->readAll().contains("listening"));
        EXPECT_TRUE(running.says("open /a.mp3"));
        EXPECT_TRUE(running.says("open /b.mp3"));
        stop(running);
    }
}

} // namespace
