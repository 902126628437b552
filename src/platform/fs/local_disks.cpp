#include "platform/fs/local_disks.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace kavrel::fs {
namespace {

constexpr std::array<std::string_view, 3> kMountFolders = {"/media/", "/mnt/", "/run/media/"};
constexpr std::array<std::string_view, 2> kOpticalTypes = {"iso9660", "udf"};

bool underMountFolder(std::string_view mountPoint) {
    return std::ranges::any_of(kMountFolders, [&](std::string_view folder) {
        return mountPoint.starts_with(folder) && mountPoint.size() > folder.size();
    });
}

// A local disk is a block device: pseudo file systems name no device ("tmpfs", "proc") and network ones
// name a server ("host:/export", "//server/share").
bool isLocalDisk(const MountEntry& entry) {
    return entry.source.starts_with("/dev/") &&
           std::ranges::find(kOpticalTypes, entry.type) == kOpticalTypes.end();
}

} // namespace

std::vector<std::string> musicPlacesIn(const std::string& home, const std::vector<MountEntry>& table) {
    std::vector<std::string> places;
    if (!home.empty())
        places.push_back(home);
    std::vector<DeviceNumber> devices;
    for (const auto& entry : table) {
        if (!underMountFolder(entry.mountPoint) || !isLocalDisk(entry))
            continue;
        if (entry.number && std::ranges::find(devices, *entry.number) != devices.end())
            continue;
        if (std::ranges::find(places, entry.mountPoint) != places.end())
            continue;
        if (entry.number)
            devices.push_back(*entry.number);
        places.push_back(entry.mountPoint);
    }
    return places;
}

std::vector<std::string> findMusicPlaces() {
    const char* home = std::getenv("HOME");
    return musicPlacesIn(home != nullptr ? home : "", readMountTable());
}

} // namespace kavrel::fs
