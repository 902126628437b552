#include "library/build_progress_relay.h"

#include <gtest/gtest.h>

#include <deque>

namespace kavrel::library {
namespace {

// Holds posted tasks until the test runs them, like an event loop that is busy.
class HeldDispatcher final : public engine::MainThreadDispatcher {
public:
    void post(std::function<void()> task) override { tasks.push_back(std::move(task)); }
    void runAll() {
        while (!tasks.empty()) {
            auto task = std::move(tasks.front());
            tasks.pop_front();
            task();
        }
    }
    std::deque<std::function<void()>> tasks;
};

class Log final : public BuildProgress {
public:
    void stageRunning(BuildStage stage) override {
        add("running " + std::to_string(static_cast<int>(stage)));
    }
    void stageDone(BuildStage stage) override { add("done " + std::to_string(static_cast<int>(stage))); }
    void progressRange(int maximum) override { add("range " + std::to_string(maximum)); }
    void progressPosition(int position) override { add("position " + std::to_string(position)); }
    void foundFiles(int count) override { add("files " + std::to_string(count)); }
    void fileNameLine(const std::string& text) override { add("line " + text); }
    void librarySaved() override { add("saved"); }
    void add(std::string entry) { entries.push_back(std::move(entry)); }
    std::vector<std::string> entries;
};

TEST(BuildProgressRelay, CoalescesValuesBetweenEventsAndKeepsTheirOrder) {
    HeldDispatcher dispatcher;
    Log log;
    const auto relay = BuildProgressRelay::create(dispatcher, log, std::chrono::hours(1));
    relay->stageRunning(BuildStage::FindingFiles);
    for (int i = 1; i <= 1000; ++i) {
        relay->foundFiles(i);
        relay->fileNameLine("/m/" + std::to_string(i));
    }
    relay->stageDone(BuildStage::FindingFiles);
    relay->progressPosition(5);
    relay->progressRange(10);
    relay->stageRunning(BuildStage::ScaningTags);
    EXPECT_EQ(dispatcher.tasks.size(), 1u) << "one delivery is pending at a time";
    dispatcher.runAll();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"running 1", "files 1000", "line /m/1000", "done 1",
                                                     "range 10", "position 5", "running 2"}));
}

TEST(BuildProgressRelay, ValuesAloneArePostedAtMostOncePerInterval) {
    HeldDispatcher dispatcher;
    Log log;
    const auto relay = BuildProgressRelay::create(dispatcher, log, std::chrono::hours(1));
    relay->foundFiles(1);
    dispatcher.runAll();
    relay->foundFiles(2);
    relay->foundFiles(3);
    EXPECT_TRUE(dispatcher.tasks.empty());
    relay->librarySaved();
    dispatcher.runAll();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"files 1", "files 3", "saved"}));
}

TEST(BuildProgressRelay, NothingArrivesAfterDetach) {
    HeldDispatcher dispatcher;
    Log log;
    auto relay = BuildProgressRelay::create(dispatcher, log);
    relay->stageRunning(BuildStage::FindingFiles);
    relay->detach();
    relay.reset();
    dispatcher.runAll();
    EXPECT_TRUE(log.entries.empty());
}

} // namespace
} // namespace kavrel::library
