#include "engine/apollo_engine.h"
#include "fake_desktop.h"

#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace engine;
using namespace std::chrono_literals;
using Commands = std::vector<std::string>;

class TApolloTest : public ::testing::Test {
protected:
    TApolloTest() {
        desktop->open(kApolloMainWindow);
        desktop->open(kApolloEqualizerWindow);
        desktop->answer = [this](const winmsg::Message& m) -> std::int64_t {
            return m.wParam == 1 ? playerState : m.wParam == 19 ? playerPosition : 0;
        };
    }

    TApollo& apollo() { return apollo(ApolloOptions{}); }
    TApollo& apollo(std::chrono::milliseconds settle, std::chrono::milliseconds windowWait) {
        ApolloOptions options;
        options.settle = settle;
        options.windowWait = windowWait;
        return apollo(options);
    }
    TApollo& apollo(ApolloOptions options) {
        engine_ = std::make_unique<TApollo>(
            std::unique_ptr<FakeDesktop>(desktop), std::unique_ptr<FakeLauncher>(launcher),
            [this](const std::string& m) { errors.push_back(m); }, options);
        return *engine_;
    }
    Commands sent() { return playerCommands(desktop->log()); }

    FakeDesktop* desktop = new FakeDesktop;
    FakeLauncher* launcher = new FakeLauncher(*desktop);
    std::vector<std::string> errors;
    std::int64_t playerState = 0;
    std::int64_t playerPosition = 0;
    std::unique_ptr<TApollo> engine_;
};

TEST_F(TApolloTest, PlayHandsTheFileOverInSilenceThenPositionsAndRestoresTheVolume) {
    struct Case {
        std::int32_t startMs;
        bool paused;
        Commands expected;
    };
    const Case cases[] = {
        {0, false, {"20:0", "file /music/a b.mp3", "20:33000"}},
        {0, true, {"20:0", "file /music/a b.mp3", "13:0", "20:33000"}},
        {70000, false, {"20:0", "file /music/a b.mp3", "18:70000", "20:33000"}},
        {70000, true, {"20:0", "file /music/a b.mp3", "18:70000", "13:0", "20:33000"}},
    };
    TApollo& engine = apollo();
    engine.SetVolume(33000);
    engine.Flush();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.startMs << (c.paused ? " paused" : ""));
        desktop->clearLog();
        engine.Play("/music/a b.mp3", c.startMs, c.paused);
        engine.Flush();
        EXPECT_EQ(sent(), c.expected);
        const auto log = desktop->log();
        ASSERT_EQ(log.size(), c.expected.size());
        EXPECT_GE(log.back().when - log[1].when, 400ms) << "the player settles on the file in silence";
        EXPECT_EQ(engine.Volume, 33000);
    }
}

TEST_F(TApolloTest, WhileAFileIsHandedOverTheCallerGoesOnAndThePollerSeesItPlaying) {
    TApollo& engine = apollo(10ms, 5000ms);
    desktop->hold(true);
    engine.Play("/music/a.mp3", 30000, false); // returns although the player cannot be reached yet
    EXPECT_EQ(engine.GetState(), kPlaying) << "not taken for a track end";
    EXPECT_EQ(engine.GetPosition(), 30000);
    engine.Pause();
    EXPECT_EQ(engine.GetState(), kPaused);
    desktop->hold(false);
    engine.Flush();
    playerState = 2;
    playerPosition = 30120;
    EXPECT_EQ(engine.GetState(), 2) << "the player's own answer once the commands are through";
    EXPECT_EQ(engine.GetPosition(), 30120);
}

TEST_F(TApolloTest, PauseAndResumeSendTheSameToggleAndStopSendsElevenThenNine) {
    TApollo& engine = apollo();
    engine.Pause();
    engine.Resume();
    engine.SetPosition(1500);
    engine.Stop();
    engine.Flush();
    EXPECT_EQ(sent(), (Commands{"13:0", "13:0", "18:1500", "11:0", "9:0"}));
}

