#pragma once
// Converts interleaved stereo float from a channel's rate to the sink's rate, holding what is ready.
#include <cstddef>
#include <memory>
#include <vector>

struct SwrContext;

namespace kavrel::audio {

class RateConverter {
public:
    RateConverter(int inputRate, int outputRate);
    ~RateConverter();
    RateConverter(const RateConverter&) = delete;
    RateConverter& operator=(const RateConverter&) = delete;

    void push(const float* stereo, std::size_t frames);
    // Pushes out what the converter still holds at the end of the input.
    void drain();
    // Moves up to `frames` converted frames out; returns how many.
    std::size_t pull(float* stereo, std::size_t frames);
    std::size_t ready() const { return (ready_.size() - readOffset_) / 2; }
    // Forgets all input and output (after a seek).
    void reset();

private:
    struct SwrFreer {
        void operator()(SwrContext* context) const;
    };
    void start();
    void append(const float* input, std::size_t frames);

    int inputRate_;
    int outputRate_;
    std::unique_ptr<SwrContext, SwrFreer> swr_; // none when the rates are equal
    std::vector<float> ready_;
    std::size_t readOffset_ = 0; // samples of ready_ already pulled
};

} // namespace kavrel::audio
