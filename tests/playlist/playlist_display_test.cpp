#include "playlist/playback_fixture.h"

#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace playlist;

TEST(PlaylistDisplayTest, RowTextsInBothFormsWithAndWithoutNumbers) {
    struct Case {
        bool numbering, artistTitle;
        std::string expected;
    };
    for (const Case& c : {Case{false, false, "Title 2"}, Case{true, false, "2. Title 2"},
                          Case{false, true, "Artist 2- Title 2"}, Case{true, true, "2. Artist 2- Title 2"}}) {
        PlaybackFixture f;
        f.settings.PlayList_Indexin = c.numbering;
        f.settings.Name_PlayList_A_T = c.artistTitle;
        f.load(3);
        EXPECT_EQ(f.view.items[1], c.expected);
    }
}

TEST(PlaylistDisplayTest, RowsFromTheFirstChangedOneAreRewrittenAndTheRestAppended) {
    PlaybackFixture f;
    f.settings.PlayList_Indexin = true;
    f.view.rowsShown = 2;
    f.load(3);
    f.list().Rows.insert(f.list().Rows.begin() + 2, songRow(9));
    f.display.showRows(f.list(), 3, 2, 4);
    EXPECT_EQ(f.view.items,
              (std::vector<std::string>{"1. Title 1", "2. Title 9", "3. Title 2", "4. Title 3"}));
    EXPECT_EQ(f.view.scrollerRange, 3) << "4 entries, 2 shown";

    f.display.showRows(f.list(), 0, 4, 4);
    EXPECT_EQ(f.view.items.size(), 5u) << "a new row is appended";
}

TEST(PlaylistDisplayTest, SizeTotalInMegabytes) {
    TPlist list;
    EXPECT_EQ(sizeTotalText(list), "0.00Mb");
    list.Rows.push_back(songRow(1, 1000, 129446707)); // 123.449... MiB
    list.Rows.push_back(songRow(2, 1000, 5243));
    EXPECT_EQ(sizeTotalText(list), "123.45Mb");
    list.Rows.push_back(songRow(3, 1000, 0));
    list.row(3)[11] = "big";
    EXPECT_EQ(sizeTotalText(list), "123.45Mb") << "a size that is not a number counts as 0";
    list.row(3)[11] = "5000000000000";
    EXPECT_EQ(sizeTotalText(list), "4768495.04Mb") << "totals beyond 32 bits";
}

TEST(PlaylistDisplayTest, SlidersAndVolumeReachTheEngine) {
    PlaybackFixture f;
    f.load(1);
    f.control.PlayRow(1);
    f.control.TimeSliderChanged();
    f.engine.position = 12000;
    f.poll();
    EXPECT_EQ(f.view.slider, 0) << "the slider is not moved while the user drags it";
    f.control.TimeSliderReleased(30);
    EXPECT_EQ(f.engine.calls.back(), "SetPosition 30000");
    f.poll();
    EXPECT_EQ(f.view.slider, 30);
    f.control.VolumeChanged(640);
    EXPECT_EQ(f.engine.calls.back(), "SetVolume 640");
    EXPECT_EQ(f.view.volume_, 640);
}

} // namespace
} // namespace kavrel::test
