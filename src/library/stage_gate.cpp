#include "library/stage_gate.h"

namespace kavrel::library {

void StageGate::suspend() {
    const std::lock_guard lock(mutex_);
    suspended_ = true;
}

void StageGate::resume() {
    {
        const std::lock_guard lock(mutex_);
        suspended_ = false;
    }
    wake_.notify_all();
}

void StageGate::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    wake_.notify_all();
}

bool StageGate::pass() {
    if (!suspended_.load())
        return !stopped_.load();
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [&] { return !suspended_ || stopped_; });
    return !stopped_;
}

} // namespace kavrel::library
