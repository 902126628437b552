// Damaged audio files through the whole channel: open as a stream and as a module, play through the
// sixteen equalizer bands with rate conversion, seek, and play on. Nothing may crash or hang.
#include "fuzz_files.h"
#include "platform/audio/audio_core.h"

#include <array>

namespace {

using namespace kavrel::audio;

AudioEngine& engine() {
    static AudioEngine instance([] {
        EngineOptions options;
        options.sink = SinkKind::Capture;
        options.capture.sampleRate = 48000; // unlike most sources: conversion runs too
        options.capture.keepInMemory = false;
        return options;
    }());
    return instance;
}

void exercise(ChannelHandle channel) {
    if (channel == 0)
        return;
    AudioEngine& audio = engine();
    for (float centre : {80.0f, 1000.0f, 16000.0f})
        audio.addEqualizer(channel, {centre, 10.0f, 12.0f});
    audio.play(channel, true);
    audio.capture()->advance(std::chrono::milliseconds(300));
    if (const auto length = audio.length(channel))
        audio.setPosition(channel, *length / 2);
    audio.capture()->advance(std::chrono::milliseconds(100));
    std::array<float, kFftBins> bins{};
    audio.fft(channel, bins);
    audio.position(channel);
    audio.free(channel);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = kavrel::audio::fuzz::writeScratch("input", data, size);
    exercise(engine().openFile(file));
    exercise(engine().openModule(file));
    return 0;
}
