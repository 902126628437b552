#include "tools/file_renamer.h"

#include "copy_run.h"
#include "support/temp_dir.h"
#include "tools/safe_copy.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kavrel::tools {
namespace {

using kavrel::test::entryNames;
using kavrel::test::readFile;
using kavrel::test::TempDir;
using kavrel::test::writeFile;
using test::RecordingListener;
using test::runUntilEnded;
using testing::ElementsAre;

class FileRenamerTest : public testing::Test {
protected:
    // A source file holding `bytes`, and its playlist entry.
    CopyEntry song(const std::string& file, const std::string& bytes, std::string artist = "Artist",
                   std::string title = "Title") {
        const auto path = temp / "music" / file;
        writeFile(path, bytes);
        return {std::move(artist),           "Album", std::move(title), "1999", "1", path.string(),
                std::to_string(bytes.size())};
    }

    void copy(std::vector<CopyEntry> entries, CopyChoices choices = {}) {
        TFileRenamer renamer(queue, {destination.string(), choices, std::move(entries)}, listener);
        runUntilEnded(queue, listener);
    }

    TempDir temp;
    std::filesystem::path destination = temp / "stick";
    dispatch::TaskQueue queue;
    RecordingListener listener;
};

TEST_F(FileRenamerTest, CopiesIntoArtistAndAlbumFoldersAndReportsTheTotals) {
    copy({song("a.mp3", "first", "Artist", "One"), song("b.ogg", "second", "artist", "Two")});
    ASSERT_TRUE(listener.finished);
    EXPECT_EQ(readFile(destination / "Artist/1999 - Album/Artist - One.mp3"), "first");
    EXPECT_EQ(readFile(destination / "Artist/1999 - Album/Artist - Two.ogg"), "second");
    EXPECT_EQ(listener.starts, 1);
    EXPECT_EQ(listener.totalFiles, 2);
    EXPECT_EQ(listener.finished->copiedFiles, 2);
    EXPECT_TRUE(listener.finished->failures.empty());
    EXPECT_EQ(listener.last->processedFiles, 2);
    EXPECT_DOUBLE_EQ(listener.finished->copiedMb, 11.0 / 1048576.0);
}

TEST_F(FileRenamerTest, TracksWhoseNamesCollideAreAllKept) {
    copy({song("1/a.mp3", "one"), song("2/a.mp3", "two"), song("3/a.mp3", "three", "ARTIST", "TITLE")});
    ASSERT_TRUE(listener.finished);
    EXPECT_THAT(entryNames(destination / "Artist/1999 - Album"),
                ElementsAre("Artist - TITLE (3).mp3", "Artist - Title (2).mp3", "Artist - Title.mp3"));
    EXPECT_EQ(readFile(destination / "Artist/1999 - Album/Artist - Title (2).mp3"), "two");
    EXPECT_EQ(listener.finished->copiedFiles, 3);
}

TEST_F(FileRenamerTest, AnOlderFileAtTheTargetIsReplacedButASourceNeverIs) {
    writeFile(destination / "Old.mp3", "stale");
    auto kept = song("Keep.mp3", "keep me");
    auto other = song("x.mp3", "new", "A", "Old");
    auto clash = song("y.mp3", "clash", "A", "Keep");
    kept.title = "Keep";
    std::filesystem::rename(kept.sourcePath, destination / "Keep.mp3");
    kept.sourcePath = (destination / "Keep.mp3").string();
    copy({kept, other, clash}, {ArtistFolders::None, AlbumFolders::None, FileNames::Title});
    ASSERT_TRUE(listener.finished);
    EXPECT_EQ(readFile(destination / "Keep.mp3"), "keep me");
    EXPECT_EQ(readFile(destination / "Keep (2).mp3"), "clash");
    EXPECT_EQ(readFile(destination / "Old.mp3"), "new");
    EXPECT_EQ(readFile(temp / "music/x.mp3"), "new");
    EXPECT_EQ(listener.finished->copiedFiles, 3);
}

TEST_F(FileRenamerTest, FailedAndVanishedSourcesAreCountedAndNamed) {
    auto folder = song("d.mp3/inner", "");
    folder.sourcePath = (temp / "music/d.mp3").string();
    auto gone = song("gone.mp3", "x", "Artist", "Gone");
    std::filesystem::remove(gone.sourcePath);
    auto fine = song("ok.mp3", "ok", "Artist", "Fine");
    auto pathless = fine;
    pathless.sourcePath.clear();
    copy({folder, gone, fine, pathless});
    ASSERT_TRUE(listener.finished);
    EXPECT_EQ(listener.finished->totalFiles, 4);
    EXPECT_EQ(listener.finished->copiedFiles, 1);
    EXPECT_EQ(listener.finished->skippedFiles, 2);
    EXPECT_THAT(listener.finished->failures, ElementsAre(testing::HasSubstr(folder.sourcePath)));
    EXPECT_EQ(listener.last->processedFiles, 4);
    EXPECT_THAT(entryNames(destination / "Artist/1999 - Album"), ElementsAre("Artist - Fine.mp3"));
}

TEST_F(FileRenamerTest, AFolderThatCannotBeMadeEndsTheRunNamingIt) {
    writeFile(destination / "Artist", "a file where the folder should go");
    copy({song("a.mp3", "x")});
    ASSERT_TRUE(listener.failure);
    EXPECT_FALSE(listener.finished);
    EXPECT_THAT(*listener.failure, testing::HasSubstr((destination / "Artist/1999 - Album").string()));
}

TEST_F(FileRenamerTest, AnEmptyPlaylistCompletesAtOnceWithNothing) {
    copy({});
    ASSERT_TRUE(listener.finished);
    EXPECT_EQ(listener.totalFiles, 0);
    EXPECT_EQ(listener.finished->copiedFiles, 0);
    EXPECT_FALSE(std::filesystem::exists(destination));
}

TEST_F(FileRenamerTest, UnreadableNumbersAndSizesCountAsEmpty) {
    auto entry = song("a.mp3", "x");
    entry.trackNumber = "A1";
    entry.sizeText = "big";
    copy({entry}, {ArtistFolders::None, AlbumFolders::None, FileNames::NumberTitle});
    ASSERT_TRUE(listener.finished);
    EXPECT_EQ(readFile(destination / "0 - Title.mp3"), "x");
    EXPECT_DOUBLE_EQ(listener.totalMb, 0);
}

TEST_F(FileRenamerTest, StoppingMidRunLeavesOnlyCompleteCopies) {
    const std::string big(6 << 20, 'b');
    std::vector<CopyEntry> entries;
    for (int i = 0; i < 6; ++i)
        entries.push_back(song(std::to_string(i) + ".mp3", big, "A", "T" + std::to_string(i)));
    {
        TFileRenamer renamer(queue, {destination.string(), {}, entries}, listener);
        queue.runFor(std::chrono::milliseconds(30));
        renamer.stop();
    }
    queue.runFor(std::chrono::milliseconds(20));
    EXPECT_FALSE(listener.ended());
    const auto album = destination / "A/1999 - Album";
    if (!std::filesystem::exists(album))
        return;
    EXPECT_LT(entryNames(album).size(), entries.size());
    for (const auto& name : entryNames(album)) {
        EXPECT_NE(name.front(), '.') << name;
        EXPECT_EQ(readFile(album / name).size(), big.size()) << name;
    }
}

TEST_F(FileRenamerTest, APausedCopyWaitsAndResumes) {
    TFileRenamer renamer(queue, {destination.string(), {}, {song("a.mp3", "a"), song("b.mp3", "b", "A")}},
                         listener, TFileRenamer::Start::Paused);
    EXPECT_TRUE(renamer.paused());
    queue.runFor(std::chrono::milliseconds(200));
    EXPECT_EQ(listener.totalFiles, 2);
    EXPECT_FALSE(listener.last);
    EXPECT_FALSE(std::filesystem::exists(destination));
    renamer.resume();
    EXPECT_FALSE(renamer.paused());
    runUntilEnded(queue, listener);
    ASSERT_TRUE(listener.finished);
    EXPECT_EQ(listener.finished->copiedFiles, 2);
}

TEST_F(FileRenamerTest, StoppingAPausedCopyCopiesNothingAndReportsNoEnd) {
    {
        TFileRenamer renamer(queue, {destination.string(), {}, {song("a.mp3", "a")}}, listener,
                             TFileRenamer::Start::Paused);
        queue.runFor(std::chrono::milliseconds(50));
        renamer.stop();
    }
    queue.runFor(std::chrono::milliseconds(50));
    EXPECT_FALSE(listener.ended());
    EXPECT_FALSE(std::filesystem::exists(destination));
}

TEST(SafeCopy, AStoppedCopyRemovesItsTemporaryFileAndLeavesTheTargetAlone) {
    TempDir temp;
    writeFile(temp / "source.mp3", std::string(3 << 20, 's'));
    writeFile(temp / "target.mp3", "old");
    int blocks = 0;
    const auto attempt =
        copyThroughTemporary(temp / "source.mp3", temp / "target.mp3", [&] { return ++blocks < 2; });
    EXPECT_EQ(attempt.result, CopyResult::Stopped);
    EXPECT_EQ(readFile(temp / "target.mp3"), "old");
    EXPECT_FALSE(std::filesystem::exists(temporaryNameFor(temp / "target.mp3")));
    EXPECT_EQ(readFile(temp / "source.mp3").size(), 3u << 20);
}

} // namespace
} // namespace kavrel::tools
