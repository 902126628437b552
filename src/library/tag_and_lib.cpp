#include "library/tag_and_lib.h"

#include "library/file_finder.h"
#include "library/stage_thread.h"

namespace kavrel::library {

CTagAndLib::CTagAndLib(dispatch::MainThreadDispatcher& dispatcher, BuildProgress& progress,
                       text::LocaleCollator collator)
    : progress_(BuildProgressRelay::create(dispatcher, progress)), collator_(std::move(collator)) {}

CTagAndLib::~CTagAndLib() {
    Stop();
}

void CTagAndLib::Start() {
    handOver(std::make_unique<TFileFinder>(*this));
}

void CTagAndLib::Suspend() {
    gate_.suspend();
}
void CTagAndLib::Resume() {
    gate_.resume();
}
bool CTagAndLib::IsSuspended() const {
    return gate_.isSuspended();
}

void CTagAndLib::Stop() {
    std::unique_ptr<TStageThread> running;
    {
        const std::lock_guard lock(chainMutex_);
        stopped_ = true;
        running = std::move(currentStage_);
    }
    progress_->detach();
    gate_.stop();
    if (running)
        running->Join();
    running.reset();
}

void CTagAndLib::handOver(std::unique_ptr<TStageThread> next) {
    const std::lock_guard lock(chainMutex_);
    if (stopped_)
        return;
    auto* stage = next.get();
    std::unique_ptr<TStageThread> previous = std::move(currentStage_);
    currentStage_ = std::move(next);
    stage->Start(std::move(previous));
}

} // namespace kavrel::library
