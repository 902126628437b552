#include "library/stage_thread.h"

#include <exception>

#include "library/tag_and_lib.h"

namespace kavrel::library {

TStageThread::~TStageThread() {
    Join();
}

void TStageThread::Join() {
    if (thread_.joinable())
        thread_.join();
}

void TStageThread::Start(std::unique_ptr<TStageThread> previous) {
    previous_ = std::move(previous);
    thread_ = std::thread([this] { run(); });
}

void TStageThread::run() {
    if (previous_)
        previous_->Join();
    previous_.reset();
    try {
        Execute();
    } catch (const std::exception& error) {
        builder_.progress().buildFailed(error.what());
    }
}

} // namespace kavrel::library
