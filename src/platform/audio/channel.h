#pragma once
// One playing source: decoder, equalizer filters, spectrum window and rate conversion to the sink,
// with its play state and the position of what has reached the sink. Every member locks the channel,
// so the sink thread and control calls may use it at once.
#include "platform/audio/audio_types.h"
#include "platform/audio/decoder.h"
#include "platform/audio/equalizer_chain.h"
#include "platform/audio/rate_converter.h"
#include "platform/audio/spectrum_window.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kavrel::audio {

class Channel {
public:
    Channel(std::unique_ptr<Decoder> decoder, int sinkRate);

    const ChannelInfo& info() const { return info_; }
    bool playing() const { return state_.load() == ChannelState::Playing; }
    ChannelState state() const { return state_.load(); }

    void play(bool restart);
    bool pause();
    void stop();

    std::optional<std::int64_t> lengthFrames() const;
    std::int64_t positionFrames() const;
    void seek(std::int64_t frame);

    void addFilter(FilterHandle id, PeakingEqParams params);
    bool setFilter(FilterHandle id, PeakingEqParams params);
    std::optional<PeakingEqParams> filter(FilterHandle id) const;
    bool removeFilter(FilterHandle id);

    void spectrum(std::span<float, kFftBins> out);

    // 0..1, glided across the next rendered block.
    void setGain(float gain) { gain_ = gain; }
    float gain() const { return gain_.load(); }
    std::optional<std::string> moduleFormat() const;
    bool setStereoSeparation(double separation);

    struct Rendered {
        std::size_t frames = 0; // written to the start of the buffer
        bool ended = false;     // the last frame of the source is among them (or was already out)
    };
    // Sink thread: the next frames at the sink rate, when playing. On the end the state becomes Stopped.
    Rendered render(float* stereo, std::size_t frames);

private:
    bool decodeChunk(); // false at the end of the source
    void seekLocked(std::int64_t frame);
    void applyGain(float* stereo, std::size_t frames);

    mutable std::mutex mutex_;
    std::unique_ptr<Decoder> decoder_;
    ChannelInfo info_;
    int sinkRate_;
    std::atomic<ChannelState> state_{ChannelState::Stopped};
    std::atomic<float> gain_{1.0f};
    float appliedGain_ = 1.0f; // the gain the last rendered block ended at
    EqualizerChain equalizer_;
    SpectrumWindow spectrum_;
    RateConverter converter_;
    std::vector<float> chunk_;
    std::int64_t base_ = 0;      // source frame the sink output counts from (last seek)
    std::int64_t decoded_ = 0;   // source frames decoded since base_
    std::int64_t delivered_ = 0; // sink frames delivered since base_
    bool sourceEnded_ = false;
    bool atEnd_ = false; // played through; the next play starts again
};

} // namespace kavrel::audio
