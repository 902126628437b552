// The readers of library files: any bytes read as an artist list, as song lines and as a path list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "library/library_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kavrel::library::TrackTable table;
    kavrel::library::parseArtistList(bytes, table);
    kavrel::library::parseSongLines(bytes, table);
    // Every line, however damaged, takes one row in each table.
    if (2 * kavrel::library::splitTextLines(bytes).size() != static_cast<std::size_t>(table.Count()))
        std::abort();
    return 0;
}
