#pragma once
// Runs a copy job to its end on a test's own main thread and records what the listener heard.
#include "platform/dispatch/task_queue.h"
#include "tools/copy_job.h"

#include <chrono>
#include <optional>

namespace kavrel::tools::test {

class RecordingListener : public CopyListener {
public:
    void copyStarted(int totalFiles, double totalMb) override {
        ++starts;
        this->totalFiles = totalFiles;
        this->totalMb = totalMb;
    }
    void copyProgress(const CopyProgress& progress) override { last = progress; }
    void copyFinished(const CopyOutcome& outcome) override { finished = outcome; }
    void copyFailed(const std::string& message) override { failure = message; }

    bool ended() const { return finished || failure; }

    int starts = 0;
    int totalFiles = -1;
    double totalMb = -1;
    std::optional<CopyProgress> last;
    std::optional<CopyOutcome> finished;
    std::optional<std::string> failure;
};

// Runs the queue until the listener heard the end, at most a few seconds.
inline void runUntilEnded(dispatch::TaskQueue& queue, const RecordingListener& listener) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!listener.ended() && std::chrono::steady_clock::now() < limit)
        queue.runFor(std::chrono::milliseconds(5));
}

} // namespace kavrel::tools::test
