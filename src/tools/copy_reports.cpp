#include "tools/copy_reports.h"

namespace kavrel::tools {

void CopyReports::started(int totalFiles, double totalMb) {
    dispatcher_.post([self = shared_from_this(), totalFiles, totalMb] {
        if (self->open_)
            self->listener_.copyStarted(totalFiles, totalMb);
    });
}

void CopyReports::progress(CopyProgress progress) {
    std::lock_guard lock(mutex_);
    latest_ = std::move(progress);
    if (queued_)
        return;
    queued_ = true;
    dispatcher_.post([self = shared_from_this()] { self->deliverProgress(); });
}

void CopyReports::deliverProgress() {
    CopyProgress progress;
    {
        std::lock_guard lock(mutex_);
        progress = latest_;
        queued_ = false;
    }
    if (open_)
        listener_.copyProgress(progress);
}

void CopyReports::finished(CopyOutcome outcome) {
    dispatcher_.post([self = shared_from_this(), outcome = std::move(outcome)] {
        if (self->open_)
            self->listener_.copyFinished(outcome);
    });
}

void CopyReports::failed(std::string message) {
    dispatcher_.post([self = shared_from_this(), message = std::move(message)] {
        if (self->open_)
            self->listener_.copyFailed(message);
    });
}

} // namespace kavrel::tools
