#include "platform/fs/cd_mount.h"

#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace kavrel::fs {
namespace {

bool isDiscImage(const std::string& source) {
    auto extension = std::filesystem::path(source).extension().string();
    for (auto& c : extension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == ".cue" || extension == ".toc";
}

std::optional<std::string> mountPointOf(const std::vector<MountEntry>& table, std::string_view device,
                                        std::optional<DeviceNumber> number) {
    for (const auto& entry : table)
        if (number ? entry.number == number : entry.source == device)
            return entry.mountPoint;
    return std::nullopt;
}

} // namespace

std::optional<std::string> mountPointIn(std::string_view mountInfo, std::string_view device,
                                        std::optional<DeviceNumber> number) {
    return mountPointOf(parseMountTable(mountInfo), device, number);
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
    if (auto folder = mountPointOf(readMountTable(), devicePath, number))
        return {*folder, {}};
    return {
        {},
        "There is no disc mounted in the CD drive \"" + source +
            "\". Insert a data CD, let the desktop mount it (open it in the file manager), and try again."};
}

} // namespace kavrel::fs
