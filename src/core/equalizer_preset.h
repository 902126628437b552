#pragma once
// The equalizer preset file: a header line, then one band gain (dB) a line.
#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kavrel::core {

inline constexpr std::string_view kPresetHeader = "Kavrel system File With EP Pef////\\\\\\\\\\ZZZZZZZZZZZ";

// The process-wide equalizer values 1..20 (index 0 is value 1); values 1..16 are the band gains.
using EqualizerValues = std::array<std::int32_t, 20>;

class PresetFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a preset into values. A foreign header sets all 20 values to 0. Otherwise lines 2..17 are strict
// integers, clamped to -15..15, into values 1..16; values 17..20 are left as they are. Throws
// std::system_error when the file cannot be read and PresetFormatError (naming the file and the line) when
// a line is not an integer; values are then unchanged.
void loadEqualizerPreset(const std::filesystem::path& file, EqualizerValues& values);
// The same for the file's text; sourceName names it in errors.
void parseEqualizerPreset(std::string_view text, std::string_view sourceName, EqualizerValues& values);

// Writes the header and values 1..18 atomically; throws std::system_error on failure.
void saveEqualizerPreset(const std::filesystem::path& file, const EqualizerValues& values);

} // namespace kavrel::core
