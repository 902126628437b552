#pragma once
// The copier's worker thread: copies the tracks of a playlist into artist and album folders under the
// destination, named from their tags. Pause, resume and stop are cooperative, checked between blocks of
// a file; reports reach the listener through the main-thread dispatcher; sources are only read.
#include "platform/dispatch/dispatcher.h"
#include "tools/copy_job.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace kavrel::tools {

class CopyReports;

class TFileRenamer final : public CopyJob {
public:
    enum class Start { Running, Paused };
    // Main thread; the worker starts at once. A worker started paused reports its totals and waits for
    // resume() before the first file.
    TFileRenamer(dispatch::MainThreadDispatcher& dispatcher, CopyRequest request, CopyListener& listener,
                 Start start = Start::Running);
    // Stops and joins.
    ~TFileRenamer() override;
    TFileRenamer(const TFileRenamer&) = delete;
    TFileRenamer& operator=(const TFileRenamer&) = delete;

    void pause() override;
    void resume() override;
    bool paused() const override { return paused_; }
    void stop() override;

private:
    void run();
    // Worker thread: waits while paused; false once stopped.
    bool keepGoing();

    CopyRequest request_;
    std::shared_ptr<CopyReports> reports_;
    std::atomic<bool> paused_ = false;
    std::atomic<bool> stopped_ = false;
    std::mutex pauseMutex_;
    std::condition_variable pauseChanged_;
    std::thread worker_;
};

// Starts TFileRenamer jobs reporting through one dispatcher.
class FileRenamerStarter final : public CopyJobStarter {
public:
    explicit FileRenamerStarter(dispatch::MainThreadDispatcher& dispatcher) : dispatcher_(dispatcher) {}
    std::unique_ptr<CopyJob> start(CopyRequest request, CopyListener& listener) override;

private:
    dispatch::MainThreadDispatcher& dispatcher_;
};

} // namespace kavrel::tools
