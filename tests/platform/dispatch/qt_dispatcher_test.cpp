#include "platform/dispatch/blocking_call.h"
#include "platform/dispatch/qt/qt_dispatcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>

#include <chrono>
#include <thread>
#include <vector>

namespace kavrel::dispatch {
namespace {

using namespace std::chrono_literals;

TEST(QtDispatcher, WorkersReachTheEventLoopInOrderAndDelayedTasksWait) {
    int argc = 1;
    char name[] = "dispatch_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    QObject context;
    QtDispatcher dispatcher(context);
    BlockingCalls calls(dispatcher);

    std::vector<int> order;
    std::chrono::steady_clock::duration delayedAfter{};
    std::thread worker([&] {
        dispatcher.post([&] { order.push_back(1); });
        // Synchronous: the worker goes on only after the main thread ran it.
        calls.call([&] { order.push_back(2); });
        order.push_back(3);
        const auto asked = std::chrono::steady_clock::now();
        dispatcher.postDelayed(80ms, [&, asked] {
            delayedAfter = std::chrono::steady_clock::now() - asked;
            QCoreApplication::quit();
        });
    });
    QCoreApplication::exec();
    worker.join();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_GE(delayedAfter, 80ms);
}

} // namespace
} // namespace kavrel::dispatch
