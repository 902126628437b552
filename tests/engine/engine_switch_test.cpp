#include "engine/engine_switch.h"
#include "platform/dispatch/task_queue.h"
#include "platform/fmod/fmod_rig.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace kavrel::test {
namespace {

using namespace engine;
using namespace std::chrono_literals;

// The test thread stands for the main thread: it serves posted calls until `condition` holds or five
// seconds pass.
bool serveUntil(dispatch::TaskQueue& mainThread, const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        mainThread.runFor(1ms);
    }
    return true;
}

// Counts polls; a track end counts only when the engine still reads stopped on the main thread, as the
// playback control decides.
class Polls final : public PollHandlers {
public:
    explicit Polls(TMasterEngine& facade) : facade_(facade) {}
    void OnPositionUpdate() override {}
    void OnTrackEnd() override {
        if (facade_.GetState() == kStopped)
            ++trackEnds;
    }
    void OnTimeDisplay() override { ++displays; }
    void OnPollError(std::exception_ptr) override {}

    int displays = 0;
    int trackEnds = 0;

private:
    TMasterEngine& facade_;
};

class RecordingView final : public EngineSwitchView {
public:
    explicit RecordingView(const TEngineSync& poller) : poller_(poller) {}
    void SetSpectrumTimer(bool enabled) override { steps.push_back(enabled ? "timer on" : "timer off"); }
    void BeforeSelect(const std::string& name) override {
        steps.push_back("before " + name + (poller_.Suspended() ? ", poller held" : ", poller running"));
    }
    void PressAnalyserButton() override { steps.push_back("press"); }

    std::vector<std::string> steps;

private:
    const TEngineSync& poller_;
};

class EngineSwitchTest : public ::testing::Test {
protected:
    EngineSwitchTest() {
        facade.SelectEngine(kEngineBass);
        sync.Interval = 5;
    }

    FmodRig rig;
    TMasterEngine facade{rig.library, 0, std::make_unique<TFmod>(rig.fmod, 0)};
    SharedPlayback shared;
    Polls polls{facade};
    dispatch::TaskQueue mainThread;
    TEngineSync sync{facade, shared, polls, mainThread};
    RecordingView view{sync};
};

TEST_F(EngineSwitchTest, BassToFmodToBassWhileATrackPlaysAndThePollerGoesOn) {
    facade.Play(engineFixture("long_tone.ogg").string(), 10000, false);
    shared.CurrentTrack = 1;
    sync.Resume();
    ASSERT_TRUE(serveUntil(mainThread, [&] { return polls.displays >= 2; }));
    rig.run(1000ms);

    std::int32_t position = 11000;
    for (const std::string name : {kEngineFmod, kEngineBass}) {
        view.steps.clear();
        SwitchEngine(facade, &sync, view, name);
        EXPECT_EQ(view.steps, (std::vector<std::string>{"timer off", "before " + name + ", poller held",
                                                        "press", "press", "timer on"}));
        EXPECT_EQ(facade.EngineName(), name);
        EXPECT_FALSE(sync.Suspended());
        const int displays = polls.displays;
        ASSERT_TRUE(serveUntil(mainThread, [&] { return polls.displays >= displays + 3; })) << name;
        EXPECT_EQ(shared.State, kPlaying) << name;
        EXPECT_EQ(shared.Position, position) << name << " goes on where the other engine was";
        EXPECT_NEAR(zeroCrossingFrequency(leftChannel(rig.run(300ms))), 440.0, 2.0) << name;
        rig.run(700ms);
        position += 1000;
    }
    EXPECT_EQ(polls.trackEnds, 0) << "no switch is taken for the end of the track";
    EXPECT_EQ(facade.Fmod->GetState(), kStopped) << "the engine left behind is stopped";
}

TEST_F(EngineSwitchTest, APollerWithNoTrackStaysSuspended) {
    ASSERT_TRUE(sync.Suspended());
    SwitchEngine(facade, &sync, view, kEngineFmod);
    EXPECT_EQ(view.steps.front(), "timer off");
    EXPECT_EQ(view.steps.back(), "timer on");
    std::this_thread::sleep_for(30ms);
    EXPECT_TRUE(sync.Suspended());
    EXPECT_EQ(polls.displays, 0);

    SwitchEngine(facade, nullptr, view, kEngineBass);
    EXPECT_EQ(facade.EngineName(), kEngineBass) << "without a poller the switch still happens";
}

TEST(StoredEngineName, TheConfigurationsChoiceWithBassWhenNoneIsSet) {
    struct Case {
        bool fmod, bass, apollo;
        const char* name;
    };
    for (const Case c : {Case{true, false, false, kEngineFmod}, Case{false, true, false, kEngineBass},
                         Case{false, false, true, kEngineApollo}, Case{false, false, false, kEngineBass},
                         Case{true, true, false, kEngineFmod}})
        EXPECT_EQ(StoredEngineName(c.fmod, c.bass, c.apollo), c.name) << c.fmod << c.bass << c.apollo;
}

} // namespace
} // namespace kavrel::test
