#include "library/build_folders.h"

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

TEST(BuildFolders, ARefreshSearchesTheOutermostFoldersOfTheLibrarysFiles) {
    const std::vector<std::pair<Folders, Folders>> cases = {
        {{"/m/a/1.mp3", "/m/a/2.mp3", "/m/b/3.mp3"}, {"/m/a", "/m/b"}},
        {{"/m/a/cd1/1.mp3", "/m/a/2.mp3"}, {"/m/a"}},
        // " " sorts before "/": a folder is inside another by its parts, not by the ordinal order.
        {{"/m/a/x/1.mp3", "/m/a b/2.mp3", "/m/a/3.mp3"}, {"/m/a", "/m/a b"}},
        {{"/m/ab/1.mp3", "/m/a/2.mp3"}, {"/m/a", "/m/ab"}},
        {{"/top.mp3", "/m/a/1.mp3"}, {"/"}},
        {{"relative.mp3"}, {}},
        {{}, {}},
    };
    for (const auto& [paths, folders] : cases)
        EXPECT_EQ(foldersOfFiles(paths), folders) << testing::PrintToString(paths);
}

} // namespace
} // namespace kavrel::library
