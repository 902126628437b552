#include "platform/audio/read_ahead_decoder.h"

#include <algorithm>

namespace kavrel::audio {
namespace {

constexpr std::int64_t kReadFrames = 4 * 588; // four CD sectors

} // namespace

ReadAheadDecoder::ReadAheadDecoder(std::unique_ptr<Decoder> source, std::int64_t aheadFrames)
    : source_(std::move(source)), info_(source_->info()), length_(source_->lengthFrames()),
      aheadFrames_(aheadFrames), thread_([this] { run(); }) {}

ReadAheadDecoder::~ReadAheadDecoder() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

std::int64_t ReadAheadDecoder::read(float* stereo, std::int64_t frames) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return ended_ || buffered() >= frames; });
    const std::int64_t count = std::min(frames, buffered());
    std::copy_n(buffer_.begin() + static_cast<std::ptrdiff_t>(offset_), count * 2, stereo);
    offset_ += static_cast<std::size_t>(count) * 2;
    if (offset_ * 2 >= buffer_.size()) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(offset_));
        offset_ = 0;
    }
    lock.unlock();
    changed_.notify_all();
    return count;
}

bool ReadAheadDecoder::seek(std::int64_t frame) {
    std::unique_lock lock(mutex_);
    ++generation_;
    buffer_.clear();
    offset_ = 0;
    ended_ = false;
    seekTarget_ = frame;
    seekPending_ = true;
    changed_.notify_all();
    changed_.wait(lock, [&] { return !seekPending_; });
    return seekResult_;
}

void ReadAheadDecoder::run() {
    std::vector<float> chunk(kReadFrames * 2);
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock,
                      [&] { return stopping_ || seekPending_ || (!ended_ && buffered() < aheadFrames_); });
        if (stopping_)
            return;
        if (seekPending_) {
            const std::int64_t target = seekTarget_;
            lock.unlock();
            const bool moved = source_->seek(target);
            lock.lock();
            seekResult_ = moved;
            seekPending_ = false;
            changed_.notify_all();
            continue;
        }
        const unsigned generation = generation_;
        lock.unlock();
        const std::int64_t got = source_->read(chunk.data(), kReadFrames);
        lock.lock();
        if (generation != generation_)
            continue; // a seek came in while reading: these frames are from before it
        buffer_.insert(buffer_.end(), chunk.begin(), chunk.begin() + got * 2);
        ended_ = got == 0;
        changed_.notify_all();
    }
}

} // namespace kavrel::audio
