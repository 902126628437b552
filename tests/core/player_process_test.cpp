// The player run as a real process on Qt's offscreen platform: one copy per user, and a quit by signal
// saves the state like the close button does.
#include "core/conf_record_codec.h"
#include "core/design_defaults.h"
#include "core/equalizer_preset.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kavrel::core {
namespace {

using namespace std::chrono_literals;
using test::readFile;
using test::TempDir;
using test::writeFile;

class PlayerProcessTest : public ::testing::Test {
protected:
    PlayerProcessTest() {
        TConfRecord settings = designDefaults();
        settings.S_All.text = "oops"; // repaired at load, so a saved file shows the save ran
        writeFile(program / "PlSysFile/Conf.pcf", encodeConfRecord(settings));
        writeFile(program / "PlSysFile/DefaultConf.pcf", encodeConfRecord(designDefaults()));
        std::string preset = std::string(kPresetHeader) + "\r\n";
        for (int band = 0; band < 16; ++band)
            preset += "3\r\n";
        writeFile(program / "PlSysFile" / designDefaults().PresetFileName.text, preset);
        std::filesystem::create_directories(runtime);
        ::chmod(runtime.c_str(), 0700);
    }

    pid_t start() {
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::chdir(program.c_str()) != 0)
                ::_exit(127);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            // SDL's silent driver: the player never reaches a sound card.
            ::setenv("SDL_AUDIODRIVER", "dummy", 1);
            ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
            ::execl(KAVREL_PLAYER, KAVREL_PLAYER, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        return pid;
    }

    // The exit code, or -1 when the process is still running after the timeout.
    static int waitFor(pid_t pid, std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            if (::waitpid(pid, &status, WNOHANG) == pid)
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }

    // The player catches SIGTERM and SIGINT once it holds its lock and has its window: read that from the
    // kernel's view of the process rather than guessing a start-up time.
    static bool waitUntilReady(pid_t pid) {
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        const unsigned long long wanted = (1ull << (SIGTERM - 1)) | (1ull << (SIGINT - 1));
        while (std::chrono::steady_clock::now() < deadline) {
            std::ifstream status("/proc/" + std::to_string(pid) + "/status");
            for (std::string line; std::getline(status, line);)
                if (line.rfind("SigCgt:", 0) == 0 &&
                    (std::stoull(line.substr(7), nullptr, 16) & wanted) == wanted)
                    return true;
            std::this_thread::sleep_for(20ms);
        }
        return false;
    }

    std::string savedSharesText() const {
        TConfRecord saved;
        return decodeConfRecord(readFile(program / "PlSysFile/Conf.pcf"), saved) ? saved.S_All.text : "";
    }

    TempDir dir;
    std::filesystem::path program = dir / "program";
    std::filesystem::path runtime = dir / "run";
};

TEST_F(PlayerProcessTest, ASecondCopyLeavesAtOnceAndTheFirstKeepsRunning) {
    const pid_t first = start();
    ASSERT_TRUE(waitUntilReady(first));
    const pid_t second = start();
    EXPECT_EQ(waitFor(second, 10s), 0);
    EXPECT_EQ(waitFor(first, 0ms), -1) << "the first copy was disturbed";
    EXPECT_EQ(savedSharesText(), "oops") << "the second copy wrote the configuration";
    ::kill(first, SIGTERM);
    EXPECT_EQ(waitFor(first, 20s), 0);
}

TEST_F(PlayerProcessTest, TerminationSavesTheConfigurationAndThePreset) {
    for (int signal : {SIGTERM, SIGINT}) {
        const pid_t player = start();
        ASSERT_TRUE(waitUntilReady(player));
        ::kill(player, signal);
        ASSERT_EQ(waitFor(player, 20s), 0) << signal;
        EXPECT_EQ(savedSharesText(), "0");
        EqualizerValues gains{};
        loadEqualizerPreset(program / "PlSysFile" / designDefaults().PresetFileName.text, gains);
        EXPECT_EQ(gains[0], 3);
        const std::string preset = readFile(program / "PlSysFile" / designDefaults().PresetFileName.text);
        EXPECT_EQ(std::count(preset.begin(), preset.end(), '\n'), 19); // header and 18 values
    }
}

} // namespace
} // namespace kavrel::core
