#include "platform/audio/end_events.h"

namespace kavrel::audio {

EndEvents::EndEvents(Deliver deliver) : deliver_(std::move(deliver)), thread_([this] { run(); }) {}

EndEvents::~EndEvents() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    changed_.notify_all();
    thread_.join();
}

void EndEvents::post(ChannelHandle channel) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(channel);
    }
    changed_.notify_all();
}

void EndEvents::awaitIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stopping_ || (queue_.empty() && delivering_ == 0); });
}

void EndEvents::awaitNotDelivering(ChannelHandle channel) {
    if (std::this_thread::get_id() == thread_.get_id())
        return;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return delivering_ != channel; });
}

void EndEvents::run() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_)
            return;
        // Marked as delivering before the callback is looked up, so a free() that returns after
        // awaitNotDelivering() can never be followed by its callback.
        delivering_ = queue_.front();
        queue_.pop_front();
        lock.unlock();
        const ChannelHandle channel = delivering_;
        deliver_(channel);
        lock.lock();
        delivering_ = 0;
        changed_.notify_all();
    }
}

} // namespace kavrel::audio
