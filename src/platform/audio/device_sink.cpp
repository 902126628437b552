#include "platform/audio/clocked_sink.h"
#include "platform/audio/sink.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <errno.h>
#include <mutex>
#include <thread>
#include <utility>

namespace kavrel::audio {
namespace {

using Clock = std::chrono::steady_clock;

// How often the sink looks at its device, and how long a device may stop pulling before it counts as
// lost even though it does not say so.
constexpr std::chrono::milliseconds kWatchInterval{50};
constexpr std::chrono::milliseconds kStallLimit{500};

void notice(const char* what, const std::string& reason = {}) {
    if (reason.empty())
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, what);
    else
        std::fprintf(stderr, "%s: %s (%s)\n", program_invocation_short_name, what, reason.c_str());
}

// Plays on the output device and keeps playing when it goes: the rate never changes (channels were made
// for it), and the render function is called by one thread at a time, the device's or the clock's.
class DeviceSink final : public Sink {
public:
    DeviceSink(std::unique_ptr<OutputDevice> device, RenderFunction render)
        : device_(std::move(device)), render_(std::move(render)) {}
    ~DeviceSink() override {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        if (supervisor_.joinable())
            supervisor_.join();
        device_->close();
        clock_.reset();
    }
    DeviceSink(const DeviceSink&) = delete;
    DeviceSink& operator=(const DeviceSink&) = delete;

    bool open(int rate) {
        rate_ = device_->open(rate, false, pullFunction());
        if (rate_ == 0) {
            notice("no sound device opens; playing without sound", device_->lastError());
            return false;
        }
        startDevice();
        supervisor_ = std::thread([this] { supervise(); });
        return true;
    }

    int rate() const override { return rate_; }

    void trackStarting() override {
        {
            std::lock_guard lock(mutex_);
            lookForDevice_ = true;
        }
        wake_.notify_all();
    }

private:
    RenderFunction pullFunction() {
        return [this](float* stereo, std::size_t frames) {
            rendering_ = true;
            render_(stereo, frames);
            lastPull_ = Clock::now().time_since_epoch().count();
            rendering_ = false;
        };
    }

    void startDevice() {
        lastPull_ = Clock::now().time_since_epoch().count();
        device_->start();
        onDevice_ = true;
    }

    // A block that takes long to render (a channel waiting on a slow drive) is not the device's stall.
    bool deviceLost() {
        const Clock::time_point lastPull{Clock::duration(lastPull_.load())};
        return !device_->playing() || (!rendering_ && Clock::now() - lastPull > kStallLimit);
    }

    void supervise() {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            wake_.wait_for(lock, kWatchInterval, [this] { return stopping_ || lookForDevice_; });
            if (stopping_)
                break;
            const bool lookForDevice = std::exchange(lookForDevice_, false);
            lock.unlock();
            if (onDevice_ && deviceLost())
                replaceLostDevice();
            else if (!onDevice_ && lookForDevice)
                returnToDevice();
            lock.lock();
        }
    }

    void replaceLostDevice() {
        device_->close();
        if (device_->open(rate_, true, pullFunction()) != 0) {
            startDevice();
            notice("the sound device was lost; playing on the default device");
            return;
        }
        onDevice_ = false;
        clock_ = std::make_unique<ClockedSink>(rate_, ClockedSink::Pacing::RealTime, pullFunction(), nullptr,
                                               nullptr);
        notice("the sound device was lost and no other opens; playing on without sound",
               device_->lastError());
    }

    // Opened paused, so the clock can stop before the device pulls.
    void returnToDevice() {
        if (device_->open(rate_, true, pullFunction()) == 0)
            return;
        clock_.reset();
        startDevice();
        notice("a sound device is back; playing on it");
    }

    std::unique_ptr<OutputDevice> device_;
    RenderFunction render_;
    int rate_ = 0;
    std::atomic<Clock::rep> lastPull_{0}; // when the device last took a block
    std::atomic<bool> rendering_{false};

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    bool lookForDevice_ = false;

    // The supervisor's own; the destructor touches them only after it has ended.
    bool onDevice_ = false;
    std::unique_ptr<ClockedSink> clock_;
    std::thread supervisor_;
};

} // namespace

std::unique_ptr<Sink> openDeviceSink(int rate, RenderFunction render, const OutputDeviceFactory& device) {
    auto sink = std::make_unique<DeviceSink>(device ? device() : openSdlOutputDevice(), std::move(render));
    if (!sink->open(rate))
        return nullptr;
    return sink;
}

} // namespace kavrel::audio
