// The device sink when its output device goes away mid-track and comes back, on a stand-in device that
// pulls on the real-time clock like a sound card and can be unplugged.
#include "audio_test_support.h"
#include "platform/audio/audio_core.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <numbers>
#include <thread>

namespace kavrel::audio {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kRate = 44100;

// What every opening of the stand-in device shares: whether a device is there, and what was heard.
struct Socket {
    std::atomic<bool> present{true};
    std::atomic<int> opens{0};
    std::atomic<std::int64_t> soundingFrames{0}; // frames above silence that reached any device
};

class FakeDevice final : public OutputDevice {
public:
    explicit FakeDevice(Socket& socket, std::atomic<FakeDevice*>& current)
        : socket_(socket), current_(current) {
        current_ = this;
    }
    ~FakeDevice() override {
        close();
        current_ = nullptr;
    }

    int open(int rate, bool, RenderFunction render) override {
        if (!socket_.present)
            return 0;
        ++socket_.opens;
        rate_ = rate;
        render_ = std::move(render);
        lost_ = false;
        return rate;
    }
    void start() override {
        stopping_ = false;
        thread_ = std::thread([this] { pull(); });
    }
    bool playing() override { return thread_.joinable() && !lost_; }
    void close() override {
        stopping_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    std::string lastError() override { return "no device in the socket"; }

    // The device disappears: it stops pulling and, when `reports`, says so as SDL does.
    void unplug(bool reports) {
        socket_.present = false;
        silent_ = true;
        lost_ = reports;
    }

private:
    void pull() {
        const std::size_t frames = rate_ / 100;
        std::vector<float> block(frames * 2);
        auto due = Clock::now();
        while (!stopping_) {
            if (!silent_) {
                render_(block.data(), frames);
                for (std::size_t frame = 0; frame < frames; ++frame)
                    if (std::abs(block[2 * frame]) > 0.01f)
                        ++socket_.soundingFrames;
            }
            due += 10ms;
            std::this_thread::sleep_until(due);
        }
        silent_ = false;
    }

    Socket& socket_;
    std::atomic<FakeDevice*>& current_;
    int rate_ = 0;
    RenderFunction render_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> silent_{false};
    std::atomic<bool> lost_{false};
};

class DeviceSinkTest : public ::testing::Test {
protected:
    std::unique_ptr<AudioEngine> engine() {
        EngineOptions options;
        options.sink = SinkKind::Device;
        options.sampleRate = kRate;
        options.device = [this] { return std::make_unique<FakeDevice>(socket, device); };
        auto made = std::make_unique<AudioEngine>(options);
        EXPECT_EQ(made->activeSink(), SinkKind::Device);
        return made;
    }

    // A one-second tone; its sounding frames show whether all of it was heard, once.
    ChannelHandle openTone(AudioEngine& audio) {
        const auto file = folder / "tone.wav";
        if (!std::filesystem::exists(file))
            test::writeWav(file, kRate, 2, kRate,
                           [](double t, int) { return 0.5 * std::sin(2 * std::numbers::pi * 440 * t); });
        const ChannelHandle channel = audio.openFile(file);
        EXPECT_NE(channel, 0u);
        audio.setEndCallback(channel, [this](ChannelHandle) {
            std::lock_guard lock(mutex);
            ended = Clock::now();
            endSignal.notify_all();
        });
        return channel;
    }

    // Seconds from `start` to the track's end, or a large number when it never ends.
    double secondsToEnd(Clock::time_point start) {
        std::unique_lock lock(mutex);
        endSignal.wait_for(lock, 10s, [this] { return ended.has_value(); });
        const double seconds = ended ? std::chrono::duration<double>(*ended - start).count() : 1e9;
        ended.reset();
        return seconds;
    }

    kavrel::test::TempDir folder;
    Socket socket;
    std::atomic<FakeDevice*> device{nullptr};
    std::mutex mutex;
    std::condition_variable endSignal;
    std::optional<Clock::time_point> ended;
};

TEST_F(DeviceSinkTest, ALostDeviceMidTrackStillLetsTheTrackEndAndPlaysOnFromTheSamePlace) {
    struct Case {
        const char* name;
        bool deviceReportsLoss;
        bool anotherDeviceOpens;
    };
    for (const Case& c : {Case{"lost, another opens", true, true}, Case{"lost, none left", true, false},
                          Case{"stops pulling without a word", false, true}}) {
        SCOPED_TRACE(c.name);
        socket.present = true;
        socket.opens = 0;
        socket.soundingFrames = 0;
        auto audio = engine();
        const ChannelHandle channel = openTone(*audio);
        const auto start = Clock::now();
        ASSERT_TRUE(audio->play(channel, true));

        std::this_thread::sleep_for(400ms);
        device.load()->unplug(c.deviceReportsLoss);
        socket.present = c.anotherDeviceOpens;

        // A lost device is noticed within 50 ms, a silent one within half a second; the rest is room for a
        // loaded machine (without the sink's care the track never ends at all).
        const double reopenAllowance = c.deviceReportsLoss ? 0.3 : 0.8;
        constexpr double kLoadedMachine = 1.0;
        const double seconds = secondsToEnd(start);
        EXPECT_GT(seconds, 0.95);
        EXPECT_LT(seconds, 1.0 + reopenAllowance + kLoadedMachine) << "the track did not end in time";
        EXPECT_EQ(socket.opens, c.anotherDeviceOpens ? 2 : 1);
        if (c.anotherDeviceOpens) {
            // Every frame of the tone was heard once: nothing skipped, nothing played again.
            EXPECT_NEAR(socket.soundingFrames.load(), kRate, kRate / 50);
        }
    }
}

TEST_F(DeviceSinkTest, TheNextTrackUsesADeviceThatCameBack) {
    auto audio = engine();
    ChannelHandle channel = openTone(*audio);
    ASSERT_TRUE(audio->play(channel, true));
    std::this_thread::sleep_for(300ms);
    device.load()->unplug(true);
    ASSERT_LT(secondsToEnd(Clock::now()), 2.0) << "the track did not end on the clock";
    EXPECT_EQ(socket.opens, 1);

    socket.present = true;
    socket.soundingFrames = 0;
    audio->free(channel);
    channel = openTone(*audio);
    ASSERT_TRUE(audio->play(channel, true));
    const double seconds = secondsToEnd(Clock::now());
    EXPECT_LT(seconds, 2.5);
    EXPECT_EQ(socket.opens, 2);
    EXPECT_NEAR(socket.soundingFrames.load(), kRate, kRate / 20)
        << "the new track was not heard on the device";
}

} // namespace
} // namespace kavrel::audio
