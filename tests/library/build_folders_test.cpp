#include "library/build_folders.h"

#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kavrel::library {
namespace {

using Folders = std::vector<std::string>;

TEST(BuildFolders, FolderFieldPiecesAreFoldersAndEmptyPiecesNone) {
    const std::vector<std::pair<std::string, Folders>> cases = {
        {"/music", {"/music"}},
        {"/music;/more", {"/music", "/more"}},
        {"/music;", {"/music"}},
        {"/a;;/b", {"/a", "/b"}},
        {";;", {}},
        {"", {}},
        {"/music; /more ", {"/music", "/more"}},
        {"/home/ann;/", {"/home/ann", "/"}},
        {"/My Music;/x", {"/My Music", "/x"}},
    };
    for (const auto& [field, folders] : cases)
        EXPECT_EQ(foldersOfField(field), folders) << field;
}

TEST(BuildFolders, ARefreshLooksInTheFoldersOfTheLibrarysFiles) {
    const std::vector<std::pair<Folders, Folders>> cases = {
        {{"/m/a/1.mp3", "/m/a/2.mp3", "/m/b/3.mp3"}, {"/m/a", "/m/b"}},
        {{"/m/a/cd1/1.mp3", "/m/a/2.mp3"}, {"/m/a", "/m/a/cd1"}},
        {{"/top.mp3", "/m/a/1.mp3"}, {"/", "/m/a"}},
        {{"relative.mp3"}, {}},
        {{}, {}},
    };
    for (const auto& [paths, folders] : cases)
        EXPECT_EQ(foldersOfFiles(paths), folders) << testing::PrintToString(paths);
}

// Right in the folders, never below them: one song dropped from a large folder brings in none of the
// folder's subfolders.
TEST(BuildFolders, TheFilesOfAFolderAreThoseRightInIt) {
    test::TempDir dir;
    for (const char* name : {"a/1.mp3", "a/2.OGG", "a/notes.txt", "a/.hidden.mp3", "a/sub/3.mp3", "b/4.wma"})
        test::writeFile(dir / name, "x");
    std::filesystem::create_directory(dir / "a/folder.mp3");
    const auto path = [&](const char* name) { return (dir / name).string(); };
    EXPECT_EQ(filesIn({path("a"), path("b"), path("gone")}, {"*.mp3", "*.ogg"}),
              (Folders{path("a/.hidden.mp3"), path("a/1.mp3"), path("a/2.OGG")}));
    EXPECT_TRUE(filesIn({path("a")}, {}).empty());
}

// A folder named like a file ("Vol. 1") is still searched as a folder; what is gone is judged by its name.
TEST(BuildFolders, DroppedPathsAreFoldersWhenTheFileSystemSaysSo) {
    test::TempDir dir;
    test::writeFile(dir / "Vol. 1/a.mp3", "x");
    test::writeFile(dir / "song.mp3", "x");
    test::writeFile(dir / "README", "x");
    std::filesystem::create_directory(dir / "Albums");
    const auto path = [&](const char* name) { return (dir / name).string(); };
    const auto items = sortDroppedPaths({path("Vol. 1"), path("song.mp3"), path("README"), path("Albums"),
                                         path("gone.ogg"), path("gone folder")});
    EXPECT_EQ(items.files, (Folders{path("song.mp3"), path("README"), path("gone.ogg")}));
    EXPECT_EQ(items.folders, (Folders{path("Vol. 1"), path("Albums"), path("gone folder")}));
}

// A refresh leaves out what is no longer a folder: gone, or a file now stands under its name.
TEST(BuildFolders, FoldersThatAreGoneArePartedFromThoseThatAreThere) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "a/b");
    test::writeFile(dir / "now a file", "x");
    std::filesystem::create_directory_symlink(dir / "a", dir / "link to a");
    const auto path = [&](const char* name) { return (dir / name).string(); };
    const auto presence = folderPresence(
        {path("a/b"), path("gone"), path("now a file"), path("link to a"), path("a/gone/deeper"), path("a")});
    EXPECT_EQ(presence.present, (Folders{path("a/b"), path("link to a"), path("a")}));
    EXPECT_EQ(presence.missing, (Folders{path("gone"), path("now a file"), path("a/gone/deeper")}));
}

} // namespace
} // namespace kavrel::library
