#include "engine/file_kind.h"

#include "platform/text/collation.h"
#include "platform/text/numbers.h"

#include <algorithm>

namespace kavrel::engine {

namespace {

constexpr std::string_view kTrackPrefix = "Track";
constexpr std::string_view kCdExtension = ".cda";

} // namespace

bool matchesExtension(std::string_view fileName, std::string_view extension) {
    if (fileName.size() < extension.size())
        return false;
    return text::equalsIgnoreCase(fileName.substr(fileName.size() - extension.size()), extension);
}

std::optional<int> cdTrackNumber(std::string_view fileName) {
    const auto separator = fileName.find_last_of("/\\");
    const std::string_view name =
        separator == std::string_view::npos ? fileName : fileName.substr(separator + 1);
    if (name.size() <= kTrackPrefix.size() + kCdExtension.size() || !matchesExtension(name, kCdExtension) ||
        !text::equalsIgnoreCase(name.substr(0, kTrackPrefix.size()), kTrackPrefix))
        return std::nullopt;
    const std::string_view digits =
        name.substr(kTrackPrefix.size(), name.size() - kTrackPrefix.size() - kCdExtension.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const auto number = text::parseStrictInt(digits);
    if (!number || *number < 1)
        return std::nullopt;
    return *number;
}

} // namespace kavrel::engine
