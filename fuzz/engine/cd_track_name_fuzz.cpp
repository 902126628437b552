// Track names come from playlist files and the command line: any bytes must give a track 1.. or nothing.
#include "engine/file_kind.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const auto track = kavrel::engine::cdTrackNumber(name);
    if (track && (*track < 1 || !kavrel::engine::matchesExtension(name, ".cda")))
        std::abort();
    return 0;
}
