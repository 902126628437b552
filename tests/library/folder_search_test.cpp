#include "library/folder_search.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kavrel::library {
namespace {

TEST(FileMasks, MatchWildcardsIgnoringCase) {
    const FileMasks masks({"*.mp3", "track??.OGG"});
    const std::pair<const char*, bool> cases[] = {
        {"x.MP3", true},       {"song.mp3", true},    {".mp3", true},      {"song.mp3.txt", false},
        {"TRACK01.ogg", true}, {"track1.ogg", false}, {"ПЕСНЯ.Mp3", true}, {"mp3", false},
    };
    for (const auto& [name, matches] : cases)
        EXPECT_EQ(masks.matches(name), matches) << name;
    EXPECT_TRUE(wildcardMatch("*a*b*c", "xxaxxbxxbc"));
    EXPECT_FALSE(wildcardMatch("*a*b*c", "xxaxxbxxbcd"));
}

TEST(FolderSearch, NeverEntersSystemFolders) {
    const FileMasks everything({"*"});
    StageGate gate;
    FolderSearch search(everything, gate, [](const std::string&) {});
    std::vector<std::string> found;
    for (const char* folder : {"/proc", "/sys/kernel", "/dev/", "/proc/self/cwd"})
        EXPECT_TRUE(search.search(folder, found));
    EXPECT_TRUE(found.empty());
}

TEST(FolderSearch, EndsAtTheNextFileOnceStopped) {
    test::TempDir dir;
    for (const char* name : {"a.mp3", "b.mp3", "sub/c.mp3"})
        test::writeFile(dir / name, "x");
    const FileMasks masks({"*.mp3"});
    StageGate gate;
    std::vector<std::string> found;
    FolderSearch search(masks, gate, [&](const std::string&) { gate.stop(); });
    EXPECT_FALSE(search.search(dir.path().string(), found));
    EXPECT_EQ(found.size(), 1u);
}

} // namespace
} // namespace kavrel::library
