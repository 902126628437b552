#include "engine/engine_sync.h"
#include "platform/bass/audio_rig.h"
#include "platform/dispatch/task_queue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>

namespace kavrel::test {
namespace {

using namespace engine;
using namespace std::chrono_literals;

// Waits up to five seconds for `condition`; the poller runs on its own clock.
bool eventually(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

class CountingHandlers : public PollHandlers {
public:
    void OnPositionUpdate() override {
        ++updates;
        if (onUpdate)
            onUpdate();
    }
    void OnTrackEnd() override {
        ++trackEnds;
        if (onTrackEnd)
            onTrackEnd();
    }
    void OnTimeDisplay() override { ++displays; }
    void OnPollError(std::exception_ptr) override { ++errors; }

    std::atomic<int> updates{0};
    std::atomic<int> trackEnds{0};
    std::atomic<int> displays{0};
    std::atomic<int> errors{0};
    std::function<void()> onUpdate;
    std::function<void()> onTrackEnd;
};

class TEngineSyncTest : public ::testing::Test {
protected:
    TEngineSyncTest() {
        facade.SelectEngine(kEngineBass);
        sync.Interval = 5;
    }

    AudioRig rig;
    TMasterEngine facade{rig.library, 0};
    SharedPlayback shared;
    CountingHandlers handlers;
    dispatch::TaskThread mainThread;
    TEngineSync sync{facade, shared, handlers, mainThread.dispatcher()};
};

TEST_F(TEngineSyncTest, StartsSuspendedAndFollowsTheEngine) {
    std::this_thread::sleep_for(30ms);
    EXPECT_TRUE(sync.Suspended());
    EXPECT_EQ(handlers.updates, 0);

    facade.Play(engineFixture("long_tone.ogg").string(), 3000, false);
    shared.CurrentTrack = 1;
    sync.Resume();
    ASSERT_TRUE(eventually([&] { return handlers.displays >= 2; }));
    EXPECT_EQ(shared.State, 1);
    EXPECT_EQ(shared.Position, 3000);
    EXPECT_EQ(handlers.trackEnds, 0);
}

TEST_F(TEngineSyncTest, TrackEndRunsOnceAndThePollerSuspendsWhenNoTrackIsLeft) {
    // The end handler of the last row stops: no current track any more.
    handlers.onTrackEnd = [&] { shared.CurrentTrack = 0; };
    facade.Play(engineFixture("tone_1k.ogg").string(), 0, false);
    shared.CurrentTrack = 1;
    sync.Resume();
    rig.run(2100ms);
    ASSERT_TRUE(eventually([&] { return sync.Suspended(); }));
    const int updates = handlers.updates;
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(handlers.trackEnds, 1);
    EXPECT_EQ(handlers.updates, updates) << "suspended: no more polls";
    EXPECT_EQ(shared.State, 0);
}

TEST_F(TEngineSyncTest, AResumeDuringThePollThatSuspendsStillWakesIt) {
    // The first poll sees no current track; a play resumes the poller before that poll decides to suspend.
    handlers.onUpdate = [&] {
        if (handlers.updates == 1)
            sync.Resume();
    };
    sync.Resume();
    ASSERT_TRUE(eventually([&] { return handlers.updates >= 2; }));
    ASSERT_TRUE(eventually([&] { return sync.Suspended(); })) << "with no track it suspends after all";
}

TEST_F(TEngineSyncTest, EveryResumeIsFollowedByAPollHoweverItMeetsTheSuspension) {
    sync.Interval = 0;
    // Nothing plays, so every poll ends the track, which leaves no current track: the poller keeps
    // suspending itself while the main thread keeps resuming it.
    handlers.onTrackEnd = [&] { shared.CurrentTrack = 0; };
    for (int round = 0; round < 300; ++round) {
        const int before = handlers.updates;
        shared.CurrentTrack = 1;
        sync.Resume();
        ASSERT_TRUE(eventually([&] { return handlers.updates > before; }))
            << "lost wake-up in round " << round;
    }
}

TEST_F(TEngineSyncTest, SuspendAndResumeFromOutside) {
    shared.CurrentTrack = 1;
    sync.Resume();
    ASSERT_TRUE(eventually([&] { return handlers.updates >= 1; }));
    sync.Suspend();
    std::this_thread::sleep_for(20ms);
    const int updates = handlers.updates;
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(handlers.updates, updates);
    sync.Resume();
    ASSERT_TRUE(eventually([&] { return handlers.updates > updates; }));
}

TEST_F(TEngineSyncTest, AFailingHandlerIsReportedAndPollingGoesOn) {
    handlers.onUpdate = [&] {
        if (handlers.updates == 1)
            throw std::runtime_error("switch-off failed");
    };
    shared.CurrentTrack = 1;
    sync.Resume();
    ASSERT_TRUE(eventually([&] { return handlers.updates >= 3; }));
    EXPECT_EQ(handlers.errors, 1);
}

TEST(TEngineSyncStop, StopJoinsEvenWhileThePollerWaitsForTheMainThread) {
    AudioRig rig;
    TMasterEngine facade(rig.library, 0);
    SharedPlayback shared;
    shared.CurrentTrack = 1;
    CountingHandlers handlers;
    dispatch::TaskQueue dispatcher;
    {
        TEngineSync sync(facade, shared, handlers, dispatcher);
        sync.Interval = 5;
        sync.Resume();
        ASSERT_TRUE(eventually([&] { return dispatcher.pending() == 1; }));
        // The main thread quits instead of serving the poller's call.
        sync.Stop();
    }
    dispatcher.runDue();
    EXPECT_EQ(handlers.updates, 0) << "an abandoned call never runs";
}

TEST(TEngineSyncStop, CallsAreServedByTheMainThreadInOrder) {
    AudioRig rig;
    TMasterEngine facade(rig.library, 0);
    facade.SelectEngine(kEngineBass);
    SharedPlayback shared;
    shared.CurrentTrack = 1;
    CountingHandlers handlers;
    dispatch::TaskQueue dispatcher;
    TEngineSync sync(facade, shared, handlers, dispatcher);
    sync.Interval = 1;
    sync.Resume();
    // Stopped engine: every poll asks for the position update, then the track end, then the time display.
    for (int served = 0; served < 6; ++served) {
        ASSERT_TRUE(eventually([&] { return dispatcher.pending() == 1; }));
        dispatcher.runDue();
    }
    EXPECT_EQ(handlers.updates, 2);
    EXPECT_EQ(handlers.trackEnds, 2);
    EXPECT_EQ(handlers.displays, 2);
    sync.Stop();
}

} // namespace
} // namespace kavrel::test
