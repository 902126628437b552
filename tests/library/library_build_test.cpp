#include <gtest/gtest.h>

#include <algorithm>

#include "build_harness.h"
#include "library/build_progress.h"
#include "support/temp_dir.h"

namespace kavrel::library {
namespace {

using kavrel::test::fixture;
using kavrel::test::readFile;
using kavrel::test::TempDir;
using kavrel::test::writeFile;
using test::BuildEnd;
using test::BuildHarness;
using test::folderFiles;

// The fixture tree copied into a temporary folder, and the library folder beside it.
class LibraryBuild : public ::testing::Test {
protected:
    LibraryBuild() {
        std::filesystem::copy(fixture("library/tree"), music, std::filesystem::copy_options::recursive);
    }

    std::string folder(const char* name) const { return (music / name).string(); }

    // The hand-written expected library with the tree's location filled in.
    std::vector<std::pair<std::string, std::string>> expectedLibrary() const {
        auto files = folderFiles(fixture("library/expected"));
        for (auto& [name, bytes] : files)
            for (std::size_t at; (at = bytes.find("@ROOT@")) != std::string::npos;)
                bytes.replace(at, 6, music.string());
        return files;
    }

    TempDir dir;
    const std::filesystem::path music = dir / "music";
    const std::filesystem::path library = dir / "Library" / "LB1";
};

TEST_F(LibraryBuild, WritesTheExpectedLibraryAndReportsEveryStage) {
    BuildHarness build(library, {folder("first"), folder("second")});
    ASSERT_EQ(build.run(), BuildEnd::Saved) << build.recorder.failure;
    EXPECT_EQ(folderFiles(library), expectedLibrary());
    const std::vector<std::string> stages = {"running 1", "done 1", "running 2", "done 2",
                                             "running 3", "done 3", "running 4", "done 4",
                                             "running 5", "done 5", "done 6"};
    EXPECT_EQ(build.recorder.events, stages);
    EXPECT_EQ(build.recorder.files, 7);
    EXPECT_EQ(build.recorder.songs, 7);
    EXPECT_EQ(build.recorder.artists, 4) << "Abba and ABBA count once, the AC DC spellings once";
    EXPECT_EQ(build.builder.ArtistNames, (std::vector<std::string>{"Abba", "AC DC", "Unknown", "Кино"}));
}

TEST_F(LibraryBuild, AddingFoldersGivesTheSameLibraryAndAddsNothingTwice) {
    ASSERT_EQ(BuildHarness(library, {folder("first")}).run(), BuildEnd::Saved);
    ASSERT_EQ(BuildHarness(library, {folder("second")}, true).run(), BuildEnd::Saved);
    EXPECT_EQ(folderFiles(library), expectedLibrary());

    BuildHarness again(library, {folder("second"), folder("second")}, true);
    ASSERT_EQ(again.run(), BuildEnd::Saved);
    EXPECT_EQ(again.recorder.files, 0);
    EXPECT_EQ(folderFiles(library), expectedLibrary());
}

TEST_F(LibraryBuild, AddingWithoutAPathListRebuilds) {
    writeFile(library / "allsong.pft", "Stale endart \r\n");
    BuildHarness build(library, {folder("first"), folder("second")}, true);
    ASSERT_EQ(build.run(), BuildEnd::Saved);
    EXPECT_FALSE(build.builder.AddMode);
    EXPECT_EQ(folderFiles(library), expectedLibrary());
}

TEST_F(LibraryBuild, AFolderGivenTwiceWithoutAddModeGivesItsFilesTwice) {
    BuildHarness build(library, {folder("first"), folder("first")});
    ASSERT_EQ(build.run(), BuildEnd::Saved);
    EXPECT_EQ(build.builder.FileList.size(), 4u);
    EXPECT_EQ(build.builder.SongLines.size(), 4u);
}

TEST_F(LibraryBuild, PathsDifferingOnlyInCaseAreTwoSongs) {
    std::filesystem::copy_file(music / "first" / "acdc.mp3", music / "first" / "ACDC.mp3");
    BuildHarness build(library, {folder("first")}, false);
    ASSERT_EQ(build.run(), BuildEnd::Saved);
    ASSERT_EQ(BuildHarness(library, {folder("first")}, true).run(), BuildEnd::Saved);
    const std::string paths = readFile(library / "path.pan");
    EXPECT_EQ(std::count(paths.begin(), paths.end(), '\n'), 3);
    EXPECT_NE(paths.find("/first/acdc.mp3\r\n"), std::string::npos);
    EXPECT_NE(paths.find("/first/ACDC.mp3\r\n"), std::string::npos);
}

TEST_F(LibraryBuild, FindingNoFileLeavesTheOldLibrary) {
    writeFile(library / "allsong.pft", "old");
    std::filesystem::create_directories(music / "empty");
    BuildHarness build(library, {folder("empty"), folder("missing")});
    EXPECT_EQ(build.run(), BuildEnd::NoFiles);
    EXPECT_EQ(folderFiles(library),
              (std::vector<std::pair<std::string, std::string>>{{"allsong.pft", "old"}}));
}

TEST_F(LibraryBuild, StoppingASuspendedSaveLeavesTheOldLibrary) {
    writeFile(library / "allsong.pft", "old");
    BuildHarness build(library, {folder("first"), folder("second")});
    build.recorder.onStageRunning = [&](BuildStage stage) {
        if (stage == BuildStage::SavingTagsToLibrary)
            build.builder.Suspend();
    };
    build.builder.Start();
    ASSERT_TRUE(build.recorder.waitFor("running 5"));
    EXPECT_TRUE(build.builder.IsSuspended());
    build.builder.Stop();
    EXPECT_EQ(build.recorder.end, BuildEnd::None);
    EXPECT_EQ(folderFiles(library),
              (std::vector<std::pair<std::string, std::string>>{{"allsong.pft", "old"}}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "Library"), {}), 1)
        << "no staging folder left";
}

TEST_F(LibraryBuild, ResumedBuildsFinish) {
    BuildHarness build(library, {folder("first")});
    build.recorder.onStageRunning = [&](BuildStage stage) {
        if (stage == BuildStage::ScaningTags)
            build.builder.Suspend();
    };
    build.builder.Start();
    ASSERT_TRUE(build.recorder.waitFor("running 2"));
    build.builder.Resume();
    ASSERT_TRUE(build.recorder.waitForEnd());
    EXPECT_EQ(build.recorder.end, BuildEnd::Saved);
}

TEST_F(LibraryBuild, FindsUpperCaseExtensionsSkipsLinkLoopsAndCountsMegabytes) {
    const auto folderOnly = dir / "only";
    writeFile(folderOnly / "x.MP3", std::string(1048576 - 684, '\0'));
    std::filesystem::create_directories(folderOnly / "sub");
    std::filesystem::copy_file(music / "first" / "acdc.mp3", folderOnly / "sub" / "a.mp3");
    std::filesystem::create_directory_symlink(folderOnly, folderOnly / "sub" / "loop");
    BuildHarness build(library, {folderOnly.string()});
    ASSERT_EQ(build.run(), BuildEnd::Saved);
    EXPECT_EQ(build.builder.FileList.size(), 2u);
    EXPECT_EQ(formatMegabytes(build.recorder.lastMegabytes), "1.00");
    EXPECT_EQ(formatMegabytes(1048576.0 / 1048576 * 2.345, ','), "2,35");
    EXPECT_NE(readFile(library / "allsong.pft").find("/only/x.MP3 endPth 1047892 endfln "),
              std::string::npos);
}

TEST_F(LibraryBuild, AFileThatVanishedBeforeItsScanIsLeftOut) {
    BuildHarness build(library, {folder("first")});
    build.builder.FileList = {(music / "gone.mp3").string()};
    ASSERT_EQ(build.run(), BuildEnd::Saved);
    EXPECT_EQ(build.builder.FileList.size(), 2u);
    EXPECT_EQ(readFile(library / "path.pan").find("gone.mp3"), std::string::npos);
}

TEST_F(LibraryBuild, AFailedSaveIsReported) {
    writeFile(dir / "Library", "a file where the library folders belong");
    BuildHarness build(library, {folder("first")});
    EXPECT_EQ(build.run(), BuildEnd::Failed);
    EXPECT_NE(build.recorder.failure.find("LB1"), std::string::npos) << build.recorder.failure;
    EXPECT_EQ(readFile(dir / "Library"), "a file where the library folders belong");
}

} // namespace
} // namespace kavrel::library
