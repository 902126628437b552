// The CD reader plug-in: the audio core's CD decoder behind the plug-in's C entry points.
#include "cd_reader_api.h"

#include "platform/audio/cd_decoder.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using kavrel::audio::Decoder;

void* openTrack(const char* source, int trackIndex, char* error, size_t errorSize) {
    std::string reason;
    std::unique_ptr<Decoder> decoder;
    try {
        decoder = kavrel::audio::openCdDecoder(source ? source : "", trackIndex, &reason);
    } catch (const std::exception& failure) {
        reason = failure.what();
    }
    if (!decoder && error && errorSize > 0) {
        const std::size_t length = std::min(reason.size(), errorSize - 1);
        std::memcpy(error, reason.data(), length);
        error[length] = '\0';
    }
    return decoder.release();
}

int64_t lengthFrames(void* track) {
    return static_cast<Decoder*>(track)->lengthFrames().value_or(-1);
}

int64_t readFrames(void* track, float* stereo, int64_t frames) {
    return static_cast<Decoder*>(track)->read(stereo, frames);
}

int seekTo(void* track, int64_t frame) {
    return static_cast<Decoder*>(track)->seek(frame) ? 1 : 0;
}

void closeTrack(void* track) {
    delete static_cast<Decoder*>(track);
}

constexpr KavrelCdReaderApi kApi{KAVREL_CD_READER_ABI, openTrack, lengthFrames,
                                 readFrames,           seekTo,    closeTrack};

} // namespace

extern "C" __attribute__((visibility("default"))) const KavrelCdReaderApi* kavrel_cd_reader() {
    return &kApi;
}
