// Damaged cue sheets over a small valid image: the table of contents, the disc id and every track's
// audio. Nothing may crash or hang.
#include "fuzz_files.h"
#include "platform/audio/audio_core.h"
#include "platform/audio/cd_disc.h"

#include <string>
#include <vector>

namespace {

using namespace kavrel::audio;

void writeImage() {
    static const bool written = [] {
        std::vector<std::uint8_t> audio(20 * kCdBytesPerSector);
        for (std::size_t i = 0; i < audio.size(); ++i)
            audio[i] = static_cast<std::uint8_t>(i * 37);
        kavrel::audio::fuzz::writeScratch("disc.bin", audio.data(), audio.size());
        return true;
    }();
    (void)written;
}

AudioEngine& engine() {
    static AudioEngine instance([] {
        EngineOptions options;
        options.sink = SinkKind::Capture;
        options.capture.keepInMemory = false;
        return options;
    }());
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeImage();
    const std::string cue = kavrel::audio::fuzz::writeScratch("disc.cue", data, size).string();
    const std::optional<CdToc> toc = readCdToc(cue);
    if (!toc)
        return 0;
    cddbDiscId(*toc);
    for (int track = 0; track < static_cast<int>(toc->tracks.size()) && track < 4; ++track) {
        const ChannelHandle channel = engine().openCdTrack(cue, track);
        if (channel == 0)
            continue;
        engine().play(channel, true);
        engine().capture()->advance(std::chrono::milliseconds(50));
        engine().free(channel);
    }
    return 0;
}
