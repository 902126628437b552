#pragma once
// The copier window's view of a running copy: what it reports and how it is paused and stopped. The
// window binds to these, the worker thread implements them, and the window's tests fake them.
#include "tools/copy_plan.h"

#include <memory>
#include <string>
#include <vector>

namespace kavrel::tools {

struct CopyRequest {
    std::string destination;
    CopyChoices choices;
    std::vector<CopyEntry> entries;
};

struct CopyProgress {
    int copiedFiles = 0;
    double copiedMb = 0;
    // Files done, copied or not: the progress bar's value.
    int processedFiles = 0;
    std::string currentSource;
};

struct CopyOutcome {
    int totalFiles = 0;
    int copiedFiles = 0;
    double copiedMb = 0;
    // Tracks without a source file, or whose file no longer exists.
    int skippedFiles = 0;
    // Each failed copy: its source path and why.
    std::vector<std::string> failures;
};

// Called on the main thread only, in this order: started, any number of progress reports (the latest
// wins when they come faster than the main thread takes them), then finished or failed. Nothing is
// called after the job was stopped.
class CopyListener {
public:
    virtual ~CopyListener() = default;
    virtual void copyStarted(int totalFiles, double totalMb) = 0;
    virtual void copyProgress(const CopyProgress& progress) = 0;
    virtual void copyFinished(const CopyOutcome& outcome) = 0;
    // The run ended early; `message` says why, for the user.
    virtual void copyFailed(const std::string& message) = 0;
};

// Main thread; none of these block except stop().
class CopyJob {
public:
    virtual ~CopyJob() = default;
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual bool paused() const = 0;
    // Ends the copy and waits for it; a file being copied is abandoned and leaves nothing behind.
    virtual void stop() = 0;
};

class CopyJobStarter {
public:
    virtual ~CopyJobStarter() = default;
    // Main thread. The listener must outlive the job.
    virtual std::unique_ptr<CopyJob> start(CopyRequest request, CopyListener& listener) = 0;
};

} // namespace kavrel::tools
