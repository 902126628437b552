#pragma once
// Shuffle builds a new active list of randomly chosen songs (from the library, one half of it, the active
// artist or album, or the list itself) and plays it from the first row. Main thread.
#include "core/derived_settings.h"
#include "playlist/library_source.h"
#include "playlist/playback_control.h"

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace kavrel::playlist {

enum class ShuffleSource {
    Library,
    RussianArtists,
    EnglishArtists,
    ActiveArtist,
    ActiveAlbum,
    Library100,
    RussianArtists100,
    EnglishArtists100,
    PlayList
};

enum class LibraryPart { All, Russian, English };

// The songs of the library a part draws from: "Russian" keeps artists with any Cyrillic letter, "English"
// those with any Latin letter (so one artist may be in both, or in neither).
std::vector<TrackRow> selectLibrarySongs(std::vector<TrackRow> songs, LibraryPart part);
// ceil(n x share), the share clamped to 0..1; 100 songs at 7 % give 7 despite binary rounding.
std::int32_t shuffleCount(std::size_t n, double share);
// A share menu caption with the current percentage: "From librury (25%)". Only a caption holding " ("
// is cut there first.
std::string shareCaption(const std::string& caption, const std::string& percentText);

class Shuffler {
public:
    Shuffler(PlaybackControl& control, const LibrarySource& library);

    // The shuffle source the menu has checked (mShuffLib .. mShuffPlist), and checking one.
    ShuffleSource CheckedSource() const;
    void SelectSource(ShuffleSource source);
    // ImgShuffle: a new list from the checked source, with the shares the preferences hold.
    void ShuffleClick();
    void Shuffle(ShuffleSource source, const core::ShuffleShares& shares);
    // Makes the active list k distinct rows of `source` in random order and plays row 1. k is clamped to
    // the rows there are; with no row to draw the list is left as it was.
    void RandomPick(std::vector<TrackRow> source, std::int32_t k);

private:
    void libraryShuffle(LibraryPart part, double share);
    void pickShare(std::vector<TrackRow> source, double share);

    PlaybackControl& control_;
    const LibrarySource& library_;
    std::mt19937_64 random_;
};

} // namespace kavrel::playlist
