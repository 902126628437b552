#include "platform/fs/cd_drive.h"

#include "platform/text/numbers.h"

#include <cstdlib>
#include <filesystem>

namespace kavrel::fs {

std::string findCdDevice() {
    if (const char* configured = std::getenv("KAVREL_CD_DEVICE"); configured && *configured)
        return configured;
    std::string found;
    int highest = -1;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev", error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 3 || name.compare(0, 2, "sr") != 0)
            continue;
        const auto number = text::parseStrictInt(std::string_view(name).substr(2));
        if (number && *number >= 0 && *number > highest) {
            highest = *number;
            found = entry.path().string();
        }
    }
    return found;
}

std::string cdDriveRoot(const std::string& device) { return device.empty() ? std::string() : device + "/"; }

} // namespace kavrel::fs
