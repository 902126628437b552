#pragma once
// Carries a copy's reports from the worker to the listener on the main thread. Progress is coalesced:
// while one delivery is queued, newer progress only replaces what it will deliver. Shared by the worker
// and the queued tasks, so a task delivered after the job is gone finds the reports closed and does
// nothing.
#include "platform/dispatch/dispatcher.h"
#include "tools/copy_job.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace kavrel::tools {

class CopyReports : public std::enable_shared_from_this<CopyReports> {
public:
    CopyReports(dispatch::MainThreadDispatcher& dispatcher, CopyListener& listener)
        : dispatcher_(dispatcher), listener_(listener) {}

    // Worker thread; never block.
    void started(int totalFiles, double totalMb);
    void progress(CopyProgress progress);
    void finished(CopyOutcome outcome);
    void failed(std::string message);

    // Main thread: nothing reaches the listener after this.
    void close() { open_ = false; }

private:
    void deliverProgress();

    dispatch::MainThreadDispatcher& dispatcher_;
    CopyListener& listener_;
    std::atomic<bool> open_ = true;
    std::mutex mutex_;
    CopyProgress latest_;
    bool queued_ = false;
};

} // namespace kavrel::tools
