// The one-file scan over fuzz input: the first byte picks the kind of file, the rest is its content.
#include <cstddef>
#include <cstdint>
#include <span>

#include "library/song_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kavrel;
    if (size == 0)
        return 0;
    constexpr library::SongKind kKinds[] = {library::SongKind::Mpeg, library::SongKind::OggVorbis,
                                            library::SongKind::Wma};
    const auto kind = kKinds[data[0] % 3];
    metadata::MemorySource source(std::span<const std::uint8_t>(data + 1, size - 1));
    library::SongReaders readers;
    const auto columns = library::scanSongColumns(kind, "/music/fuzz.mp3", source.size(), readers,
                                                  [&](auto& reader) { return reader.Load(source); });
    const std::string line = library::joinSongLine(columns);
    // A song is always one line, and it splits back into what was joined.
    if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
        __builtin_trap();
    (void)library::splitSongLine(line);
    return 0;
}
