#include "library/library_tables.h"

namespace kavrel::library {

std::string findArtistFile(const TrackTable& artists, std::string_view artist) {
    for (int row = artists.Count(); row >= 1; --row)
        if (artists[row][kArtistNameColumn] == artist)
            return artists[row][kArtistFileColumn];
    return {};
}

} // namespace kavrel::library
