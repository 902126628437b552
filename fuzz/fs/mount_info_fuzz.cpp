// Any bytes as a mount table: reading never fails, and what it finds came out of the table.
#include "platform/fs/cd_mount.h"
#include "platform/fs/local_disks.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view table(reinterpret_cast<const char*>(data), size);
    using kavrel::fs::DeviceNumber;
    for (const auto number :
         {std::optional<DeviceNumber>{}, std::optional<DeviceNumber>{DeviceNumber{11, 0}}}) {
        const auto folder = kavrel::fs::mountPointIn(table, "/dev/sr0", number);
        if (folder && folder->size() > size)
            std::abort();
    }
    for (const auto& place : kavrel::fs::musicPlacesIn("/home/u", kavrel::fs::parseMountTable(table)))
        if (place != "/home/u" && place.size() > size)
            std::abort();
    return 0;
}
