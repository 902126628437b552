// The library save under faults: whatever step fails, and wherever the process dies, the library
// folder ends up as the whole old library or the whole new one, sub-folders included, and no staging
// folder outlives the next sweep.
#include "library/staged_library.h"

#include <gtest/gtest.h>

#include <map>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

#include "support/temp_dir.h"

namespace kavrel::library {
namespace {

using test::entryNames;
using test::readFile;
using test::TempDir;
using test::writeFile;
using Tree = std::map<std::string, std::string>;

// Every file under `folder` by relative path, and every folder as "name/".
Tree snapshot(const std::filesystem::path& folder) {
    Tree tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string relative = entry.path().lexically_relative(folder).string();
        if (entry.is_directory())
            tree[relative + "/"] = "";
        else
            tree[relative] = readFile(entry.path());
    }
    return tree;
}

const Tree kOldLibrary = {{"allsong.pft", "old songs"},
                          {"Artist1.pft", "old artist"},
                          {"covers/", ""},
                          {"covers/a.jpg", "picture"},
                          {"notes/", ""},
                          {"notes/deep/", ""},
                          {"notes/deep/todo.txt", "to do"}};
const Tree kNewLibrary = {{"allsong.pft", "new songs"},
                          {"path.pan", "new paths"},
                          {"covers/", ""},
                          {"covers/a.jpg", "picture"},
                          {"notes/", ""},
                          {"notes/deep/", ""},
                          {"notes/deep/todo.txt", "to do"}};

struct SaveFixture {
    TempDir dir;
    std::filesystem::path library = dir / "LB1";

    SaveFixture() {
        for (const auto& [name, bytes] : kOldLibrary)
            if (name.ends_with('/'))
                std::filesystem::create_directories(library / name);
            else
                writeFile(library / name, bytes);
    }

