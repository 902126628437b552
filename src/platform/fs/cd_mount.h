#pragma once
// The files face of the CD: where the files of a data (MP3) disc are, for the library build. Its tracks
// are read through the device path itself (see platform/audio); its files live where the system mounted
// the disc, which the mount table says.
#include "platform/fs/mount_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace kavrel::fs {

struct CdFiles {
    // The disc's mount point; empty when there is none, and then `problem` says why, for the user.
    std::string folder;
    std::string problem;
};

// Pure: the mount point of `device` (a resolved device path) in a /proc/self/mountinfo text, matched by
// its device number when known, else by the mounted source's path. nullopt when it is not mounted.
std::optional<std::string> mountPointIn(std::string_view mountInfo, std::string_view device,
                                        std::optional<DeviceNumber> number);

// Blocking (reads the mount table). `source` is the CD source: a drive's device path or a disc image
// (.cue or .toc); empty when there is no drive.
CdFiles findCdFiles(const std::string& source);

} // namespace kavrel::fs
