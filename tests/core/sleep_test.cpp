// The sleep function end to end: a playlist that plays out with the sleep button on saves the state and
// then asks the power service to switch off; nothing else ever asks.
#include "application_fixture.h"
#include "playlist/ppl_file.h"

#include <chrono>

namespace kavrel::core {
namespace {

using namespace std::chrono_literals;

// What was on disk when the switch-off was asked for.
struct OnDiskAtSwitchOff {
    bool asked = false;
    std::int32_t savedVolume = -1;
    std::int32_t pl1PlayState = -1;
    bool pl2Written = false;
    bool cdWritten = false;
};

class SleepTest : public ApplicationTest {
protected:
    SleepTest() {
        playlist::TPlist pl1;
        pl1.Rows.push_back(fixtureRow("tone_1k.mp3", 2038));
        pl1.CurrentIndex = 1;
        pl1.PlayState = playlist::kPlaying;
        playlist::writePlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl", pl1);
        power.onSwitchOff = [this] {
            atSwitchOff.asked = true;
            TConfRecord saved;
            if (decodeConfRecord(test::readFile(dir / "PlSysFile/Conf.pcf"), saved))
                atSwitchOff.savedVolume = saved.VolumePosition;
            if (const auto pl1 = playlist::readPlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl"))
                atSwitchOff.pl1PlayState = pl1->PlayState;
            atSwitchOff.pl2Written = std::filesystem::exists(dir / "PlayLists/PlayListMainPL2.ppl");
            atSwitchOff.cdWritten = std::filesystem::exists(dir / "PlayLists/PlayListMainCD.ppl");
        };
        player = makeApplication(audio::CapturePacing::AsFastAsPossible);
    }

    // Runs the loop until no row is current, or at most `limit`.
    void playUntilStopped(std::chrono::seconds limit = 30s) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        loop.run([&] {
            return !player->playbackState().list().HasCurrent() ||
                   std::chrono::steady_clock::now() > deadline;
        });
        // What the poll's call posted (a report) runs once that call has returned.
        loop.runFor(50ms);
    }

    OnDiskAtSwitchOff atSwitchOff;
    std::unique_ptr<Application> player;
};

TEST_F(SleepTest, ThePlaylistsEndSavesEverythingAndThenSwitchesOff) {
    player->startUp();
    player->playback().VolumeChanged(333);
    player->playbackState().session.sleepButton = playlist::kButtonOn;
    playUntilStopped();
    EXPECT_EQ(power.switchOffs, 1);
    ASSERT_TRUE(atSwitchOff.asked);
    EXPECT_EQ(atSwitchOff.savedVolume, 333) << "the configuration of this run was written first";
    EXPECT_EQ(atSwitchOff.pl1PlayState, playlist::kStopped) << "the played-out list was written first";
    EXPECT_TRUE(atSwitchOff.pl2Written && atSwitchOff.cdWritten);
    EXPECT_EQ(power.shutdowns, 0) << "the sleep switches off; it does not ask for a plain shut-down";
    EXPECT_TRUE(errors.messages.empty()) << errors.messages.front();
}

// Each case plays the one-row list with the sleep button on unless said otherwise; none of them may
// switch the computer off.
TEST_F(SleepTest, NoSwitchOffWithoutTheSleepButtonWithRepeatOrAfterAStopByHand) {
    enum class Case { SleepOff, RepeatAll, RepeatOne, HandStop };
    for (const Case c : {Case::SleepOff, Case::RepeatAll, Case::RepeatOne, Case::HandStop}) {
        SCOPED_TRACE(static_cast<int>(c));
        player.reset();
        player = makeApplication(audio::CapturePacing::AsFastAsPossible);
        player->startUp();
        auto& session = player->playbackState().session;
        session.sleepButton = c == Case::SleepOff ? playlist::kButtonOff : playlist::kButtonOn;
        if (c == Case::RepeatAll || c == Case::RepeatOne) {
            player->settings().mRepeatAllPlayList = c == Case::RepeatAll;
            player->settings().mRepeatOneSong = c == Case::RepeatOne;
            session.repeatButton = playlist::kButtonOn;
        }
        if (c == Case::HandStop)
            player->playback().Stop(true);
        // Repeat never stops: a few seconds play the row over many times.
        playUntilStopped(c == Case::RepeatAll || c == Case::RepeatOne ? 2s : 30s);
        if (c == Case::HandStop)
            loop.runFor(600ms); // polls that still see the stopped engine
        EXPECT_EQ(power.switchOffs, 0);
    }
}

TEST_F(SleepTest, ARefusedSwitchOffIsReportedOnceAndThePlayerGoesOn) {
    power.failure = "AdjustTokenPrivileges failed";
    player->startUp();
    player->playbackState().session.sleepButton = playlist::kButtonOn;
    playUntilStopped();
    EXPECT_EQ(power.switchOffs, 1);
    EXPECT_EQ(errors.messages, std::vector<std::string>{"AdjustTokenPrivileges failed"});

    player->playbackState().session.sleepButton = playlist::kButtonOff;
    player->playback().Start();
    EXPECT_EQ(player->playbackState().list().PlayState, playlist::kPlaying);
    playUntilStopped();
    EXPECT_EQ(player->playbackState().list().CurrentIndex, 0)
        << "the poller followed the new play to its end";
    EXPECT_EQ(power.switchOffs, 1);
    EXPECT_EQ(errors.messages.size(), 1u);
}

TEST_F(SleepTest, AStateThatCouldNotBeSavedKeepsTheComputerOn) {
    std::filesystem::create_directories(dir / "PlayLists/PlayListMainPL2.ppl"); // that write fails
    player->startUp();
    player->playbackState().session.sleepButton = playlist::kButtonOn;
    playUntilStopped();
    EXPECT_EQ(power.switchOffs, 0);
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("PlayListMainPL2.ppl"), std::string::npos) << errors.messages[0];
    EXPECT_NE(errors.messages[0].find("not switched off"), std::string::npos) << errors.messages[0];
}

} // namespace
} // namespace kavrel::core
