// Window messages between this test and peer programs it starts (winmsg_peer.cpp).
#include "platform/winmsg/program_launcher.h"
#include "platform/winmsg/socket_desktop.h"
#include "platform/winmsg/window_endpoint.h"
#include "platform/winmsg/window_folder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace kavrel::winmsg {
namespace {

using namespace std::chrono_literals;
using test::TempDir;

constexpr const char* kTitle = "Apollo - Main Window";
constexpr std::uint32_t kCommand = WM_USER + 3;

// True once `condition` holds, checked every 10 ms for at most `limit`.
template <typename Condition> bool eventually(Condition condition, std::chrono::milliseconds limit = 5000ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

class WinmsgTest : public ::testing::Test {
protected:
    ~WinmsgTest() override {
        for (const pid_t pid : peers)
            ::kill(pid, SIGKILL);
    }

    // Starts a peer with a window titled `title` and waits until it is there.
    pid_t startPeer(const std::string& mode, const std::string& title = kTitle, bool minimized = false) {
        const std::string script = (dir / ("peer-" + mode + ".sh")).string();
        test::writeFile(script, "#!/bin/sh\nexec '" + std::string(WINMSG_PEER) + "' '" + folder + "' '" +
                                    title + "' " + mode + "\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        const StartResult result = ProcessLauncher().start(script, minimized);
        EXPECT_TRUE(std::holds_alternative<Started>(result));
        const pid_t pid = std::holds_alternative<Started>(result) ? std::get<Started>(result).pid : 0;
        peers.push_back(pid);
        EXPECT_TRUE(eventually([&] { return desktop.FindWindow(title); }));
        return pid;
    }

    TempDir dir;
    std::string folder = (dir / "windows").string();
    SocketDesktop desktop{folder, 300ms};
    std::vector<pid_t> peers;
};

TEST_F(WinmsgTest, SendsAndReadsTheAnswer) {
    startPeer("echo");
    EXPECT_EQ(std::filesystem::status(folder).permissions(), std::filesystem::perms::owner_all);
    EXPECT_EQ(desktop.SendMessage(kTitle, kCommand, 7, 5), 7005);
    EXPECT_EQ(desktop.SendMessage(kTitle, kCommand, 20, 66000), 86000);
    EXPECT_EQ(desktop.SendCopyData(kTitle, 0, textCopyData(2, "/music/a.mp3")), 2013)
        << "kind 2, twelve characters and the terminating zero";
    EXPECT_FALSE(desktop.SendMessage("Graphic Equalizer", kCommand, 1, 0)) << "no window has that title";
}

TEST_F(WinmsgTest, PostsArriveInOrderWithoutWaiting) {
    startPeer("echo");
    EXPECT_TRUE(desktop.PostKeyDown(kTitle, 101));
    EXPECT_TRUE(desktop.PostKeyDown(kTitle, VK_ESCAPE));
    EXPECT_TRUE(eventually([&] { return desktop.SendMessage(kTitle, kCommand, 99, 0) == 0x1B; }));
    EXPECT_FALSE(desktop.PostMessage("Graphic Equalizer", WM_KEYDOWN, 101, 0));
}

TEST_F(WinmsgTest, AClosedWindowIsGone) {
    startPeer("echo");
    EXPECT_TRUE(desktop.CloseWindow(kTitle));
    EXPECT_TRUE(eventually([&] { return !desktop.FindWindow(kTitle); }));
}

TEST_F(WinmsgTest, TheStartedProgramKnowsItWasAskedToStartMinimised) {
    startPeer("echo");
    EXPECT_EQ(desktop.SendMessage(kTitle, kCommand, 98, 0), 0);
    desktop.CloseWindow(kTitle);
    ASSERT_TRUE(eventually([&] { return !desktop.FindWindow(kTitle); }));
    startPeer("echo", kTitle, true);
    EXPECT_EQ(desktop.SendMessage(kTitle, kCommand, 98, 0), 1);
}

TEST_F(WinmsgTest, AWindowThatNeverAnswersFailsTheCallInTime) {
    startPeer("hang");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(desktop.SendMessage(kTitle, kCommand, 1, 0));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    EXPECT_TRUE(desktop.FindWindow(kTitle)) << "a hung window is still there";
    EXPECT_TRUE(desktop.PostMessage(kTitle, kCommand, 13, 0)) << "posting never waits for it";
}

TEST_F(WinmsgTest, TheSocketOfADeadProcessIsRemovedAndTheTitleFreed) {
    const pid_t pid = startPeer("echo");
    const auto paths = windowPaths(folder, kTitle);
    ASSERT_TRUE(paths);
    ::kill(pid, SIGKILL);
    ASSERT_TRUE(std::filesystem::exists(paths->socket)) << "a killed process cannot clean up";
    EXPECT_TRUE(eventually([&] { return !desktop.FindWindow(kTitle); }));
    EXPECT_FALSE(std::filesystem::exists(paths->socket));
    WindowEndpoint again(
        kTitle, [](const Message&) { return 42; }, folder);
    EXPECT_EQ(desktop.SendMessage(kTitle, kCommand, 1, 0), 42);
}

TEST_F(WinmsgTest, ALivingWindowKeepsItsTitle) {
    startPeer("echo");
    EXPECT_THROW(WindowEndpoint(
                     kTitle, [](const Message&) { return 0; }, folder),
                 std::runtime_error);
    EXPECT_EQ(desktop.SendMessage(kTitle, kCommand, 1, 2), 1002);
}

TEST_F(WinmsgTest, AnUnsafeWindowFolderIsRefused) {
    namespace fs = std::filesystem;
    const fs::path open = dir / "open";
    fs::create_directory(open);
    fs::permissions(open, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    const fs::path real = dir / "real";
    fs::create_directory(real);
    fs::permissions(real, fs::perms::owner_all);
    const fs::path link = dir / "link";
    fs::create_directory_symlink(real, link);
    const fs::path foreign = dir / "foreign";
    fs::create_directory(foreign);
    fs::permissions(foreign, fs::perms::owner_all);
    const bool canGiveAway = ::geteuid() == 0 && ::chown(foreign.c_str(), 65534, 65534) == 0;

    struct Case {
        fs::path folder;
        const char* reason;
    };
    std::vector<Case> cases = {{open, "open to other users"}, {link, "is not a folder"}};
    if (canGiveAway)
        cases.push_back({foreign, "belongs to another user"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        try {
            WindowEndpoint window(
                kTitle, [](const Message&) { return 0; }, c.folder.string());
            ADD_FAILURE() << "registered in an unsafe folder";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
        }
        EXPECT_FALSE(SocketDesktop(c.folder.string()).FindWindow(kTitle));
    }
    EXPECT_FALSE(checkWindowFolder(real.string()));
}

TEST_F(WinmsgTest, TitlesBecomeSafeSocketNames) {
    const auto paths = windowPaths("/run/user/1000/kavrel-windows", "../Apollo - Main Window");
    ASSERT_TRUE(paths);
    EXPECT_EQ(paths->socket, "/run/user/1000/kavrel-windows/%2E.%2FApollo%20-%20Main%20Window.sock");
    EXPECT_FALSE(windowPaths("/run", std::string(200, 'a'))) << "longer than a socket name can be";
    EXPECT_FALSE(windowPaths("/run", ""));
    EXPECT_THROW(WindowEndpoint(
                     std::string(200, 'a'), [](const Message&) { return 0; }, folder),
                 std::runtime_error);
}

TEST(ProgramLauncher, SaysWhyAPathCannotStart) {
    TempDir dir;
    test::writeFile(dir / "data.txt", "not a program");
    test::writeFile(dir / "no-interpreter", "plain text, no #! line");
    std::filesystem::permissions(dir / "no-interpreter", std::filesystem::perms::owner_all);
    struct Case {
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {"", "No program is set"},
        {(dir / "missing").string(), "cannot be found"},
        {dir.path().string(), "is not a program file"},
        {(dir / "data.txt").string(), "is not an executable program"},
        {(dir / "no-interpreter").string(), "Exec format error"},
    };
    for (const Case& c : cases) {
        const StartResult result = ProcessLauncher().start(c.path, false);
        ASSERT_TRUE(std::holds_alternative<StartFailed>(result)) << c.path;
        const std::string& message = std::get<StartFailed>(result).message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
}

} // namespace
} // namespace kavrel::winmsg
