#pragma once
// Where a person's music may be on this machine, for the build window's automatic choice: the home
// folder and every local disk mounted where the desktop and the administrator mount them (/media, /mnt,
// /run/media). Pseudo and network file systems, and optical discs (the CD has a library of its own), are
// left out, so a search never walks a server or the kernel's tables.
#include "platform/fs/mount_table.h"

#include <string>
#include <vector>

namespace kavrel::fs {

// Pure: `home` first (when not empty), then the mount points in table order, each device once.
std::vector<std::string> musicPlacesIn(const std::string& home, const std::vector<MountEntry>& table);

// Blocking (reads the mount table); the home folder from $HOME.
std::vector<std::string> findMusicPlaces();

} // namespace kavrel::fs
