// The player run as a real process on Qt's offscreen platform: one copy per user, and a quit by signal
// saves the state like the close button does.
#include "player_process.h"

#include <functional>

namespace kavrel::core {
namespace {

using namespace std::chrono_literals;
using test::readFile;
using test::writeFile;

TEST_F(PlayerProcessTest, ASecondCopyLeavesAtOnceAndTheFirstKeepsRunning) {
    const pid_t first = start();
    ASSERT_TRUE(waitUntilReady(first));
    const pid_t second = start();
    EXPECT_EQ(waitFor(second, 10s), 0);
    EXPECT_EQ(waitFor(first, 0ms), -1) << "the first copy was disturbed";
    EXPECT_EQ(savedSharesText(), "oops") << "the second copy wrote the configuration";
    // Asked for help, a start answers on its own and hands nothing to the running copy.
    output = dir / "help.txt";
    EXPECT_EQ(waitFor(start({runtime, {}}, {}, {"--help"}), 10s), 0);
    EXPECT_TRUE(readFile(output).starts_with("usage: kavrel [FILE|FOLDER|file:// URI]...\n"))
        << readFile(output);
    EXPECT_EQ(waitFor(first, 0ms), -1) << "the first copy was disturbed";
    ::kill(first, SIGTERM);
    EXPECT_EQ(waitFor(first, 20s), 0);
}

TEST_F(PlayerProcessTest, WithoutARuntimeFolderTheLockIsInTheTemporaryFolder) {
    const std::filesystem::path temp = dir / "tmp";
    std::filesystem::create_directories(temp);
    const pid_t first = start({{}, temp});
    ASSERT_TRUE(waitUntilReady(first));
    EXPECT_TRUE(std::filesystem::exists(temp / ("kavrel-" + std::to_string(::getuid())) / "TMinFrm.lock"));
    EXPECT_EQ(waitFor(start({{}, temp}), 10s), 0);
    ::kill(first, SIGTERM);
    EXPECT_EQ(waitFor(first, 20s), 0);
}

// Each case prepares a lock place that fails even for root, and the reason the player must give.
TEST_F(PlayerProcessTest, ALockThatCannotBeHadIsAnErrorNotAnotherCopy) {
    namespace fs = std::filesystem;
    const std::string ownFolder = "kavrel-" + std::to_string(::getuid());
    struct Case {
        const char* what;
        std::function<LockPlace(const fs::path& base)> prepare;
        std::string reason;
    };
    const Case cases[] = {
        {"runtime folder is a file",
         [](const fs::path& base) {
             writeFile(base / "run", "");
             return LockPlace{base / "run", {}};
         },
         "cannot create the lock folder"},
        {"lock folder is a file",
         [](const fs::path& base) {
             writeFile(base / "run/kavrel", "");
             return LockPlace{base / "run", {}};
         },
         "is not a folder"},
        {"lock file is a symbolic link",
         [](const fs::path& base) {
             fs::create_directories(base / "run/kavrel");
             ::chmod((base / "run/kavrel").c_str(), 0700);
             fs::create_symlink(base / "elsewhere", base / "run/kavrel/TMinFrm.lock");
             return LockPlace{base / "run", {}};
         },
         "cannot open the lock file"},
        {"temporary lock folder open to everyone",
         [&](const fs::path& base) {
             fs::create_directories(base / "tmp" / ownFolder);
             ::chmod((base / "tmp" / ownFolder).c_str(), 0777);
             return LockPlace{{}, base / "tmp"};
         },
         "may be changed by other users"},
        {"temporary lock folder of another user",
         [&](const fs::path& base) {
             fs::create_directories(base / "tmp" / ownFolder);
             ::chmod((base / "tmp" / ownFolder).c_str(), 0700);
             if (::chown((base / "tmp" / ownFolder).c_str(), ::getuid() + 1, ::getgid()) != 0)
                 return LockPlace{}; // only root can give a folder away
             return LockPlace{{}, base / "tmp"};
         },
         "belongs to another user"},
    };
    int caseNumber = 0;
    for (const Case& c : cases) {
        const fs::path base = dir / ("case" + std::to_string(caseNumber++));
        fs::create_directories(base);
        const LockPlace place = c.prepare(base);
        if (place.runtime.empty() && place.temp.empty())
            continue;
        const pid_t player = start(place, base / "errors.txt");
        const int exitCode = waitFor(player, 20s);
        if (exitCode == -1) {
            ::kill(player, SIGKILL);
            waitFor(player, 20s);
        }
        EXPECT_EQ(exitCode, 1) << c.what;
        const std::string errors = readFile(base / "errors.txt");
        EXPECT_NE(errors.find("kavrel: "), std::string::npos) << c.what << ": " << errors;
        EXPECT_NE(errors.find(c.reason), std::string::npos) << c.what << ": " << errors;
        EXPECT_FALSE(fs::exists(base / "elsewhere")) << c.what;
    }
    EXPECT_EQ(savedSharesText(), "oops") << "a player without its lock wrote the configuration";
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

// A start-up problem (here the preset the settings name is missing) is shown in a message box once the
// window is up; a desktop logout while the box waits still saves what was loaded, once, and ends well.
TEST_F(PlayerProcessTest, AQuitSignalWhileAStartUpMessageIsOpenSavesAndExits) {
    std::filesystem::remove(program / "PlSysFile" / designDefaults().PresetFileName.text);
    const std::filesystem::path errors = dir / "errors.txt";
    const pid_t player = start({runtime, {}}, errors);
    ASSERT_TRUE(waitUntilReady(player));
    // The message is on its way to the screen: its line on standard error comes first.
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (readFile(errors).find("kavrel: ") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    std::this_thread::sleep_for(500ms);
    ::kill(player, SIGTERM);
    ASSERT_EQ(waitFor(player, 20s), 0) << readFile(errors);
    EXPECT_EQ(savedSharesText(), "0");
    EXPECT_TRUE(std::filesystem::exists(program / "PlSysFile" / designDefaults().PresetFileName.text))
        << "save-state wrote the preset";
}

// A save that fails during a logout (here the playlists cannot be written: their folder is a file) is
// said on standard error, and the player still ends: no message box waits for a user who has gone.
TEST_F(PlayerProcessTest, AQuitSignalWhoseSaveFailsSaysSoAndStillEnds) {
    std::filesystem::remove_all(program / "PlayLists");
    test::writeFile(program / "PlayLists", "not a folder");
    const std::filesystem::path errors = dir / "errors.txt";
    const pid_t player = start({runtime, {}}, errors);
    ASSERT_TRUE(waitUntilReady(player));
    ::kill(player, SIGTERM);
    const int exitCode = waitFor(player, 20s);
    if (exitCode < 0) {
        ::kill(player, SIGKILL);
        ::waitpid(player, nullptr, 0);
    }
    ASSERT_TRUE(exitCode == 0 || exitCode == 1) << "exit " << exitCode << ": " << readFile(errors);
    EXPECT_NE(readFile(errors).find("could not be saved"), std::string::npos) << readFile(errors);
    EXPECT_EQ(savedSharesText(), "0") << "what could be saved was saved";
}

} // namespace
} // namespace kavrel::core
