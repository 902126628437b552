#include "core/equalizer_preset.h"

#include "platform/fs/atomic_file.h"
#include "platform/text/lines.h"
#include "platform/text/numbers.h"

#include <algorithm>

namespace kavrel::core {

namespace {
constexpr int kBandsRead = 16;
constexpr int kValuesWritten = 18;
constexpr std::int32_t kGainLimit = 15;
} // namespace

void loadEqualizerPreset(const std::filesystem::path& file, EqualizerValues& values) {
    parseEqualizerPreset(fs::readWholeFile(file), file.string(), values);
}

void parseEqualizerPreset(std::string_view text, std::string_view sourceName, EqualizerValues& values) {
    const std::vector<std::string_view> lines = text::splitLines(text);
    if (lines.empty() || lines[0] != kPresetHeader) {
        values.fill(0);
        return;
    }
    EqualizerValues read = values;
    for (int band = 0; band < kBandsRead; ++band) {
        const std::size_t line = static_cast<std::size_t>(band) + 1;
        const auto gain = line < lines.size() ? text::parseStrictInt(lines[line]) : std::nullopt;
        if (!gain)
            throw PresetFormatError(std::string(sourceName) + ": line " + std::to_string(line + 1) + " (\"" +
                                    std::string(line < lines.size() ? lines[line] : std::string_view()) +
                                    "\") is not a whole number");
        read[band] = std::clamp(*gain, -kGainLimit, kGainLimit);
    }
    values = read;
}

void saveEqualizerPreset(const std::filesystem::path& file, const EqualizerValues& values) {
    std::vector<std::string> lines{std::string(kPresetHeader)};
    for (int i = 0; i < kValuesWritten; ++i)
        lines.push_back(std::to_string(values[i]));
    fs::writeFileAtomically(file, text::joinLinesCrLf(lines));
}

} // namespace kavrel::core
