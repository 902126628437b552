// A second start hands its files, or a raise request, to the running copy; two copies never both run.
// Each test keeps its lock and socket in a folder of its own.
#include "platform/shell/qt/second_start.h"

#include <QDir>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

namespace kavrel::shell {
namespace {

struct Received {
    std::vector<std::vector<std::string>> paths;
    int raises = 0;
    SecondStartHandlers handlers() {
        return {[this](const std::vector<std::string>& p) { paths.push_back(p); }, [this] { ++raises; }};
    }
};

struct SecondStartTest : ::testing::Test {
    QTemporaryDir dir;
    std::string folder() const { return dir.path().toStdString() + "/run"; }
};

TEST_F(SecondStartTest, ASecondStartHandsItsFilesToTheRunningCopyAndDoesNotRun) {
    SingleInstanceGuard first("TMinFrm", folder());
    ASSERT_TRUE(first.acquired());
    Received received;
    SecondStartListener listener(first, received.handlers());
    ASSERT_TRUE(listener.listening()) << listener.failure();

    SingleInstanceGuard second("TMinFrm", folder());
    ASSERT_TRUE(second.heldByAnotherCopy());
    const std::vector<std::string> files{"/music/a b.mp3", "/music/Папка", "/music/line\nbreak.ogg"};
    ASSERT_TRUE(passToRunningCopy(second, files));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !received.paths.empty(); }, 5000));
    EXPECT_EQ(received.paths, std::vector<std::vector<std::string>>{files});

    ASSERT_TRUE(passToRunningCopy(second, {}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.raises == 1; }, 5000));
    EXPECT_EQ(received.paths.size(), 1u);
}

TEST_F(SecondStartTest, AFirstStartsOwnFilesArriveOnceTheLoopRuns) {
    SingleInstanceGuard first("TMinFrm", folder());
    Received received;
    SecondStartListener listener(first, received.handlers());
    listener.deliverOwn({"/music/a.mp3"});
    EXPECT_TRUE(received.paths.empty()); // not from inside the start-up itself
    ASSERT_TRUE(QTest::qWaitFor([&] { return !received.paths.empty(); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(received.paths, std::vector<std::vector<std::string>>{{"/music/a.mp3"}});
}

TEST_F(SecondStartTest, ASocketLeftByACrashedCopyIsReplaced) {
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/run"));
    std::ofstream(folder() + "/TMinFrm.socket") << "stale";
    SingleInstanceGuard first("TMinFrm", folder());
    Received received;
    SecondStartListener listener(first, received.handlers());
    ASSERT_TRUE(listener.listening()) << listener.failure();
    ASSERT_TRUE(passToRunningCopy(first, {"/x.mp3"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.paths.size() == 1; }, 5000));
}

TEST_F(SecondStartTest, OnlyTheLockHolderListensAndNoListenerMeansNoDelivery) {
    SingleInstanceGuard first("TMinFrm", folder());
    SingleInstanceGuard second("TMinFrm", folder());
    Received received;
    SecondStartListener intruder(second, received.handlers());
    EXPECT_FALSE(intruder.listening());
    EXPECT_FALSE(passToRunningCopy(second, {"/x.mp3"}, 300)); // the holder is not listening (yet)
}

TEST_F(SecondStartTest, GarbageOnTheSocketIsIgnored) {
    SingleInstanceGuard first("TMinFrm", folder());
    Received received;
    SecondStartListener listener(first, received.handlers());
    for (const QByteArray& junk : {QByteArray("hello"), QByteArray("kavrel-start-1\0open\0/cut", 24),
                                   QByteArray("kavrel-start-1\0shutdown\0", 24)}) {
        QLocalSocket socket;
        socket.connectToServer(QString::fromStdString(folder() + "/TMinFrm.socket"));
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(junk);
        socket.waitForBytesWritten(2000);
        socket.disconnectFromServer();
    }
    ASSERT_TRUE(passToRunningCopy(first, {"/ok.mp3"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !received.paths.empty(); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(received.paths, std::vector<std::vector<std::string>>{{"/ok.mp3"}});
    EXPECT_EQ(received.raises, 0);
}

TEST(StartPathsTest, ArgumentsBecomeAbsoluteLocalPaths) {
    const std::string here = QDir::currentPath().toStdString();
    struct Case {
        QString argument;
        std::vector<std::string> paths;
    };
    const Case cases[] = {
        {"file:///music/a%20b.mp3", {"/music/a b.mp3"}},
        {"FILE:///music/%D0%9F.mp3", {"/music/П.mp3"}},
        {"file://localhost/music/c.mp3", {"/music/c.mp3"}},
        {"/music/../music/d.mp3", {"/music/d.mp3"}},
        {"songs/e.mp3", {here + "/songs/e.mp3"}},
        {"file:f.mp3", {}}, // a relative URI names no file
        {"https://example.org/g.mp3", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument.toStdString());
        EXPECT_EQ(startPaths({c.argument}), c.paths);
    }
}

} // namespace
} // namespace kavrel::shell
