#include "platform/fs/program_folder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace kavrel::fs {
namespace {

using test::TempDir;
using test::writeFile;

TEST(ProgramFolder, CaseVariantsNameOneFile) {
    TempDir dir;
    writeFile(dir / "PlSysFile/Conf.pcf", "x");
    writeFile(dir / "Library/LB1/path.pan", "y");
    const ProgramFolder folder(dir.path());
    EXPECT_EQ(folder.resolve("\\PlSysFile\\conf.pcf"), dir / "PlSysFile/Conf.pcf");
    EXPECT_EQ(folder.resolve("/plsysfile/CONF.PCF"), dir / "PlSysFile/Conf.pcf");
    EXPECT_EQ(folder.resolve("/Library/lb1/path.pan"), dir / "Library/LB1/path.pan");
}

TEST(ProgramFolder, MissingNamesKeepTheirSpellingUnderResolvedFolders) {
    TempDir dir;
    writeFile(dir / "PlayLists/keep", "");
    const ProgramFolder folder(dir.path());
    EXPECT_EQ(folder.resolve("\\playlists\\PlayListMainPL1.ppl"), dir / "PlayLists/PlayListMainPL1.ppl");
    EXPECT_EQ(folder.resolve("\\NoSuch\\File.txt"), dir / "NoSuch/File.txt");
}

TEST(ProgramFolder, ExactSpellingWinsOverACaseTwin) {
    TempDir dir;
    writeFile(dir / "a/Song.mp3", "1");
    writeFile(dir / "a/song.mp3", "2");
    EXPECT_EQ(resolveIgnoringCase(dir.path(), "a/song.mp3"), dir / "a/song.mp3");
    EXPECT_EQ(resolveIgnoringCase(dir.path(), "a/Song.mp3"), dir / "a/Song.mp3");
    // Without an exact match the choice is stable: the first in byte order.
    EXPECT_EQ(resolveIgnoringCase(dir.path(), "a/SONG.MP3"), dir / "a/Song.mp3");
}

} // namespace
} // namespace kavrel::fs
