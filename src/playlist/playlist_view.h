#pragma once
// What the playlist and playback logic shows. The main window and the mini player implement it (later);
// tests record it. Main thread only; nothing here blocks.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::playlist {

// Menu check marks and buttons the logic moves and the windows mirror.
enum class Check { QuickPlayEnabled, RepeatOneSong, RepeatAllPlayList };
enum class MarkLabel { Left, Right };

class PlaylistView {
public:
    virtual ~PlaylistView() = default;

    // The playlist list box (ListBox5) and the mini playlist, which always hold the same entries.
    virtual int itemCount() const = 0;
    virtual void clearItems() = 0;
    virtual void appendItem(const std::string& text) = 0;
    // A whole list shown again: a view that can take the entries in one step overrides it.
    virtual void appendItems(const std::vector<std::string>& texts) {
        for (const std::string& text : texts)
            appendItem(text);
    }
    // Replaces the entry at 0-based `position`; a position equal to the entry count appends.
    virtual void setItem(int position, const std::string& text) = 0;
    virtual void removeLastItem() = 0;
    // Highlights 1-based `row` of both lists with `word` ("Play" or "Pause"); 0 clears the highlight.
    virtual void markPlayingRow(int row, std::string_view word) = 0;
    // Selects 0-based `position` in the playlist list box; -1 clears the selection.
    virtual void selectItem(int position) = 0;
    // How many rows the playlist list box shows: round(list height / row height).
    virtual int visibleRows() const = 0;
    virtual void setScrollerRange(int maximum) = 0;
    virtual void setScrollerPosition(int position) = 0;

    // StaticText3: "123.45Mb".
    virtual void setSizeTotalText(const std::string& text) = 0;
    // StaticText1 / StaticText2 while the main window shows, or the mini player's "track...playlist" text.
    virtual void setTimeTexts(const std::string& trackTime, const std::string& playlistTime) = 0;
    virtual void setWindowTitle(const std::string& title) = 0;
    // The scrolling title strip.
    virtual void setTickerText(const std::string& text) = 0;

    // Both play buttons: picture 1 (play) or 4 (pause) and the button state.
    virtual void setPlayButton(int picture, int state) = 0;
    virtual void setRepeatButton(int state) = 0;
    virtual void setCheck(Check item, bool checked) = 0;

    // The time sliders (seconds) of the main window and the mini player.
    virtual void setTimeSliderMaximum(int seconds) = 0;
    virtual void setTimeSlider(int seconds) = 0;
    virtual void setVolumeSliders(int volume) = 0;

    // The A-B labels over the time slider.
    struct SliderGeometry {
        int left = 0;
        int width = 0;
    };
    virtual SliderGeometry timeSliderGeometry() const = 0;
    virtual int markLabelWidth(MarkLabel label) const = 0;
    virtual void showMarkLabel(MarkLabel label, int left) = 0;
    virtual void hideMarkLabels() = 0;

    // The row hint over the playlist, its top-left at the row; an empty text cancels it.
    virtual void showRowHint(const std::string& text, int row) = 0;
};

} // namespace kavrel::playlist
