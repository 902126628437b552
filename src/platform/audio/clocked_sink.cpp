#include "platform/audio/clocked_sink.h"

#include <chrono>
#include <vector>

namespace kavrel::audio {
namespace {

constexpr std::chrono::milliseconds kBlock{10};
constexpr std::chrono::milliseconds kIdlePoll{2};

} // namespace

ClockedSink::ClockedSink(int rate, Pacing pacing, RenderFunction render, Consumer consume, Activity active)
    : rate_(rate), pacing_(pacing), render_(std::move(render)), consume_(std::move(consume)),
      active_(std::move(active)), thread_([this] { run(); }) {}

ClockedSink::~ClockedSink() {
    stopping_ = true;
    thread_.join();
}

void ClockedSink::run() {
    using Clock = std::chrono::steady_clock;
    const auto blockFrames = static_cast<std::size_t>(rate_ * kBlock.count() / 1000);
    std::vector<float> block(blockFrames * 2);
    // Blocks are due at fixed times from the start, so the clock never drifts with the work done.
    auto due = Clock::now();
    while (!stopping_) {
        if (pacing_ == Pacing::AsFastAsPossible && !active_()) {
            std::this_thread::sleep_for(kIdlePoll);
            continue;
        }
        render_(block.data(), blockFrames);
        if (consume_)
            consume_(block.data(), blockFrames);
        if (pacing_ == Pacing::RealTime) {
            due += kBlock;
            const auto now = Clock::now();
            if (due < now - 10 * kBlock)
                due = now; // after a long stall, do not rush to catch up
            std::this_thread::sleep_until(due);
        }
    }
}

} // namespace kavrel::audio
