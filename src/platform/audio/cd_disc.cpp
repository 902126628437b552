#include "platform/audio/cd_disc.h"

#include "platform/audio/cd_source.h"

#include <cdio/cdio.h>

#include <cstdio>

namespace kavrel::audio {
namespace {

constexpr int kSectorsPerSecond = 75;
constexpr int kLeadInSectors = 150; // the two-second pregap before logical sector 0

int digitSum(int value) {
    int sum = 0;
    for (; value > 0; value /= 10)
        sum += value % 10;
    return sum;
}

} // namespace

std::optional<CdToc> readCdToc(const std::string& source) {
    CdIoHandle cdio = openCdSource(source);
    if (!cdio)
        return std::nullopt;
    const track_t first = cdio_get_first_track_num(cdio.get());
    const track_t count = cdio_get_num_tracks(cdio.get());
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0)
        return std::nullopt;
    CdToc toc;
    toc.leadOutSector = cdio_get_track_lsn(cdio.get(), CDIO_CDROM_LEADOUT_TRACK);
    if (toc.leadOutSector == CDIO_INVALID_LSN)
        return std::nullopt;
    for (int number = first; number < first + count; ++number) {
        const auto track = static_cast<track_t>(number);
        CdTrackEntry entry;
        entry.number = number;
        entry.startSector = cdio_get_track_lsn(cdio.get(), track);
        entry.audio = cdio_get_track_format(cdio.get(), track) == TRACK_FORMAT_AUDIO;
        if (entry.startSector == CDIO_INVALID_LSN)
            return std::nullopt;
        toc.tracks.push_back(entry);
    }
    for (std::size_t i = 0; i < toc.tracks.size(); ++i) {
        const std::int32_t end =
            i + 1 < toc.tracks.size() ? toc.tracks[i + 1].startSector : toc.leadOutSector;
        toc.tracks[i].sectorCount = end > toc.tracks[i].startSector ? end - toc.tracks[i].startSector : 0;
    }
    return toc;
}

std::string cddbDiscId(const CdToc& toc) {
    if (toc.tracks.empty())
        return {};
    int checksum = 0;
    for (const CdTrackEntry& track : toc.tracks)
        checksum += digitSum((track.startSector + kLeadInSectors) / kSectorsPerSecond);
    const int total = (toc.leadOutSector + kLeadInSectors) / kSectorsPerSecond -
                      (toc.tracks.front().startSector + kLeadInSectors) / kSectorsPerSecond;
    const unsigned id = (static_cast<unsigned>(checksum % 0xff) << 24) | (static_cast<unsigned>(total) << 8) |
                        static_cast<unsigned>(toc.tracks.size());
    char text[9];
    std::snprintf(text, sizeof text, "%08x", id);
    return text;
}

std::vector<std::string> listCdDrives() {
    std::vector<std::string> drives;
    char** devices = cdio_get_devices(DRIVER_DEVICE);
    for (char** device = devices; device && *device; ++device)
        drives.emplace_back(*device);
    cdio_free_device_list(devices);
    return drives;
}

} // namespace kavrel::audio
