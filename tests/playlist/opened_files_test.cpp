// Songs, folders and playlist files the player is asked to open, read into rows and added to the active
// playlist.
#include "platform/dispatch/task_queue.h"
#include "playlist/opened_files.h"
#include "playlist/ppl_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>

namespace kavrel::playlist {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::vector<std::string> pathsOf(const std::vector<TrackRow>& rows) {
    std::vector<std::string> paths;
    for (const TrackRow& row : rows)
        paths.push_back(row[library::kPathColumn]);
    return paths;
}

class OpenedFilesTest : public ::testing::Test {
protected:
    // A song file of the engine's fixtures under `name` in the test folder.
    fs::path song(const std::string& name, const std::string& fixture = "tone_1k.mp3") {
        const fs::path path = dir / name;
        fs::create_directories(path.parent_path());
        fs::copy_file(test::fixture("engine/" + fixture), path);
        return path;
    }

    test::TempDir dir;
};

TEST_F(OpenedFilesTest, AFolderGivesItsSongsInTheOrderAFileManagerShows) {
    const fs::path album = dir / "Album";
    for (const char* name : {"10 ten.mp3", "2 two.MP3", "1 one.ogg", "CD 2/01 disc two.wma", "CD 10/01 x.mp3",
                             ".hidden.mp3", ".hidden folder/song.mp3", "Cover.jpg"})
        song("Album/" + std::string(name), std::string(name).ends_with(".ogg")   ? "tone_1k.ogg"
                                           : std::string(name).ends_with(".wma") ? "tone_1k.wma"
                                                                                 : "tone_1k.mp3");
    fs::create_directory_symlink(album, album / "Loop back");
    text::LocaleCollator order("en_US");
    order.orderDigitsByValue();

    const OpenedRows opened = rowsOfOpenedPaths({album.string()}, order);
    EXPECT_EQ(
        pathsOf(opened.rows),
        (std::vector<std::string>{(album / "1 one.ogg").string(), (album / "2 two.MP3").string(),
                                  (album / "10 ten.mp3").string(), (album / "CD 2/01 disc two.wma").string(),
                                  (album / "CD 10/01 x.mp3").string()}));
    EXPECT_TRUE(opened.refused.empty());
    ASSERT_FALSE(opened.rows.empty());
    EXPECT_NE(opened.rows[0][library::kDurationColumn], "0") << "the tags and the length were read";
}

TEST_F(OpenedFilesTest, EachGivenPathGivesItsRowsInTurnOrIsNamedAsRefused) {
    const fs::path first = song("b.mp3");
    const fs::path second = song("a.ogg", "tone_1k.ogg");
    TPlist saved;
    TrackRow savedRow;
    savedRow[library::kTitleColumn] = "From the list";
    savedRow[library::kPathColumn] = "/music/listed.mp3";
    saved.Rows.push_back(savedRow);
    writePlaylistFile(dir / "mine.PPL", saved);
    test::writeFile(dir / "broken.ppl", std::string(kPlaylistMagic) + "\r\nNoEmptyPlayList\r\nx\r\n");
    test::writeFile(dir / "notes.txt", "text");
    test::writeFile(dir / "fake.mp3", ""); // a song by its name only: still a file the player can try
    fs::create_directories(dir / "no songs");
    const std::vector<std::string> refused = {(dir / "missing.mp3").string(), (dir / "notes.txt").string(),
                                              (dir / "no songs").string(), (dir / "broken.ppl").string()};

    const OpenedRows opened =
        rowsOfOpenedPaths({first.string(), refused[0], (dir / "mine.PPL").string(), refused[1],
                           second.string(), refused[2], refused[3], (dir / "fake.mp3").string()},
                          text::LocaleCollator("C"));
    EXPECT_EQ(pathsOf(opened.rows), (std::vector<std::string>{first.string(), "/music/listed.mp3",
                                                              second.string(), (dir / "fake.mp3").string()}));
    EXPECT_EQ(opened.refused, refused);
}

// A song sink that keeps what it was sent.
class RecordingPlaylist final : public SongSink {
public:
    void AddRows(std::span<const TrackRow> rows, AddMode mode) override {
        added.push_back({pathsOf({rows.begin(), rows.end()}), mode});
    }
    struct Added {
        std::vector<std::string> paths;
        AddMode mode;
        bool operator==(const Added&) const = default;
    };
    std::vector<Added> added;
};

TEST_F(OpenedFilesTest, EachRequestIsAddedWholeInTurnByTheModeOfThatMoment) {
    const fs::path a = song("a.mp3");
    const fs::path b = song("b.mp3");
    const fs::path c = song("c.mp3");
    dispatch::TaskQueue loop;
    RecordingPlaylist playlist;
    std::vector<std::string> reports;
    // The song list's menu changes the mode once the first request is in.
    const auto mode = [&] { return playlist.added.empty() ? AddMode::EndAndPlay : AddMode::AfterPlaying; };
    OpenedFiles files(loop, playlist,
                      {mode, [&](const std::string& message) { reports.push_back(message); }});

    files.open({a.string(), (dir / "gone.mp3").string(), b.string()});
    files.open({});
    files.open({c.string()});
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    loop.run([&] { return playlist.added.size() == 2 || std::chrono::steady_clock::now() > deadline; });
    EXPECT_EQ(playlist.added,
              (std::vector<RecordingPlaylist::Added>{{{a.string(), b.string()}, AddMode::EndAndPlay},
                                                     {{c.string()}, AddMode::AfterPlaying}}));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find((dir / "gone.mp3").string()), std::string::npos) << reports[0];
}

TEST_F(OpenedFilesTest, WhatIsStillBeingReadWhenThePlayerEndsIsDropped) {
    for (int i = 0; i < 200; ++i)
        song("many/" + std::to_string(i) + ".mp3");
    dispatch::TaskQueue loop;
    RecordingPlaylist playlist;
    {
        OpenedFiles files(loop, playlist, {[] { return AddMode::End; }, {}});
        files.open({(dir / "many").string()});
    }
    loop.runDue();
    EXPECT_TRUE(playlist.added.empty());
}

} // namespace
} // namespace kavrel::playlist