    // The new set of kNewLibrary saved with `hook` before each step.
    void save(SaveStepHook hook) {
        StagedLibrary staged(library, std::move(hook));
        staged.writeFile("allsong.pft", "new songs");
        staged.writeFile("path.pan", "new paths");
        staged.install();
    }
};

// A hook that throws at the `occurrence`th time `failing` comes (counting from 0).
SaveStepHook failAt(SaveStep failing, int occurrence) {
    return [failing, occurrence, seen = 0](SaveStep step) mutable {
        if (step == failing && seen++ == occurrence)
            throw std::system_error(EIO, std::generic_category(), "injected");
    };
}

TEST(StagedLibrary, InstallsTheNewSetWholeAndKeepsSubFolders) {
    SaveFixture fixture;
    {
        StagedLibrary staged(fixture.library);
        staged.writeFile("allsong.pft", "new songs");
        staged.writeFile("path.pan", "new paths");
        EXPECT_EQ(snapshot(fixture.library), kOldLibrary) << "nothing changes before install";
        staged.install();
    }
    EXPECT_EQ(snapshot(fixture.library), kNewLibrary);
    EXPECT_EQ(entryNames(fixture.dir.path()), std::vector<std::string>{"LB1"}) << "no staging folder is left";
}

TEST(StagedLibrary, AnAbandonedSaveLeavesTheOldLibrary) {
    SaveFixture fixture;
    {
        StagedLibrary staged(fixture.library);
        staged.writeFile("allsong.pft", "new songs");
    }
    EXPECT_EQ(snapshot(fixture.library), kOldLibrary);
    EXPECT_EQ(entryNames(fixture.dir.path()), std::vector<std::string>{"LB1"});
}

TEST(StagedLibrary, AFirstSaveMakesTheLibraryFolder) {
    TempDir dir;
    {
        StagedLibrary staged(dir / "Library" / "LB2");
        staged.writeFile("allsong.pft", "new");
        staged.install();
    }
    EXPECT_EQ(snapshot(dir / "Library"), (Tree{{"LB2/", ""}, {"LB2/allsong.pft", "new"}}));
}

// A failure of any step before the save is durable leaves the old library; a failure to remove the old
// set afterwards leaves the new one, and the old set goes at the next sweep.
TEST(StagedLibrary, AFailureAtAnyStepLeavesTheOldLibraryWhole) {
    struct Case {
        SaveStep step;
        int occurrence;
        bool saved;
    };
    const Case cases[] = {
        {SaveStep::MoveSubFolder, 0, false}, {SaveStep::MoveSubFolder, 1, false},
        {SaveStep::SetMode, 0, false},       {SaveStep::Sync, 0, false},
        {SaveStep::Swap, 0, false},          {SaveStep::SyncSwap, 0, false},
        {SaveStep::RemoveStaging, 0, true},
    };
    for (const auto& [step, occurrence, saved] : cases) {
        SCOPED_TRACE(testing::Message() << "step " << static_cast<int>(step) << " #" << occurrence);
        SaveFixture fixture;
        if (saved) {
            EXPECT_NO_THROW(fixture.save(failAt(step, occurrence)));
        } else {
            EXPECT_THROW(fixture.save(failAt(step, occurrence)), std::system_error);
        }
        EXPECT_EQ(snapshot(fixture.library), saved ? kNewLibrary : kOldLibrary);
        removeStaleStagingFolders(fixture.library);
        EXPECT_EQ(snapshot(fixture.library), saved ? kNewLibrary : kOldLibrary);
        EXPECT_EQ(entryNames(fixture.dir.path()), std::vector<std::string>{"LB1"});
    }
}

// The process ends before each step in turn, as a kill would end it: no destructor runs. The next sweep
// then leaves the old library up to the swap and the new one from the swap on.
TEST(StagedLibrary, AProcessEndedAtAnyStepLeavesTheOldOrTheNewLibraryAfterTheNextSweep) {
    std::vector<SaveStep> steps;
    {
        SaveFixture counting;
        counting.save([&steps](SaveStep step) { steps.push_back(step); });
    }
    ASSERT_EQ(steps, (std::vector<SaveStep>{SaveStep::MoveSubFolder, SaveStep::MoveSubFolder,
                                            SaveStep::SetMode, SaveStep::Sync, SaveStep::Swap,
                                            SaveStep::SyncSwap, SaveStep::RemoveStaging}));
    for (std::size_t end = 0; end < steps.size(); ++end) {
        SCOPED_TRACE(end);
        SaveFixture fixture;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::size_t seen = 0;
            fixture.save([&](SaveStep) {
                if (seen++ == end)
                    ::_exit(0);
            });
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(entryNames(fixture.dir.path()).size(), 2u) << "the ended save left its staging folder";

        removeStaleStagingFolders(fixture.library);
        const bool swapped = end > 4;
        EXPECT_EQ(snapshot(fixture.library), swapped ? kNewLibrary : kOldLibrary);
        EXPECT_EQ(entryNames(fixture.dir.path()), std::vector<std::string>{"LB1"});
    }
}

TEST(StagedLibrary, TheStartUpSweepClearsEveryLibrarysStaleFolders) {
    TempDir dir;
    writeFile(dir / "Library" / "LB1" / "allsong.pft", "kept");
    for (const char* stale : {".LB1.abc123", ".LB2.abc123", ".LBCD.abc123"})
        writeFile(dir / "Library" / stale / "allsong.pft", "stale");
    writeFile(dir / "Library" / ".LB1.abc123" / "covers" / "a.jpg", "picture");
    removeStaleStagingFolders(fs::ProgramFolder(dir.path()));
    EXPECT_EQ(snapshot(dir / "Library"), (Tree{{"LB1/", ""},
                                               {"LB1/allsong.pft", "kept"},
                                               {"LB1/covers/", ""},
                                               {"LB1/covers/a.jpg", "picture"}}));
}

} // namespace
} // namespace kavrel::library
