// The stand-in player as Kavrel meets it: started by the facade, driven by TApollo over real window
// messages, recording what it plays into a WAV file instead of the audio device.
#include "engine/apollo_engine.h"
#include "engine/cd_playlist.h"
#include "engine/master_engine.h"
#include "platform/audio/cd_drive.h"
#include "platform/bass/audio_rig.h"
#include "platform/winmsg/socket_desktop.h"
#include "playlist/cd_track_source.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <mutex>
#include <thread>

namespace kavrel::test {
namespace {

using namespace engine;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

template <typename Condition>
bool eventually(Condition condition, std::chrono::milliseconds limit = 10000ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// Starts programs for real and keeps their ids, so the test can end whatever it started.
class RecordingLauncher final : public winmsg::ProgramLauncher {
public:
    winmsg::StartResult start(const std::string& path, bool minimized) override {
        winmsg::StartResult result = launcher_.start(path, minimized);
        if (const auto* started = std::get_if<winmsg::Started>(&result)) {
            std::lock_guard lock(mutex_);
            pids_.push_back(started->pid);
        }
        return result;
    }
    std::vector<pid_t> pids() {
        std::lock_guard lock(mutex_);
        return pids_;
    }

private:
    winmsg::ProcessLauncher launcher_;
    std::mutex mutex_;
    std::vector<pid_t> pids_;
};

// The frequency of the loud part of a recording.
double loudFrequency(const std::vector<float>& left) {
    std::vector<float> loud;
    for (std::size_t at = 0; at + 441 <= left.size(); at += 441) {
        const std::vector<float> block(left.begin() + static_cast<long>(at),
                                       left.begin() + static_cast<long>(at) + 441);
        if (rms(block) > 0.2)
            loud.insert(loud.end(), block.begin(), block.end());
    }
    return loud.size() < 44100 / 2 ? 0.0 : zeroCrossingFrequency(loud);
}

class KavrelApolloTest : public ::testing::Test {
protected:
    KavrelApolloTest() {
        fs::create_directories(dir / "runtime");
        fs::permissions(dir / "runtime", fs::perms::owner_all);
        ::setenv("XDG_RUNTIME_DIR", (dir / "runtime").c_str(), 1);
        ::setenv("KAVREL_APOLLO_CAPTURE", wav.c_str(), 1);
        fs::create_directories(dir / "player");
        fs::create_symlink(KAVREL_APOLLO, dir / "player" / "kavrel-apollo");
        fs::create_directories(dir / "program" / "ForApollo");
        fs::copy_file(CD_READER, dir / "program" / "ForApollo" / "CDReader.so");
        facade.ApolloPath = (dir / "player" / "kavrel-apollo").string();
    }
    ~KavrelApolloTest() override {
        closePlayer();
        for (const pid_t pid : launcher->pids())
            ::kill(pid, SIGKILL);
    }

    // Closes the player and waits until it has gone, so its recording is complete.
    void closePlayer() {
        desktop.CloseWindow(kApolloMainWindow);
        EXPECT_TRUE(eventually([&] { return !desktop.FindWindow(kApolloMainWindow); }));
        const pid_t pid = launcher->pids().empty() ? 0 : launcher->pids().back();
        eventually([&] { return pid == 0 || ::kill(pid, 0) != 0 || fs::exists(wav); });
    }
    void startPlayer() {
        facade.SelectEngine(kEngineApollo);
        apollo().Flush();
        ASSERT_TRUE(desktop.FindWindow(kApolloMainWindow)) << (errors.empty() ? "" : errors[0]);
    }
    TApollo& apollo() { return *facade.Apollo; }
    std::int64_t windowState(const char* title) { return desktop.WindowState(title).value_or(-1); }

    TempDir dir;
    fs::path wav = dir / "heard.wav";
    // The folder the player finds through XDG_RUNTIME_DIR, set before it starts.
    std::string windows = (dir / "runtime" / "kavrel-windows").string();
    winmsg::SocketDesktop desktop{windows};
    RecordingLauncher* launcher = new RecordingLauncher;
    std::vector<std::string> errors;
    std::mutex errorsMutex;
    AudioRig rig;
    TMasterEngine facade{
        rig.library, 0, nullptr,
        std::make_unique<TApollo>(
            std::make_unique<winmsg::SocketDesktop>(windows), std::unique_ptr<RecordingLauncher>(launcher),
            [this](const std::string& message) {
                std::lock_guard lock(errorsMutex);
                errors.push_back(message);
            },
            ApolloOptions{.settle = 400ms,
                          .windowWait = 15000ms,
                          .pluginPause = 300ms,
                          .shippedCdPlugin = dir / "program" / "ForApollo" / "CDReader.so"})};
};

TEST_F(KavrelApolloTest, TheFacadeStartsTheStandInHiddenAndItPlaysPausesSeeksAndEnds) {
    startPlayer();
    EXPECT_TRUE(eventually([&] { return windowState(kApolloMainWindow) == winmsg::kWindowMinimized; }))
        << "started minimised, then hidden: flags " << windowState(kApolloMainWindow);
    ASSERT_EQ(launcher->pids().size(), 1u);

    EXPECT_EQ(desktop.SendCopyData(kApolloMainWindow, 0, {2, {'a', 'b'}}), 0) << "a name without its zero";
    EXPECT_EQ(desktop.SendCopyData(kApolloMainWindow, 0, winmsg::textCopyData(3, "/a.mp3")), 0)
        << "another kind";
    facade.SetVolume(1000);
    facade.Play(engineFixture("tone_1k.mp3").string(), 500, false);
    apollo().Flush();
    EXPECT_EQ(facade.GetState(), kPlaying);
    EXPECT_GE(facade.GetPosition(), 500);

    facade.Pause();
    apollo().Flush();
    EXPECT_EQ(facade.GetState(), kPaused);
    const std::int32_t pausedAt = facade.GetPosition();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(facade.GetPosition(), pausedAt) << "nothing plays while paused";

    facade.Resume();
    apollo().Flush();
    EXPECT_EQ(facade.GetState(), kPlaying);
    facade.SetPosition(1500);
    apollo().Flush();
    EXPECT_GE(facade.GetPosition(), 1500);

    EXPECT_TRUE(eventually([&] { return facade.GetState() == kStopped; }, 5000ms)) << "the track ends";
    EXPECT_EQ(errors, std::vector<std::string>{});

    facade.Play(engineFixture("tone_1k.ogg").string(), 0, true);
    apollo().Flush();
    EXPECT_EQ(facade.GetState(), kPaused) << "a paused start stays paused";
    facade.Stop();
    apollo().Flush();
    EXPECT_EQ(facade.GetState(), kStopped);

    closePlayer();
    EXPECT_NEAR(loudFrequency(wavLeftChannel(wav)), 1000.0, 5.0) << "the fixture was heard";
}

TEST_F(KavrelApolloTest, TheEqualizerButtonBringsUpThePlayersEqualizerAboveTheRest) {
    startPlayer();
    EXPECT_EQ(windowState(kApolloEqualizerWindow) & winmsg::kWindowVisible, 0);
    apollo().ShowEqualizer();
    apollo().Flush();
    EXPECT_TRUE(eventually([&] {
        return windowState(kApolloEqualizerWindow) == (winmsg::kWindowVisible | winmsg::kWindowTopmost);
    })) << windowState(kApolloEqualizerWindow);
    desktop.PostKeyDown(kApolloEqualizerWindow, winmsg::VK_ESCAPE);
    EXPECT_TRUE(
        eventually([&] { return (windowState(kApolloEqualizerWindow) & winmsg::kWindowVisible) == 0; }));
    desktop.PostKeyDown(kApolloMainWindow, 'e');
    EXPECT_TRUE(
        eventually([&] { return (windowState(kApolloEqualizerWindow) & winmsg::kWindowVisible) != 0; }));
}

TEST_F(KavrelApolloTest, CdTracksPlayOnlyAfterTheCdTabGaveThePlayerItsPlugIn) {
    const fs::path cue = writeCdImage(dir.path(), {{1, 440}, {3, 880}});
    const std::string track = audio::cdDrivePath(cue.string()) + "Track02.cda";
    startPlayer();
    facade.Play(track, 0, false);
    apollo().Flush();
    EXPECT_EQ(facade.GetState(), kStopped) << "no plug-in, no CD";

    // Opening the CD tab.
    TCdPlaylist cd(facade, audio::cdDrivePath(cue.string()));
    playlist::EngineCdTrackSource cdTab(cd);
    playlist::TPlist tab;
    cdTab.RefreshTracks(tab);
    apollo().Flush();
    EXPECT_TRUE(fs::exists(dir / "player" / "Plug-ins" / "CDReader.so"));
    EXPECT_EQ(launcher->pids().size(), 2u) << "closed and started again";
    EXPECT_TRUE(eventually([&] { return windowState(kApolloMainWindow) == winmsg::kWindowMinimized; }));

    facade.SetVolume(1000);
    facade.Play(track, 1000, false);
    apollo().Flush();
    EXPECT_EQ(facade.GetState(), kPlaying);
    EXPECT_GE(facade.GetPosition(), 1000);
    EXPECT_TRUE(eventually([&] { return facade.GetState() == kStopped; }, 5000ms));
    EXPECT_EQ(errors, std::vector<std::string>{});
    closePlayer();
    EXPECT_NEAR(loudFrequency(wavLeftChannel(wav)), 880.0, 5.0) << "the second track was heard";
}

TEST_F(KavrelApolloTest, AKilledPlayerEndsTheTrackHangsNothingAndIsReportedOnce) {
    startPlayer();
    facade.Play(engineFixture("tone_1k.mp3").string(), 0, false);
    apollo().Flush();
    ASSERT_EQ(facade.GetState(), kPlaying);
    ::kill(launcher->pids().back(), SIGKILL);
    ASSERT_TRUE(eventually([&] { return facade.GetState() == kStopped; }));
    for (int poll = 0; poll < 5; ++poll)
        EXPECT_EQ(facade.GetPosition(), 0);
    facade.Play(engineFixture("tone_1k.mp3").string(), 0, false);
    const auto start = std::chrono::steady_clock::now();
    apollo().Flush();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << "a dead player answers nothing at once";
    std::lock_guard lock(errorsMutex);
    EXPECT_EQ(errors.size(), 1u);
}

} // namespace
} // namespace kavrel::test
