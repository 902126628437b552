#pragma once
// Where the CD tab's tracks come from. One CD source serves the whole program: KAVREL_CD_DEVICE (a drive
// or a .cue/.toc image) when set, else the last optical drive the system lists. A track's path is the
// CD drive path (source + "/") followed by "Track03.cda".
#include <string>
#include <string_view>

namespace kavrel::engine {

// Blocking (asks the system for its drives); empty when there is none.
std::string findCdSource();

// The CD drive path of a source: source + "/", or empty for no source.
std::string cdDrivePath(std::string_view source);

} // namespace kavrel::engine
