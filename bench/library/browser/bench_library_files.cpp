#include "bench_library_files.h"

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "library/song_line.h"

namespace kavrel::bench {

namespace {

using namespace kavrel::library;

constexpr int kArtists = 1'000;

std::string word(std::mt19937& random) {
    static const std::vector<std::string> kWords = {"love", "night", "road",  "blue",  "город", "ночь",
                                                    "song", "fire",  "река",  "dream", "heart", "small",
                                                    "way",  "light", "время", "rain",  "home",  "star"};
    return kWords[random() % kWords.size()];
}

} // namespace

std::filesystem::path writeBenchLibrary() {
    const auto root =
        std::filesystem::temp_directory_path() / ("kavrel-browser-bench-" + std::to_string(::getpid()));
    const auto folder = root / "Library" / "LB1";
    std::filesystem::create_directories(folder);
    std::mt19937 random(1);
    std::ofstream all(folder / "allsong.pft", std::ios::binary);
    std::ofstream artistList(folder / "ArtName.pan", std::ios::binary);
    for (int artist = 1; artist <= kArtists; ++artist) {
        const int songs = artist == 1 ? kBigArtistSongs : (kLibrarySongs - kBigArtistSongs) / (kArtists - 1);
        const std::string name = (artist % 3 == 0 ? "Группа " : "Band ") + std::to_string(artist);
        const std::string file = "Artist" + std::to_string(artist) + ".pft";
        artistList << name << " endart " << file << " endafn \r\n";
        std::ofstream artistFile(folder / file, std::ios::binary);
        std::string album;
        for (int i = 0; i < songs; ++i) {
            if (i % 12 == 0) // twelve songs an album
                album = word(random) + " " + word(random) + " " + std::to_string(i / 12);
            SongColumns columns;
            columns[kArtistColumn] = name;
            columns[kAlbumColumn] = album;
            columns[kTitleColumn] = word(random) + " " + word(random) + " " + word(random);
            columns[kYearColumn] = std::to_string(1960 + random() % 60);
            columns[kTrackColumn] = std::to_string(i % 12 + 1);
            columns[kBitRateColumn] = "192";
            columns[kDurationColumn] = std::to_string(120000 + random() % 200000);
            columns[kPathColumn] = "/music/" + name + "/" + std::to_string(i) + ".mp3";
            columns[kFileSizeColumn] = "4000000";
            const std::string line = joinSongLine(columns) + "\r\n";
            all << line;
            artistFile << line;
        }
    }
    return root;
}

} // namespace kavrel::bench
