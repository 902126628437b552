#pragma once
// Audio-CD disc queries. A "CD source" is a drive's device path (/dev/sr0) or a disc image (.cue or
// .toc); the same text is passed to AudioEngine::openCdTrack(). Every query reads the table of contents
// afresh, so a changed disc is seen at once. Blocking (a drive may spin up); call from any thread.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kavrel::audio {

inline constexpr int kCdBytesPerSector = 2352; // 588 frames of 16-bit stereo at 44100 Hz
inline constexpr int kCdBytesPerSecond = 176400;

struct CdTrackEntry {
    int number = 0;               // as on the disc (usually 1..n)
    std::int32_t startSector = 0; // logical sector (LSN; the first track usually starts at 0)
    std::int32_t sectorCount = 0;
    bool audio = true; // false for a data track, which cannot be played
    std::int64_t lengthBytes() const { return std::int64_t{sectorCount} * kCdBytesPerSector; }
};

struct CdToc {
    std::vector<CdTrackEntry> tracks; // in disc order; index 0 is the first track
    std::int32_t leadOutSector = 0;
};

// The table of contents, or nothing when there is no drive, no disc or no readable image.
std::optional<CdToc> readCdToc(const std::string& source);

// The standard CDDB (freedb) disc id of a table of contents as 8 lowercase hex digits ("7a0b2c03").
std::string cddbDiscId(const CdToc& toc);

// Optical drives present on this machine, as device paths, in the order the system lists them.
std::vector<std::string> listCdDrives();

} // namespace kavrel::audio
