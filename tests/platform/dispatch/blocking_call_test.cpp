#include "platform/dispatch/blocking_call.h"
#include "platform/dispatch/task_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace kavrel::dispatch {
namespace {

using namespace std::chrono_literals;

TEST(BlockingCalls, TheWorkerWaitsUntilTheMainThreadRanItsTask) {
    TaskQueue mainThread;
    BlockingCalls calls(mainThread);
    int value = 0;
    bool returned = false;
    std::thread worker([&] {
        returned = calls.call([&] { value = 42; });
        // A task that throws still lets the worker go on.
        calls.call([] { throw std::runtime_error("failed"); });
        mainThread.quit();
    });
    try {
        mainThread.run();
    } catch (const std::runtime_error&) {
        mainThread.run();
    }
    worker.join();
    EXPECT_TRUE(returned);
    EXPECT_EQ(value, 42);
}

TEST(BlockingCalls, AnAbandonedCallReturnsAndItsTaskNeverRuns) {
    TaskQueue mainThread;
    BlockingCalls calls(mainThread);
    std::atomic<bool> result{true};
    std::thread worker([&] { result = calls.call([] { FAIL() << "an abandoned task ran"; }); });
    while (mainThread.pending() == 0)
        std::this_thread::sleep_for(1ms);
    // The main thread stops the worker instead of serving it.
    calls.abandonAll();
    worker.join();
    EXPECT_FALSE(result);
    mainThread.runDue();
    EXPECT_FALSE(calls.call([] {})) << "every later call is abandoned at once";
}

} // namespace
} // namespace kavrel::dispatch
