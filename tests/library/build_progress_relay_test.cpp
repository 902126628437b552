#include "library/build_progress_relay.h"

#include <gtest/gtest.h>

#include "platform/dispatch/task_queue.h"

namespace kavrel::library {
namespace {

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
    dispatch::TaskQueue dispatcher;
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
    EXPECT_EQ(dispatcher.pending(), 1u) << "one delivery is pending at a time";
    dispatcher.runDue();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"running 1", "files 1000", "line /m/1000", "done 1",
                                                     "range 10", "position 5", "running 2"}));
}

TEST(BuildProgressRelay, ValuesAloneArePostedAtMostOncePerInterval) {
    dispatch::TaskQueue dispatcher;
    Log log;
    const auto relay = BuildProgressRelay::create(dispatcher, log, std::chrono::hours(1));
    relay->foundFiles(1);
    dispatcher.runDue();
    relay->foundFiles(2);
    relay->foundFiles(3);
    dispatcher.runDue();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"files 1"})) << "the rest waits for the interval's end";
    relay->librarySaved();
    dispatcher.runDue();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"files 1", "files 3", "saved"}))
        << "an event does not wait for the interval";
}

TEST(BuildProgressRelay, TheLastValueOfAStalledStageArrivesAtTheIntervalsEnd) {
    dispatch::TaskQueue dispatcher;
    Log log;
    const auto relay = BuildProgressRelay::create(dispatcher, log, std::chrono::milliseconds(500));
    relay->foundFiles(1);
    dispatcher.runDue();
    relay->foundFiles(2);
    relay->fileNameLine("/m/2");
    // Nothing more comes: the stage is busy with one long file.
    dispatcher.runDue();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"files 1"}));
    dispatcher.runFor(std::chrono::milliseconds(1500));
    EXPECT_EQ(log.entries, (std::vector<std::string>{"files 1", "files 2", "line /m/2"}));
    EXPECT_EQ(dispatcher.pending(), 0u);
}

TEST(BuildProgressRelay, NothingArrivesAfterDetach) {
    dispatch::TaskQueue dispatcher;
    Log log;
    auto relay = BuildProgressRelay::create(dispatcher, log);
    relay->stageRunning(BuildStage::FindingFiles);
    relay->detach();
    relay.reset();
    dispatcher.runDue();
    EXPECT_TRUE(log.entries.empty());
}

} // namespace
} // namespace kavrel::library
