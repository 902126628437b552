#pragma once
// The system's mount table (/proc/self/mountinfo), read into entries. The CD's files and the build
// window's choice of local disks both come from it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::fs {

// A device number, major and minor, as the mount table writes it ("11:0").
struct DeviceNumber {
    unsigned major = 0;
    unsigned minor = 0;
    bool operator==(const DeviceNumber&) const = default;
};

struct MountEntry {
    std::optional<DeviceNumber> number;
    std::string mountPoint; // with the table's "\ooo" escapes decoded
    std::string type;       // "ext4", "nfs4", "fuse.sshfs"...
    std::string source;     // "/dev/sda1", "server:/export", "tmpfs"...
};

// Pure: the entries of a mountinfo text in table order; lines that are not entries are passed over.
std::vector<MountEntry> parseMountTable(std::string_view mountInfo);

// Blocking (reads /proc/self/mountinfo); empty when it cannot be read.
std::vector<MountEntry> readMountTable();

} // namespace kavrel::fs
