#include "browser_fixture.h"

#include "library/song_line.h"

namespace kavrel::library::browser::test {

void writeLibrary(const std::filesystem::path& programFolder, std::string_view libraryName,
                  const std::vector<Song>& songs) {
    const auto folder = programFolder / "Library" / libraryName;
    std::vector<std::string> artists;
    std::map<std::string, std::string> artistFiles;
    std::string all;
    for (const Song& song : songs) {
        SongColumns columns;
        columns[kArtistColumn] = song.artist;
        columns[kAlbumColumn] = song.album;
        columns[kTitleColumn] = song.title;
        columns[kYearColumn] = song.year;
        columns[kTrackColumn] = song.track;
        columns[kBitRateColumn] = "192";
        columns[kDurationColumn] = "61000";
        columns[kPathColumn] = "/music/" + song.title + ".mp3";
        const std::string line = joinSongLine(columns) + "\r\n";
        all += line;
        if (!artistFiles.contains(song.artist))
            artists.push_back(song.artist);
        artistFiles[song.artist] += line;
    }
    std::string artistList;
    for (std::size_t i = 0; i < artists.size(); ++i) {
        const std::string file = "Artist" + std::to_string(i + 1) + ".pft";
        artistList += artists[i] + " endart " + file + " endafn \r\n";
        kavrel::test::writeFile(folder / file, artistFiles[artists[i]]);
    }
    kavrel::test::writeFile(folder / "ArtName.pan", artistList);
    kavrel::test::writeFile(folder / "allsong.pft", all);
}

namespace {

core::TConfRecord defaultConf() {
    core::TConfRecord conf;
    conf.ActiveLibrary.text = "LB1";
    conf.mByyear = true;
    conf.mByNomSong = true;
    conf.mArtist = true;
    conf.mStartAt = true;
    return conf;
}

} // namespace

BrowserFixture::BrowserFixture(const std::vector<Song>& songs)
    : conf(defaultConf()),
      browser_(conf, fs::ProgramFolder(dir.path()), view, cdBuilds, playlist, text::LocaleCollator("en_US")) {
    writeLibrary(dir.path(), "LB1", songs);
}

void RecordingPlaylist::AddRows(std::span<const TrackRow> rows, playlist::AddMode mode) {
    Sent batch{{}, mode};
    for (const auto& row : rows)
        batch.titles.push_back(row[kTitleColumn]);
    sent.push_back(batch);
}

std::vector<std::string> BrowserFixture::titles(const TrackTable& table) {
    std::vector<std::string> result;
    for (int row = 1; row <= table.Count(); ++row)
        result.push_back(table[row][kTitleColumn]);
    return result;
}

} // namespace kavrel::library::browser::test