TEST_F(TApolloTest, WithoutThePlayerWindowTheTrackEndsAndTheUserHearsOfItOnce) {
    TApollo& engine = apollo();
    playerState = 1;
    playerPosition = 5000;
    EXPECT_EQ(engine.GetState(), 1);
    desktop->close(kApolloMainWindow);
    for (int poll = 0; poll < 5; ++poll) {
        EXPECT_EQ(engine.GetState(), 0);
        EXPECT_EQ(engine.GetPosition(), 0);
    }
    engine.Play("/music/a.mp3", 0, false);
    engine.Flush();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("\"Apollo - Main Window\""), std::string::npos) << errors[0];
    desktop->open(kApolloMainWindow);
    EXPECT_EQ(engine.GetPosition(), 5000);
    desktop->close(kApolloMainWindow);
    EXPECT_EQ(engine.GetState(), 0);
    EXPECT_EQ(errors.size(), 2u) << "lost again after it had come back";
}

TEST_F(TApolloTest, StartHiddenStartsThePlayerMinimisedOnlyWithoutItsWindowAndHidesIt) {
    TApollo& engine = apollo();
    engine.StartHidden("/opt/player");
    engine.Flush();
    EXPECT_TRUE(launcher->starts().empty()) << "its window exists";
    EXPECT_EQ(sent(), (Commands{"main show 0"}));

    desktop->close(kApolloMainWindow);
    desktop->clearLog();
    engine.StartHidden("/opt/player");
    engine.SetVolume(66000);
    engine.Flush();
    EXPECT_EQ(launcher->starts(), (std::vector<std::pair<std::string, bool>>{{"/opt/player", true}}));
    EXPECT_EQ(sent(), (Commands{"main show 0", "20:66000"})) << "hidden once there, before later commands";
    EXPECT_TRUE(errors.empty());
}

// Forwards to a desktop the test keeps, so what the engine sends on its way out can still be read.
class KeptDesktop final : public winmsg::Desktop {
public:
    explicit KeptDesktop(FakeDesktop& desktop) : desktop_(desktop) {}
    using Desktop::PostMessage;
    using Desktop::SendMessage;
    bool FindWindow(std::string_view title) override { return desktop_.FindWindow(title); }
    std::optional<std::int64_t> SendMessage(std::string_view title, const winmsg::Message& message) override {
        return desktop_.SendMessage(title, message);
    }
    bool PostMessage(std::string_view title, const winmsg::Message& message) override {
        return desktop_.PostMessage(title, message);
    }

private:
    FakeDesktop& desktop_;
};

// A hidden player outliving Kavrel could never be reached again; one the user had running is theirs.
TEST(TApolloEnd, APlayerItStartedHiddenEndsWithItAndOneThatRanBeforeIsLeft) {
    for (const bool ranBefore : {false, true}) {
        FakeDesktop desktop;
        if (ranBefore)
            desktop.open(kApolloMainWindow);
        {
            ApolloOptions quick;
            quick.settle = 0ms;
            TApollo engine(
                std::make_unique<KeptDesktop>(desktop), std::make_unique<FakeLauncher>(desktop),
                [](const std::string&) {}, quick);
            engine.StartHidden("/opt/player");
            engine.Play("/music/a.mp3", 0, false);
            engine.Stop();
        }
        EXPECT_EQ(playerCommands(desktop.log()).back(), ranBefore ? "9:0" : "main close") << ranBefore;
        EXPECT_EQ(desktop.FindWindow(kApolloMainWindow), ranBefore);
    }
}

TEST_F(TApolloTest, APlayerThatCannotStartOrShowsNoWindowIsReported) {
    TApollo& engine = apollo(400ms, 100ms);
    desktop->close(kApolloMainWindow);
    launcher->failure = "\"/opt/x\" is not an executable program.";
    engine.StartHidden("/opt/x");
    engine.Flush();
    launcher->failure.clear();
    launcher->opensWindows = false;
    engine.StartHidden("/opt/y");
    engine.Flush();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[0].find("is not an executable program"), std::string::npos) << errors[0];
    EXPECT_NE(errors[1].find("no window titled"), std::string::npos) << errors[1];
    EXPECT_TRUE(sent().empty()) << "nothing to hide";
    engine.SetVolume(1000);
    EXPECT_EQ(engine.GetState(), 0);
    engine.Flush();
    EXPECT_EQ(errors.size(), 2u) << "a player that could not start is not reported again as silent";
}

TEST_F(TApolloTest, TheOutsideEqualizerIsBroughtUpAboveTheRest) {
    TApollo& engine = apollo();
    engine.ShowEqualizer();
    engine.Flush();
    EXPECT_EQ(sent(), (Commands{"eq key 27", "main key 101", "eq show 5", "eq topmost"}));
}

} // namespace
} // namespace kavrel::test
