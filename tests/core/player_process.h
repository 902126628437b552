#pragma once
// The player run as a real process of the test's own: on Qt's offscreen platform, SDL's silent sound
// driver, a lock folder and a session bus address of the test's (none unless the test starts a bus), in
// a program folder with a configuration and a preset.
#include "core/conf_record_codec.h"
#include "core/design_defaults.h"
#include "core/equalizer_preset.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace kavrel::core {

class PlayerProcessTest : public ::testing::Test {
protected:
    PlayerProcessTest() {
        TConfRecord settings = designDefaults();
        settings.S_All.text = "oops"; // repaired at load, so a saved file shows the save ran
        test::writeFile(program / "PlSysFile/Conf.pcf", encodeConfRecord(settings));
        test::writeFile(program / "PlSysFile/DefaultConf.pcf", encodeConfRecord(designDefaults()));
        std::string preset = std::string(kPresetHeader) + "\r\n";
        for (int band = 0; band < 16; ++band)
            preset += "3\r\n";
        test::writeFile(program / "PlSysFile" / designDefaults().PresetFileName.text, preset);
        std::filesystem::create_directories(runtime);
        ::chmod(runtime.c_str(), 0700);
    }

    // Where the player looks for its lock: the runtime folder, or (runtime empty) the temporary folder.
    struct LockPlace {
        std::filesystem::path runtime;
        std::filesystem::path temp;
    };

    pid_t start() { return start({runtime, {}}); }

    // Where the next players' standard output goes (empty: to the test's).
    std::filesystem::path output;

    // errors: where the player's standard error goes (empty: to the test's).
    pid_t start(const LockPlace& place, const std::filesystem::path& errors = {},
                const std::vector<std::string>& arguments = {}) {
        std::vector<char*> argv{const_cast<char*>(KAVREL_PLAYER)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::chdir(program.c_str()) != 0)
                ::_exit(127);
            if (!errors.empty() && !std::freopen(errors.c_str(), "w", stderr))
                ::_exit(127);
            if (!output.empty() && !std::freopen(output.c_str(), "w", stdout))
                ::_exit(127);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            // SDL's silent driver: the player never reaches a sound card.
            ::setenv("SDL_AUDIODRIVER", "dummy", 1);
            setOrUnset("XDG_RUNTIME_DIR", place.runtime);
            setOrUnset("TMPDIR", place.temp);
            // Never the user's session bus.
            ::setenv("DBUS_SESSION_BUS_ADDRESS", busAddress.c_str(), 1);
            ::execv(KAVREL_PLAYER, argv.data());
            ::_exit(127);
        }
        return pid;
    }

    static void setOrUnset(const char* name, const std::filesystem::path& value) {
        if (value.empty())
            ::unsetenv(name);
        else
            ::setenv(name, value.c_str(), 1);
    }

    // The exit code, or -1 when the process is still running after the timeout.
    static int waitFor(pid_t pid, std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            if (::waitpid(pid, &status, WNOHANG) == pid)
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

    // The player catches SIGTERM and SIGINT once it holds its lock and has its window: read that from the
    // kernel's view of the process rather than guessing a start-up time.
    static bool waitUntilReady(pid_t pid) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        const unsigned long long wanted = (1ull << (SIGTERM - 1)) | (1ull << (SIGINT - 1));
        while (std::chrono::steady_clock::now() < deadline) {
            std::ifstream status("/proc/" + std::to_string(pid) + "/status");
            for (std::string line; std::getline(status, line);)
                if (line.rfind("SigCgt:", 0) == 0 &&
                    (std::stoull(line.substr(7), nullptr, 16) & wanted) == wanted)
                    return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    std::string savedSharesText() const {
        TConfRecord saved;
        return decodeConfRecord(test::readFile(program / "PlSysFile/Conf.pcf"), saved) ? saved.S_All.text
                                                                                       : "";
    }

    test::TempDir dir;
    std::filesystem::path program = dir / "program";
    std::filesystem::path runtime = dir / "run";
    std::string busAddress = "unix:path=" + (dir / "no-bus").string();
};

} // namespace kavrel::core
