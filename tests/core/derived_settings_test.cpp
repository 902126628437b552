#include "core/derived_settings.h"

#include "core/design_defaults.h"

#include <gtest/gtest.h>

namespace kavrel::core {
namespace {

TEST(DerivedSettings, NightModeVolume) {
    TConfRecord r = designDefaults();
    r.VolumePosition = 640;
    EXPECT_EQ(startVolume(r), 640);
    r.O_Run_Volume = 1;
    r.O_Run_NM_Vol.text = "35";
    EXPECT_EQ(startVolume(r), 350);
    r.O_Run_NM_Vol.text = "250";
    EXPECT_EQ(startVolume(r), 1000);
}

TEST(DerivedSettings, QuickPlayTableIsClosedByAFourthEntry) {
    TConfRecord r = designDefaults();
    r.Interval_Pos_1.text = "50";
    r.Interval_Len_1.text = "10";
    r.Interval_Len_3.text = "2,5";
    const QuickPlayTable table = quickPlayTable(r);
    EXPECT_EQ(table[0], (QuickPlayFragment{0.5, 10000}));
    EXPECT_EQ(table[1], (QuickPlayFragment{0.33, 7000}));
    EXPECT_EQ(table[2], (QuickPlayFragment{0.66, 2500}));
    EXPECT_EQ(table[3], (QuickPlayFragment{1.0, 0}));
}

TEST(DerivedSettings, ShuffleSharesArePercentages) {
    TConfRecord r = designDefaults();
    r.S_All.text = "12,5%";
    r.S_A_Alb.text = "100";
    const ShuffleShares shares = shuffleShares(r);
    EXPECT_DOUBLE_EQ(shares.library, 0.125);
    EXPECT_DOUBLE_EQ(shares.activeAlbum, 1.0);
    EXPECT_DOUBLE_EQ(shares.russianArtists, 0.0);
}

TEST(DerivedSettings, CentredStartIgnoresTheSavedPlace) {
    TConfRecord r = designDefaults();
    r.WindowLeft = 11;
    r.WindowTop = 22;
    EXPECT_EQ(startWindowPosition(r, 1920, 1080, 694, 602), (WindowPoint{11, 22}));
    r.O_Run_Position = 1;
    EXPECT_EQ(startWindowPosition(r, 1920, 1080, 694, 602), (WindowPoint{613, 239}));
    EXPECT_EQ(startWindowPosition(r, 1921, 1081, 694, 602), (WindowPoint{614, 240})); // 613.5 and 239.5: to even
}

TEST(DerivedSettings, OnlySizeModeZeroKeepsTheSavedExtraSize) {
    TConfRecord r = designDefaults();
    r.ExtraWidth = 40;
    r.ExtraHeight = 30;
    EXPECT_EQ(startExtraSize(r), (WindowSize{40, 30}));
    for (int mode : {1, 2}) {
        r.O_Run_Size = mode;
        EXPECT_EQ(startExtraSize(r), WindowSize{});
    }
}

} // namespace
} // namespace kavrel::core
