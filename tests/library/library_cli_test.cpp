// kavrel-library as a user runs it: exit codes, messages, and a Ctrl+C that keeps the library whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "support/temp_dir.h"

namespace {

using kavrel::test::fixture;
using kavrel::test::readFile;
using kavrel::test::TempDir;
using kavrel::test::writeFile;

struct ToolRun {
    int status = -1;
    std::string output;
};

// Runs the tool with its output (both streams) in a file; a non-terminal, so one line per stage.
ToolRun runTool(const TempDir& dir, const std::string& arguments) {
    const auto log = dir / "tool.log";
    const std::string command =
        std::string(KAVREL_LIBRARY_TOOL) + " " + arguments + " >'" + log.string() + "' 2>&1";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(log)};
}

TEST(LibraryTool, BuildsALibraryAndSumsItUp) {
    TempDir dir;
    const auto tree = fixture("library/tree");
    const ToolRun run =
        runTool(dir, "build --library '" + (dir / "LB1").string() + "' '" + (tree / "first").string() +
                         "' '" + (tree / "second").string() + "'");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find(
                  "1) Finding Files\n2) Scaning Tags\n3) Performing Tags\n4) Sorting Tags\n5) Saving Tags to "
                  "Library\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("Library saved: 7 files, 7 songs, 4 artists, 0.01 MB in "), std::string::npos)
        << run.output;
    EXPECT_EQ(readFile(dir / "LB1" / "Artist4.pft").substr(0, 8), "Кино");
}

TEST(LibraryTool, FindingNothingExitsOneAndKeepsTheLibrary) {
    TempDir dir;
    writeFile(dir / "LB1" / "allsong.pft", "old");
    const ToolRun run = runTool(dir, "build --mask '*.flac' --library '" + (dir / "LB1").string() + "' '" +
                                         fixture("library/tree").string() + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("No file found\n"), std::string::npos) << run.output;
    EXPECT_EQ(readFile(dir / "LB1" / "allsong.pft"), "old");
}

TEST(LibraryTool, WrongUsageExitsTwo) {
    TempDir dir;
    for (const char* arguments : {"", "build", "build /music", "build --library", "rebuild --library x /m",
                                  "build --colour --library x /m"}) {
        const ToolRun run = runTool(dir, arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.output.find("usage: kavrel-library build"), std::string::npos) << arguments;
    }
}

TEST(LibraryTool, AnInterruptedBuildLeavesTheOldOrTheWholeNewLibrary) {
    TempDir dir;
    const auto music = dir / "music";
    for (int i = 0; i < 300; ++i) {
        const auto folder = music / std::to_string(i / 50);
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(fixture("library/tree/first/acdc.mp3"),
                                   folder / (std::to_string(i) + ".mp3"));
    }
    writeFile(dir / "LB1" / "allsong.pft", "old");
    int output[2];
    ASSERT_EQ(::pipe(output), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::execl(KAVREL_LIBRARY_TOOL, KAVREL_LIBRARY_TOOL, "build", "--library", (dir / "LB1").c_str(),
                music.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(output[1]);
    // The first stage line means the tool is building and handles the interrupt.
    char first = 0;
    ASSERT_EQ(::read(output[0], &first, 1), 1);
    ::kill(child, SIGINT);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(output[0]);
    ASSERT_TRUE(WIFEXITED(status));
    const std::string songs = readFile(dir / "LB1" / "allsong.pft");
    if (WEXITSTATUS(status) == 130)
        EXPECT_EQ(songs, "old");
    else
        EXPECT_EQ(std::count(songs.begin(), songs.end(), '\n'), 300);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2)
        << "no staging folder is left";
}

// `count` files of one ID3v1 tag each, every one by its own artist, so saving writes `count` artist files.
void writeTaggedTree(const std::filesystem::path& folder, int count) {
    for (int i = 0; i < count; ++i) {
        std::string tag(128, '\0');
        tag.replace(0, 3, "TAG");
        const std::string title = "Song " + std::to_string(i), artist = "Artist " + std::to_string(i);
        tag.replace(3, title.size(), title);
        tag.replace(33, artist.size(), artist);
        writeFile(folder / std::to_string(i / 100) / (std::to_string(i) + ".mp3"), tag);
    }
}

bool hasStagingFolder(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().filename().string().starts_with(".LB1."))
            return true;
    return false;
}

// Starts a build and kills it with SIGKILL as soon as it has a staging folder; false when the build
// ended first.
bool killBuildWhileSaving(const std::filesystem::path& library, const std::filesystem::path& music) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::execl(KAVREL_LIBRARY_TOOL, KAVREL_LIBRARY_TOOL, "build", "--library", library.c_str(),
                music.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (hasStagingFolder(library.parent_path())) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return true;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

TEST(LibraryTool, TheNextBuildClearsWhatAKilledBuildLeft) {
    TempDir dir;
    const auto music = dir / "music";
    const auto library = dir / "Library" / "LB1";
    constexpr int kSongs = 500;
    writeTaggedTree(music, kSongs);
    writeFile(library / "allsong.pft", "old");
    writeFile(library / "covers" / "a.jpg", "picture");

    bool killed = false;
    for (int attempt = 0; attempt < 3 && !killed; ++attempt)
        killed = killBuildWhileSaving(library, music);
    ASSERT_TRUE(killed) << "no build was caught while saving";
    ASSERT_TRUE(hasStagingFolder(dir / "Library")) << "the killed build left its staging folder";
    const std::string songs = readFile(library / "allsong.pft");
    EXPECT_TRUE(songs == "old" || std::count(songs.begin(), songs.end(), '\n') == kSongs);

    const ToolRun run = runTool(dir, "build --library '" + library.string() + "' '" + music.string() + "'");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "Library"), {}), 1)
        << "no staging folder is left";
    const std::string saved = readFile(library / "allsong.pft");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), kSongs);
    EXPECT_EQ(readFile(library / "covers" / "a.jpg"), "picture");
}

} // namespace
