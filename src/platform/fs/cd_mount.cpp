#include "platform/fs/cd_mount.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <vector>

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

bool isDiscImage(const std::string& source) {
    auto extension = std::filesystem::path(source).extension().string();
    for (auto& c : extension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == ".cue" || extension == ".toc";
}

} // namespace

std::optional<std::string> mountPointIn(std::string_view mountInfo, std::string_view device,
                                        std::optional<DeviceNumber> number) {
    std::istringstream lines{std::string(mountInfo)};
    for (std::string line; std::getline(lines, line);) {
        // id parent major:minor root mount-point options [optional fields] - type source super-options
        const auto parts = fields(line);
        if (parts.size() < 5)
            continue;
        std::size_t separator = 5;
        while (separator < parts.size() && parts[separator] != "-")
            ++separator;
        const bool hasSource = separator + 2 < parts.size();
        const bool sameNumber = number && parsedNumber(parts[2]) == number;
        const bool sameSource = hasSource && unescaped(parts[separator + 2]) == device;
        if (sameNumber || (!number && sameSource))
            return unescaped(parts[4]);
    }
    return std::nullopt;
}

CdFiles findCdFiles(const std::string& source) {
    if (source.empty())
        return {{}, "No CD drive was found."};
    if (isDiscImage(source))
        return {{}, "The CD \"" + source + "\" is a disc image: it holds audio tracks and no files to scan."};
    std::error_code error;
    const auto device = std::filesystem::canonical(source, error);
    const std::string devicePath = error ? source : device.string();
    std::optional<DeviceNumber> number;
    if (struct stat info{}; ::stat(devicePath.c_str(), &info) == 0 && S_ISBLK(info.st_mode))
        number = DeviceNumber{::major(info.st_rdev), ::minor(info.st_rdev)};
    std::ifstream table("/proc/self/mountinfo", std::ios::binary);
    std::ostringstream text;
    text << table.rdbuf();
    if (auto folder = mountPointIn(text.str(), devicePath, number))
        return {*folder, {}};
    return {
        {},
        "There is no disc mounted in the CD drive \"" + source +
            "\". Insert a data CD, let the desktop mount it (open it in the file manager), and try again."};
}

} // namespace kavrel::fs
