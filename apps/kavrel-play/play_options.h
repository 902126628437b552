#pragma once
// The command line of kavrel-play.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kavrel::play {

enum class RepeatMode { Off, One, All };

struct PlayOptions {
    std::string engine = "BASS"; // BASS, FMOD or APOLLO
    // The outside player's program with --engine APOLLO; unset: the one installed beside kavrel-play.
    std::optional<std::filesystem::path> apollo;
    int volume = 1000;
    // Unset: on when a band is given, else off.
    std::optional<bool> equalizer;
    std::vector<std::pair<int, int>> bands; // band 1..16, gain -15..15 dB
    int startMs = 0;
    bool paused = false;
    std::optional<std::filesystem::path> out;
    bool fast = false;
    bool events = false;
    bool cdInfo = false;
    bool help = false;
    std::vector<std::string> files;
    // Playlist mode: plays a ".ppl" list instead of the files.
    std::optional<std::filesystem::path> playlist;
    RepeatMode repeat = RepeatMode::Off;
    bool quickPlay = false;
    bool shufflePlaylist = false;
    std::optional<std::filesystem::path> save;

    bool equalizerOn() const { return equalizer.value_or(!bands.empty()); }
};

// The options, or a message saying what is wrong with the command line.
std::variant<PlayOptions, std::string> parsePlayOptions(const std::vector<std::string_view>& arguments);

extern const char* const kUsage;

} // namespace kavrel::play
