#pragma once
// A 16-bit stereo PCM WAV file written as audio arrives. The data goes to a temporary file beside the
// target, which finish() completes and renames into place.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace kavrel::audio {

class WavWriter {
public:
    // Throws std::runtime_error naming the file when the temporary file cannot be created.
    WavWriter(std::filesystem::path target, int rate);
    // Without finish(), removes the temporary file: the target is never left half-written.
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Samples are clipped to -1..1.
    void write(const float* stereo, std::size_t frames);
    // False with a message naming the file on any write failure; then the target is untouched.
    bool finish(std::string* error);
    bool finished() const { return file_ == nullptr; }

private:
    void fail(); // keeps the first failure's reason
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    int rate_;
    std::uint64_t dataBytes_ = 0;
    bool failed_ = false;
    std::string reason_;
};

} // namespace kavrel::audio
