#pragma once
// The album list of a song table: each album once, in order of first appearance, with a year.
#include <functional>
#include <string>

#include "library/library_tables.h"
#include "platform/text/collation.h"

namespace kavrel::library::browser {

// Albums table: column 1 the album name, column 2 its year.
inline constexpr std::size_t kAlbumNameColumn = 1;
inline constexpr std::size_t kAlbumYearColumn = 2;

// The comparison key of a song row's album; equal keys mean the same album. The key stays valid until
// the albums are built.
using AlbumKey = std::function<std::string_view(int songRow)>;
// Song row n (1-based) of the songs the albums are built from.
using SongRowAt = std::function<const TrackRow&(int songRow)>;

// Albums are told apart by `albumKey`; an album whose year is still unknown ("0000" or empty) takes the
// year of its next song.
TrackTable buildAlbums(int songCount, const SongRowAt& songAt, const AlbumKey& albumKey);
// The same, comparing album names with the collator (locale-aware, ignoring case).
TrackTable buildAlbums(const TrackTable& songs, const text::LocaleCollator& collator);

bool isUnknownYear(std::string_view year);

} // namespace kavrel::library::browser
