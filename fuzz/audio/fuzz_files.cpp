#include "fuzz_files.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kavrel::audio::fuzz {

const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("kavrel-audio-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return path;
    }();
    return folder;
}

std::filesystem::path writeScratch(const char* name, const std::uint8_t* data, std::size_t size) {
    const auto file = scratchFolder() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (size > 0)
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return file;
}

} // namespace kavrel::audio::fuzz
