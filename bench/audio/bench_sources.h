#pragma once
// Audio files the benchmarks play, made once per run in a temporary folder by the ffmpeg program.
#include <filesystem>
#include <string>

namespace kavrel::audio::bench {

// A 60-second stereo 44100 Hz piece (a chord with a slow sweep and some noise, so every band is busy)
// in the given format ("mp3", "ogg", "wma", "wav"); empty when ffmpeg could not make it.
std::filesystem::path musicFile(const std::string& extension);

// 44100 Hz stereo WAV: `silentSeconds` of silence, then a 1 kHz tone to `totalSeconds`.
std::filesystem::path silenceThenTone(double silentSeconds, double totalSeconds);

} // namespace kavrel::audio::bench
