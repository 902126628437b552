#include "engine/cd_playlist.h"
#include "platform/audio/cd_drive.h"
#include "platform/bass/audio_rig.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kavrel::test {
namespace {

using namespace engine;
using namespace std::chrono_literals;

TEST(CdTrackRow, FillsTheColumnsOfATrack) {
    const library::TrackRow row = TCdPlaylist::cdTrackRow("/dev/sr0/", 3, 200000);
    const library::TrackRow expected = {
        "CD", "", "Track 3 - 03:20",      "0",        "CD", "3", "0", "200000",
        "0",  "", "/dev/sr0/Track03.cda", "35280000", ""};
    EXPECT_EQ(row, expected);
    EXPECT_EQ(TCdPlaylist::cdTrackRow("/dev/sr1/", 12, 61500)[10], "/dev/sr1/Track12.cda");
    EXPECT_EQ(TCdPlaylist::cdTrackRow("/dev/sr1/", 12, 61500)[2], "Track 12 - 01:02");
    EXPECT_EQ(TCdPlaylist::cdTrackRow("/dev/sr1/", 1, 1)[11], "176") << "176.4 rounds to 176";
}

TEST(CdDrive, DrivePathIsTheSourceAndASlash) {
    EXPECT_EQ(audio::cdDrivePath("/dev/sr0"), "/dev/sr0/");
    EXPECT_EQ(audio::cdDrivePath(""), "");
}

TEST(CdDrive, TheEnvironmentChoosesTheSource) {
    ::setenv("KAVREL_CD_DEVICE", "/images/disc.cue", 1);
    EXPECT_EQ(audio::findCdSource(), "/images/disc.cue");
    ::unsetenv("KAVREL_CD_DEVICE");
}

class TCdPlaylistTest : public ::testing::Test {
protected:
    TCdPlaylistTest() { facade.SelectEngine(kEngineBass); }

    // Replaces the disc in the drive: the image file at the same path gets other tracks.
    void insertDisc(const std::vector<CdImageTrack>& tracks) { writeCdImage(dir.path(), tracks); }

    TempDir dir;
    std::filesystem::path cue = writeCdImage(dir.path(), {{2, 440}, {3, 880}, {1, 1760}});
    AudioRig rig{cue.string()};
    TMasterEngine facade{rig.library, 0};
    TCdPlaylist cd{facade, audio::cdDrivePath(cue.string())};
    std::vector<library::TrackRow> rows = std::vector<library::TrackRow>(1); // row 0 unused
};

TEST_F(TCdPlaylistTest, ReadsOneRowPerTrackAndPlaysThem) {
    ASSERT_TRUE(cd.ReadCdTracks(rows));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(cd.LastDiscId(), expectedCddbId({2, 3, 1}));
    EXPECT_EQ(rows[2], TCdPlaylist::cdTrackRow(cue.string() + "/", 2, 3000));
    EXPECT_EQ(rows[3][10], cue.string() + "/Track03.cda");
    EXPECT_EQ(rows[3][11], "176400");

    facade.Play(rows[3][10], 0, false);
    EXPECT_EQ(facade.GetState(), 1);
    EXPECT_NEAR(zeroCrossingFrequency(leftChannel(rig.run(500ms))), 1760.0, 4.0);
}

TEST_F(TCdPlaylistTest, TheSameDiscKeepsTheRowsAndANewDiscReplacesThem) {
    ASSERT_TRUE(cd.ReadCdTracks(rows));
    facade.Play(rows[2][10], 0, false);
    EXPECT_FALSE(cd.ReadCdTracks(rows));
    EXPECT_EQ(facade.GetState(), 1) << "the same disc does not stop playback";

    insertDisc({{4, 440}, {2, 880}});
    ASSERT_TRUE(cd.ReadCdTracks(rows));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][7], "4000");
    EXPECT_EQ(cd.LastDiscId(), expectedCddbId({4, 2}));
    EXPECT_EQ(facade.GetState(), 0) << "reading a new disc stops playback";
}

TEST_F(TCdPlaylistTest, AnEmptyTabIsFilledEvenForTheLastDisc) {
    cd.SetLastDiscId(expectedCddbId({2, 3, 1}));
    EXPECT_TRUE(cd.ReadCdTracks(rows));
    EXPECT_EQ(rows.size(), 4u);
}

TEST_F(TCdPlaylistTest, NoDiscLeavesTheRowsUnchanged) {
    ASSERT_TRUE(cd.ReadCdTracks(rows));
    std::filesystem::remove(cue);
    EXPECT_FALSE(cd.ReadCdTracks(rows));
    EXPECT_EQ(rows.size(), 4u);
    EXPECT_EQ(cd.LastDiscId(), expectedCddbId({2, 3, 1}));
}

} // namespace
} // namespace kavrel::test
