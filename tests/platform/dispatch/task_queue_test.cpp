#include "platform/dispatch/task_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace kavrel::dispatch {
namespace {

using namespace std::chrono_literals;

TEST(TaskQueue, RunsTasksWhenTheyFallDueInPostingOrderAmongEquals) {
    TaskQueue queue;
    std::vector<std::string> ran;
    queue.postDelayed(60ms, [&] { ran.push_back("late"); });
    queue.post([&] { ran.push_back("a"); });
    queue.post([&] {
        ran.push_back("b");
        queue.post([&] { ran.push_back("posted by b"); });
    });
    queue.runDue();
    EXPECT_EQ(ran, (std::vector<std::string>{"a", "b"}));
    queue.runDue();
    EXPECT_EQ(ran, (std::vector<std::string>{"a", "b", "posted by b"}));
    EXPECT_EQ(queue.pending(), 1u) << "the delayed task is not due yet";
    queue.runFor(300ms);
    EXPECT_EQ(ran.back(), "late");
    EXPECT_EQ(queue.pending(), 0u);
}

TEST(TaskQueue, RunEndsOnQuitFromAnotherThreadOrOnItsStopCondition) {
    TaskQueue queue;
    int ran = 0;
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i)
            queue.post([&] { ++ran; });
        queue.quit();
    });
    queue.run();
    worker.join();
    EXPECT_LE(ran, 100);
    queue.post([&] { ++ran; });
    const int before = ran;
    queue.runDue();
    EXPECT_EQ(ran, before) << "a queue that quit runs nothing more";

    TaskQueue other;
    std::atomic<bool> stop{false};
    std::thread signaller([&] {
        std::this_thread::sleep_for(50ms);
        stop = true;
    });
    other.run([&] { return stop.load(); });
    signaller.join();
    EXPECT_TRUE(stop);
}

TEST(TaskThread, RunsWhatWorkersPostOnItsOwnThread) {
    std::atomic<bool> done{false};
    std::thread::id ranOn;
    {
        TaskThread mainThread;
        mainThread.dispatcher().post([&] {
            ranOn = std::this_thread::get_id();
            done = true;
        });
        while (!done)
            std::this_thread::sleep_for(1ms);
    }
    EXPECT_NE(ranOn, std::this_thread::get_id());
}

} // namespace
} // namespace kavrel::dispatch
