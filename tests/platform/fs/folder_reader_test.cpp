#include "platform/fs/folder_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <sys/stat.h>

#include "support/temp_dir.h"

namespace kavrel::fs {
namespace {

using test::TempDir;

TEST(FolderReader, TellsFoldersFromFilesAndNeverTakesALinkToAFolderAsAFolder) {
    TempDir dir;
    test::writeFile(dir / "song.mp3", "x");
    test::writeFile(dir / ".hidden", "x");
    std::filesystem::create_directory(dir / "album");
    std::filesystem::create_symlink(dir / "song.mp3", dir / "to-song");
    std::filesystem::create_directory_symlink(dir.path(), dir / "loop");
    std::filesystem::create_symlink(dir / "absent", dir / "dangling");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    const std::map<std::string, EntryKind> expected = {
        {"song.mp3", EntryKind::File}, {".hidden", EntryKind::File}, {"album", EntryKind::Folder},
        {"to-song", EntryKind::File},  {"loop", EntryKind::Other},   {"dangling", EntryKind::Other},
        {"pipe", EntryKind::Other},
    };
    const std::string folder = dir.path().string() + "/";
    FolderReader reader(folder);
    ASSERT_TRUE(reader.isOpen());
    std::map<std::string, EntryKind> read;
    while (const auto entry = reader.next()) {
        EXPECT_EQ(entry->path, folder + std::string(entry->name()));
        read[std::string(entry->name())] = entry->kind;
    }
    EXPECT_EQ(read, expected);
    EXPECT_EQ(reader.error(), 0);
}

TEST(FolderReader, AFolderThatCannotBeReadReadsAsEmptyAndSaysWhy) {
    TempDir dir;
    test::writeFile(dir / "file", "x");
    for (const auto& [name, error] : {std::pair{"absent/", ENOENT}, std::pair{"file/", ENOTDIR}}) {
        FolderReader reader((dir / name).string());
        EXPECT_FALSE(reader.isOpen()) << name;
        EXPECT_FALSE(reader.next()) << name;
        EXPECT_EQ(reader.error(), error) << name;
    }
}

} // namespace
} // namespace kavrel::fs
