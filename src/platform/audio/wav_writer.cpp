#include "platform/audio/wav_writer.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace kavrel::audio {
namespace {

constexpr int kHeaderBytes = 44;

void putLe(std::array<unsigned char, kHeaderBytes>& header, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        header[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

std::array<unsigned char, kHeaderBytes> header(int rate, std::uint64_t dataBytes) {
    const auto data = static_cast<std::uint32_t>(std::min<std::uint64_t>(dataBytes, 0xFFFFFFFFu - 36));
    std::array<unsigned char, kHeaderBytes> bytes{
        'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 0,   0,   0,   0,
        0,   0,   0,   0,   0, 0, 0, 0, 0,   0,   0,   0,   0,   0,   0,   0,   'd', 'a', 't', 'a'};
    putLe(bytes, 4, 36 + data, 4);
    putLe(bytes, 16, 16, 4);                               // fmt chunk size
    putLe(bytes, 20, 1, 2);                                // PCM
    putLe(bytes, 22, 2, 2);                                // channels
    putLe(bytes, 24, static_cast<std::uint32_t>(rate), 4); // frames per second
    putLe(bytes, 28, static_cast<std::uint32_t>(rate) * 4, 4);
    putLe(bytes, 32, 4, 2);  // bytes per frame
    putLe(bytes, 34, 16, 2); // bits per sample
    putLe(bytes, 40, data, 4);
    return bytes;
}

} // namespace

WavWriter::WavWriter(std::filesystem::path target, int rate)
    : target_(std::move(target)), temporary_(target_), rate_(rate) {
    temporary_ += ".part";
    file_ = std::fopen(temporary_.c_str(), "wb");
    if (!file_) {
        const int error = errno; // taken before building the message, which may allocate and change it
        throw std::runtime_error("cannot create " + temporary_.string() + ": " + std::strerror(error));
    }
    const auto placeholder = header(rate_, 0);
    if (std::fwrite(placeholder.data(), 1, placeholder.size(), file_) != placeholder.size())
        fail();
}

WavWriter::~WavWriter() {
    if (file_) {
        std::fclose(file_);
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void WavWriter::write(const float* stereo, std::size_t frames) {
    if (!file_ || failed_)
        return;
    std::vector<unsigned char> bytes(frames * 4);
    for (std::size_t i = 0; i < frames * 2; ++i) {
        const float clipped = std::clamp(stereo[i], -1.0f, 1.0f);
        const auto value = static_cast<std::int16_t>(std::lrint(clipped * 32767.0f));
        bytes[2 * i] = static_cast<unsigned char>(value & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        fail();
    dataBytes_ += bytes.size();
}

void WavWriter::fail() {
    if (!failed_)
        reason_ = std::strerror(errno);
    failed_ = true;
}

bool WavWriter::finish(std::string* error) {
    if (!file_)
        return true;
    const auto complete = header(rate_, dataBytes_);
    if (!failed_ && (std::fseek(file_, 0, SEEK_SET) != 0 ||
                     std::fwrite(complete.data(), 1, complete.size(), file_) != complete.size() ||
                     std::fflush(file_) != 0 || ::fsync(fileno(file_)) != 0))
        fail();
    if (std::fclose(file_) != 0)
        fail();
    file_ = nullptr;
    std::error_code renameError;
    if (!failed_)
        std::filesystem::rename(temporary_, target_, renameError);
    if (failed_ || renameError) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        if (error)
            *error = "cannot write " + target_.string() + ": " + (failed_ ? reason_ : renameError.message());
        return false;
    }
    return true;
}

} // namespace kavrel::audio
