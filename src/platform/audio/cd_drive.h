#pragma once
// The CD of the program. One CD source serves everything: KAVREL_CD_DEVICE (a drive or a .cue/.toc image)
// when set, else the last optical drive the system lists. It has two faces: its tracks, named by the CD
// drive path (source + "/") followed by "Track03.cda" and read through the device; and, for a data (MP3)
// disc, its files at the disc's mount point, which fs::findCdFiles(source) finds for the library build.
#include <string>
#include <string_view>

namespace kavrel::audio {

// Blocking (asks the system for its drives); empty when there is none.
std::string findCdSource();

// The CD drive path of a source: source + "/", or empty for no source.
std::string cdDrivePath(std::string_view source);

} // namespace kavrel::audio
