#include "platform/fs/mount_table.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace kavrel::fs {
namespace {

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> result;
    while (!line.empty()) {
        const auto start = line.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        line.remove_prefix(start);
        const auto end = std::min(line.find(' '), line.size());
        result.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return result;
}

// The table writes blanks, tabs, newlines and backslashes in paths as "\ooo".
std::string unescaped(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned value = 0;
        if (text[i] == '\\' && text.size() - i > 3 &&
            std::from_chars(text.data() + i + 1, text.data() + i + 4, value, 8).ptr == text.data() + i + 4 &&
            value < 256) {
            result += static_cast<char>(value);
            i += 3;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::optional<DeviceNumber> parsedNumber(std::string_view text) {
    DeviceNumber number;
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto* end = text.data() + text.size();
    if (std::from_chars(text.data(), text.data() + colon, number.major).ptr != text.data() + colon ||
        std::from_chars(text.data() + colon + 1, end, number.minor).ptr != end)
        return std::nullopt;
    return number;
}

} // namespace

std::vector<MountEntry> parseMountTable(std::string_view mountInfo) {
    std::vector<MountEntry> entries;
    std::istringstream lines{std::string(mountInfo)};
    for (std::string line; std::getline(lines, line);) {
        // id parent major:minor root mount-point options [optional fields] - type source super-options
        const auto parts = fields(line);
        if (parts.size() < 5)
            continue;
        std::size_t separator = 5;
        while (separator < parts.size() && parts[separator] != "-")
            ++separator;
        MountEntry entry{parsedNumber(parts[2]), unescaped(parts[4]), {}, {}};
        if (separator + 1 < parts.size())
            entry.type = std::string(parts[separator + 1]);
        if (separator + 2 < parts.size())
            entry.source = unescaped(parts[separator + 2]);
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<MountEntry> readMountTable() {
    std::ifstream table("/proc/self/mountinfo", std::ios::binary);
    std::ostringstream text;
    text << table.rdbuf();
    return parseMountTable(text.str());
}

} // namespace kavrel::fs
