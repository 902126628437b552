#pragma once
// Runs a slow source (an optical drive: spin-up, seeks, re-reads of scratched sectors) on a thread of
// its own that keeps a few seconds decoded ahead, so the sink thread never waits on the drive while
// playing. Reads wait only at the start and after a seek, until the first frames are there.
#include "platform/audio/decoder.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kavrel::audio {

class ReadAheadDecoder final : public Decoder {
public:
    ReadAheadDecoder(std::unique_ptr<Decoder> source, std::int64_t aheadFrames);
    ~ReadAheadDecoder() override; // stops and joins the reading thread
    ReadAheadDecoder(const ReadAheadDecoder&) = delete;
    ReadAheadDecoder& operator=(const ReadAheadDecoder&) = delete;

    ChannelInfo info() const override { return info_; }
    std::optional<std::int64_t> lengthFrames() const override { return length_; }
    std::int64_t read(float* stereo, std::int64_t frames) override;
    bool seek(std::int64_t frame) override;

private:
    void run();
    std::int64_t buffered() const { return static_cast<std::int64_t>(buffer_.size() - offset_) / 2; }

    std::unique_ptr<Decoder> source_; // used by the reading thread only
    const ChannelInfo info_;
    const std::optional<std::int64_t> length_;
    const std::int64_t aheadFrames_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<float> buffer_; // interleaved stereo
    std::size_t offset_ = 0;    // samples of buffer_ already read
    bool ended_ = false;
    bool seekPending_ = false;
    std::int64_t seekTarget_ = 0;
    bool seekResult_ = true;
    unsigned generation_ = 0; // bumped by each seek; a read that straddles one is dropped
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace kavrel::audio
