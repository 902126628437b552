#include "platform/fs/staging_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

#include "support/temp_dir.h"

namespace kavrel::fs {
namespace {

using test::entryNames;
using test::readFile;
using test::TempDir;
using test::writeFile;

// A sweep that records what it was given to salvage and salvages nothing.
struct Sweep {
    std::vector<std::filesystem::path> salvaged;
    void operator()(const std::filesystem::path& target) {
        removeStaleStagingFolders(target, [this](const std::filesystem::path& stale) {
            salvaged.push_back(stale);
            return true;
        });
    }
};

TEST(StagingFolder, IsMadeHiddenBesideItsTargetAndTradesPlacesWithIt) {
    TempDir dir;
    writeFile(dir / "LB1" / "allsong.pft", "old");
    StagingFolder staging(dir / "LB1/");
    EXPECT_EQ(staging.path().parent_path(), dir.path());
    EXPECT_TRUE(staging.path().filename().string().starts_with(".LB1.")) << staging.path();
    staging.writeFile("allsong.pft", "new");
    staging.swapWithTarget();
    EXPECT_EQ(readFile(dir / "LB1" / "allsong.pft"), "new");
    EXPECT_EQ(readFile(staging.path() / "allsong.pft"), "old");
    staging.swapWithTarget();
    EXPECT_EQ(readFile(dir / "LB1" / "allsong.pft"), "old");
    EXPECT_EQ(readFile(staging.path() / "allsong.pft"), "new");
    staging.removeTree();
    EXPECT_EQ(entryNames(dir.path()), std::vector<std::string>{"LB1"});
}

TEST(StagingFolder, AMissingTargetIsMadeByTheSwapAndUndoneByTheNext) {
    TempDir dir;
    StagingFolder staging(dir / "Library" / "LB2");
    staging.writeFile("allsong.pft", "new");
    staging.swapWithTarget();
    EXPECT_EQ(readFile(dir / "Library" / "LB2" / "allsong.pft"), "new");
    EXPECT_FALSE(std::filesystem::exists(staging.path()));
    staging.swapWithTarget();
    EXPECT_FALSE(std::filesystem::exists(dir / "Library" / "LB2"));
    EXPECT_EQ(readFile(staging.path() / "allsong.pft"), "new");
}

TEST(StagingFolder, ATargetReachedThroughALinkIsReplacedWhereTheLinkLeads) {
    TempDir dir;
    writeFile(dir / "real" / "LB1" / "allsong.pft", "old");
    std::filesystem::create_directory_symlink(dir / "real" / "LB1", dir / "LB1");
    StagingFolder staging(dir / "LB1");
    staging.writeFile("allsong.pft", "new");
    staging.swapWithTarget();
    staging.removeTree();
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "LB1"));
    EXPECT_EQ(readFile(dir / "LB1" / "allsong.pft"), "new");
    EXPECT_EQ(entryNames(dir / "real"), std::vector<std::string>{"LB1"});
}

TEST(StagingFolder, ATargetThatIsNotAFolderIsNeverSwappedAway) {
    TempDir dir;
    writeFile(dir / "LB1", "a file");
    StagingFolder staging(dir / "LB1");
    EXPECT_THROW(staging.swapWithTarget(), std::system_error);
    EXPECT_EQ(readFile(dir / "LB1"), "a file");
}

// A live staging folder is held against sweeps from this process and from others; once its process is
// killed it is stale and goes at the next sweep.
TEST(StagingFolder, IsHeldWhileItsOwnerLivesAndStaleOnceItIsKilled) {
    TempDir dir;
    const auto target = dir / "LB1";
    Sweep sweep;
    {
        StagingFolder mine(target);
        sweep(target);
        EXPECT_TRUE(std::filesystem::is_directory(mine.path()));
    }
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const StagingFolder theirs(target);
        theirs.writeFile("allsong.pft", "new");
        if (::write(ready[1], "x", 1) != 1)
            ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    sweep(target);
    EXPECT_EQ(sweep.salvaged.size(), 1u) << "only the folder `mine` left was stale";
    const auto left = entryNames(dir.path());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(readFile(dir / left[0] / "allsong.pft"), "new") << "the live one stays";

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    sweep(target);
    EXPECT_EQ(sweep.salvaged.size(), 2u);
    EXPECT_TRUE(entryNames(dir.path()).empty());
}

TEST(StagingFolder, SweepsTakeOnlyStagingFoldersOfTheirTarget) {
    TempDir dir;
    const std::vector<std::string> kept = {".LB1.abc12", ".LB1.abc1234",    ".LB12.abc123", ".LB1.abc12!",
                                           "LB1.abc123", ".LB1.abc123.bak", ".lb1.abc123",  "LB1"};
    for (const auto& name : kept)
        std::filesystem::create_directory(dir / name);
    writeFile(dir / ".LB1.file99", "a file, not a staging folder");
    writeFile(dir / ".LB1.abc123" / "allsong.pft", "stale");
    Sweep sweep;
    sweep(dir / "LB1");
    EXPECT_EQ(sweep.salvaged, std::vector<std::filesystem::path>{dir / ".LB1.abc123"});
    auto expected = kept;
    expected.push_back(".LB1.file99");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entryNames(dir.path()), expected);
}

TEST(StagingFolder, AFolderWhoseSalvageFailsIsKept) {
    TempDir dir;
    writeFile(dir / ".LB1.abc123" / "covers" / "a.jpg", "picture");
    removeStaleStagingFolders(dir / "LB1", [](const std::filesystem::path&) { return false; });
    removeStaleStagingFolders(dir / "LB1", [](const std::filesystem::path&) -> bool {
        throw std::system_error(EIO, std::generic_category());
    });
    EXPECT_EQ(readFile(dir / ".LB1.abc123" / "covers" / "a.jpg"), "picture");
}

// Where names cannot be exchanged the swap goes through ".NAME.XXXXXX.old"; a process killed inside it
// leaves the old set aside and the new one either still staged or already in place.
TEST(StagingFolder, SweepsUndoASwapByRenamesThatWasCutShort) {
    struct Case {
        const char* newSetAt;
        const char* library;
        const char* salvaged;
    };
    for (const auto& [newSetAt, library, salvaged] :
         {Case{".LB1.abc123", "old", ".LB1.abc123"}, Case{"LB1", "new", ".LB1.abc123.old"}}) {
        SCOPED_TRACE(newSetAt);
        TempDir dir;
        writeFile(dir / ".LB1.abc123.old" / "allsong.pft", "old");
        writeFile(dir / newSetAt / "allsong.pft", "new");
        Sweep sweep;
        sweep(dir / "LB1");
        EXPECT_EQ(readFile(dir / "LB1" / "allsong.pft"), library);
        EXPECT_EQ(sweep.salvaged, std::vector<std::filesystem::path>{dir / salvaged});
        EXPECT_EQ(entryNames(dir.path()), std::vector<std::string>{"LB1"});
    }
}

TEST(MoveEntry, NeverReplacesWhatIsThere) {
    TempDir dir;
    writeFile(dir / "from" / "a", "x");
    std::filesystem::create_directory(dir / "to");
    EXPECT_THROW(moveEntry(dir / "from", dir / "to"), std::system_error);
    EXPECT_EQ(readFile(dir / "from" / "a"), "x");
    moveEntry(dir / "from", dir / "moved");
    EXPECT_EQ(readFile(dir / "moved" / "a"), "x");
}

} // namespace
} // namespace kavrel::fs
