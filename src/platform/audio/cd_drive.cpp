#include "platform/audio/cd_drive.h"

#include "platform/audio/cd_disc.h"

#include <cstdlib>

namespace kavrel::audio {

std::string findCdSource() {
    if (const char* chosen = std::getenv("KAVREL_CD_DEVICE"); chosen != nullptr && *chosen != '\0')
        return chosen;
    const auto drives = audio::listCdDrives();
    return drives.empty() ? std::string() : drives.back();
}

std::string cdDrivePath(std::string_view source) {
    return source.empty() ? std::string() : std::string(source) + "/";
}

} // namespace kavrel::audio
