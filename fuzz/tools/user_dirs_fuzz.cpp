// Any bytes as a user-dirs.dirs file: reading never fails, and a desktop folder it yields is absolute.
#include "tools/xdg_places.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto folder = kavrel::tools::desktopDirFromUserDirs(
        std::string_view(reinterpret_cast<const char*>(data), size), "/h");
    if (folder && (folder->empty() || folder->front() != '/'))
        std::abort();
    return 0;
}
