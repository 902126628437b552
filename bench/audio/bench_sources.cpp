#include "bench_sources.h"

#include <cstdlib>
#include <map>
#include <unistd.h>

namespace kavrel::audio::bench {
namespace {

const std::filesystem::path& folder() {
    static const std::filesystem::path path = [] {
        auto candidate =
            std::filesystem::temp_directory_path() / ("kavrel-audio-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(candidate);
        std::atexit([] { std::filesystem::remove_all(folder()); });
        return candidate;
    }();
    return path;
}

std::filesystem::path make(const std::string& name, const std::string& source, const std::string& codec) {
    const auto file = folder() / name;
    if (std::filesystem::exists(file))
        return file;
    const std::string command =
        "ffmpeg -v error -f lavfi -i \"" + source + "\" " + codec + " -y \"" + file.string() + "\"";
    return std::system(command.c_str()) == 0 ? file : std::filesystem::path{};
}

} // namespace

std::filesystem::path musicFile(const std::string& extension) {
    static const std::map<std::string, std::string> codecs = {{"mp3", "-c:a libmp3lame -b:a 192k"},
                                                              {"ogg", "-c:a libvorbis -q:a 5"},
                                                              {"wma", "-c:a wmav2 -b:a 128k"},
                                                              {"wav", "-c:a pcm_s16le"}};
    const auto codec = codecs.find(extension);
    if (codec == codecs.end())
        return {};
    const std::string music =
        "aevalsrc=exprs='0.2*sin(2*PI*220*t)+0.15*sin(2*PI*(330+200*sin(0.3*t))*t)+0.1*sin(2*PI*4400*t)"
        "+0.05*(random(0)-0.5)|0.2*sin(2*PI*277*t)+0.1*sin(2*PI*9000*t)+0.05*(random(1)-0.5)':s=44100:d=60";
    return make("music." + extension, music, codec->second);
}

std::filesystem::path silenceThenTone(double silentSeconds, double totalSeconds) {
    const std::string tone = "0.5*sin(2*PI*1000*t)*gte(t," + std::to_string(silentSeconds) + ")";
    return make("silence_then_tone.wav",
                "aevalsrc=exprs='" + tone + "|" + tone + "':s=44100:d=" + std::to_string(totalSeconds),
                "-c:a pcm_s16le");
}

} // namespace kavrel::audio::bench
