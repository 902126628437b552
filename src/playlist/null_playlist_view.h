#pragma once
// The playlist view of a program without a window (and of the player before its window binds): shows
// nothing, but keeps the entry count the playlist logic reads back.
#include "playlist/playlist_view.h"

namespace kavrel::playlist {

class NullPlaylistView final : public PlaylistView {
public:
    int itemCount() const override { return items_; }
    void clearItems() override { items_ = 0; }
    void appendItem(const std::string&) override { ++items_; }
    void setItem(int position, const std::string&) override {
        if (position == items_)
            ++items_;
    }
    void removeLastItem() override {
        if (items_ > 0)
            --items_;
    }
    void markPlayingRow(int, std::string_view) override {}
    void selectItem(int) override {}
    int visibleRows() const override { return 1; }
    void setScrollerRange(int) override {}
    void setScrollerPosition(int) override {}
    void setSizeTotalText(const std::string&) override {}
    void setTimeTexts(const std::string&, const std::string&) override {}
    void setWindowTitle(const std::string&) override {}
    void setTickerText(const std::string&) override {}
    void setPlayButton(int, int) override {}
    void setRepeatButton(int) override {}
    void setCheck(Check, bool) override {}
    void setTimeSliderMaximum(int) override {}
    void setTimeSlider(int) override {}
    void setVolumeSliders(int) override {}
    SliderGeometry timeSliderGeometry() const override { return {}; }
    int markLabelWidth(MarkLabel) const override { return 0; }
    void showMarkLabel(MarkLabel, int) override {}
    void hideMarkLabels() override {}
    void showRowHint(const std::string&, int) override {}

private:
    int items_ = 0;
};

} // namespace kavrel::playlist
