#include "playlist/ppl_file.h"

#include "platform/fs/atomic_file.h"
#include "platform/text/lines.h"
#include "platform/text/numbers.h"
#include "platform/text/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace kavrel::playlist {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

[[noreturn]] void throwNotANumber(std::string_view what, std::string_view line) {
    throw PlaylistFileError("the " + std::string(what) + " line \"" + text::decodeLegacyText(line) +
                            "\" is not a number");
}

std::int32_t headerInteger(std::string_view what, std::string_view line) {
    const auto value = text::parseStrictInt(trimmed(line));
    if (!value)
        throwNotANumber(what, line);
    return *value;
}

// Whole or decimal seconds, with "." or "," before the fraction, as ms.
std::int32_t headerPositionMs(std::string_view line) {
    std::string number(trimmed(line));
    if (const auto comma = number.find(','); comma != std::string::npos)
        number[comma] = '.';
    double seconds = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), seconds, std::chars_format::fixed);
    if (number.empty() || error != std::errc{} || end != number.data() + number.size() ||
        !std::isfinite(seconds))
        throwNotANumber("position", line);
    const double ms = seconds * 1000.0;
    if (ms <= 0)
        return 0;
    if (ms >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(text::roundHalfEven(ms));
}

TrackRow rowFromLine(std::string_view line) {
    const std::string text = text::decodeLegacyText(line);
    const library::SongColumns columns = library::splitSongLine(text);
    TrackRow row;
    std::move(columns.begin(), columns.end(), row.begin());
    return row;
}

bool isBlank(std::string_view line) {
    return trimmed(line).empty();
}

} // namespace

std::optional<TPlist> parsePlaylist(std::string_view bytes) {
    const std::vector<std::string_view> lines = text::splitLines(bytes);
    if (lines.empty() || lines[0] != kPlaylistMagic)
        return std::nullopt;
    if (lines.size() < 2 || lines[1] == kEmptyPlaylistLine)
        return std::nullopt;
    const auto header = [&](std::size_t index) {
        return index < lines.size() ? lines[index] : std::string_view{};
    };

    TPlist list;
    list.CurrentIndex = headerInteger("current index", header(2));
    list.PlayState = headerInteger("play state", header(3));
    list.Position = headerPositionMs(header(4));
    list.Rows.reserve(lines.size() > 5 ? lines.size() - 4 : 1);
    for (std::size_t i = 5; i < lines.size(); ++i) {
        // A blank line (say, left by a hand edit) holds no song.
        if (!isBlank(lines[i]))
            list.Rows.push_back(rowFromLine(lines[i]));
    }
    if (list.CurrentIndex < 0 || list.CurrentIndex > list.Count())
        list.CurrentIndex = 0;
    if (list.PlayState < kStopped || list.PlayState > kPaused)
        list.PlayState = kStopped;
    return list;
}

std::optional<TPlist> readPlaylistFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    const std::string bytes = fs::readWholeFile(file);
    try {
        return parsePlaylist(bytes);
    } catch (const PlaylistFileError& failure) {
        throw PlaylistFileError("Cannot read the playlist " + file.string() + ": " + failure.what());
    }
}

std::string formatPlaylist(const TPlist& list) {
    std::string out(kPlaylistMagic);
    out += kLineEnd;
    if (list.Empty()) {
        out += kEmptyPlaylistLine;
        out += kLineEnd;
        return out;
    }
    out += kFilledPlaylistLine;
    out += kLineEnd;
    out += std::to_string(list.CurrentIndex) + kLineEnd;
    out += std::to_string(list.PlayState) + kLineEnd;
    out += std::to_string(text::roundHalfEven(list.Position / 1000.0)) + kLineEnd;
    for (std::int32_t i = 1; i <= list.Count(); ++i) {
        library::SongColumns columns;
        std::copy_n(list.row(i).begin(), library::kSongColumnCount, columns.begin());
        out += library::joinSongLine(columns);
        out += kLineEnd;
    }
    return out;
}

void writePlaylistFile(const std::filesystem::path& file, const TPlist& list) {
    fs::writeFileAtomically(file, formatPlaylist(list));
}

std::string playlistFileName(std::string chosen) {
    if (!chosen.ends_with(kPlaylistExtension))
        chosen += kPlaylistExtension;
    return chosen;
}

} // namespace kavrel::playlist
