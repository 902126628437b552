#pragma once
// The engine's event thread: delivers end-of-stream notices posted by the sink thread, one at a time,
// outside every lock of the engine.
#include "platform/audio/audio_types.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace kavrel::audio {

class EndEvents {
public:
    using Deliver = std::function<void(ChannelHandle)>;

    explicit EndEvents(Deliver deliver);
    // Drops what is still queued and joins the thread (waiting for a delivery in progress).
    ~EndEvents();
    EndEvents(const EndEvents&) = delete;
    EndEvents& operator=(const EndEvents&) = delete;

    void post(ChannelHandle channel);
    // Returns once nothing is queued and nothing is being delivered.
    void awaitIdle();
    // Returns once no delivery for `channel` is in progress; at once when called from the event thread.
    // A delivery starting later must look the channel up again (see deliverNext).
    void awaitNotDelivering(ChannelHandle channel);

private:
    void run();

    Deliver deliver_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<ChannelHandle> queue_;
    ChannelHandle delivering_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace kavrel::audio
