// Any bytes as a playlist file: reading never crashes, and once written a list reads back to the same file.
#include "playlist/ppl_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kavrel::playlist;
    std::optional<TPlist> list;
    try {
        list = parsePlaylist(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const PlaylistFileError&) {
        return 0;
    }
    if (!list)
        return 0;
    (void)totalPlayTime(*list);
    (void)totalSize(*list);
    const std::string written = formatPlaylist(*list);
    const auto again = parsePlaylist(written);
    if (!again || formatPlaylist(*again) != written)
        std::abort();
    return 0;
}
