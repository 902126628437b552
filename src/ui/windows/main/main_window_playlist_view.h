#pragma once
// The main window's side of the playlist and playback logic's view: the playlist list box, the time
// and size texts, the title strip and the window title, the play and repeat buttons, the check marks,
// the time and volume bars and the A-B marks.
#include "playlist/playlist_view.h"
#include "ui/controls/row_hint_popup.h"

namespace kavrel::ui {

class TForm1;

class MainWindowPlaylistView final : public playlist::PlaylistView {
public:
    explicit MainWindowPlaylistView(TForm1& window);

    int itemCount() const override;
    void clearItems() override;
    void appendItem(const std::string& text) override;
    void appendItems(const std::vector<std::string>& texts) override;
    void setItem(int position, const std::string& text) override;
    void removeLastItem() override;
    void markPlayingRow(int row, std::string_view word) override;
    void selectItem(int position) override;
    int visibleRows() const override;
    void setScrollerRange(int maximum) override;
    void setScrollerPosition(int position) override;

    void setSizeTotalText(const std::string& text) override;
    void setTimeTexts(const std::string& trackTime, const std::string& playlistTime) override;
    void setWindowTitle(const std::string& title) override;
    void setTickerText(const std::string& text) override;

    void setPlayButton(int picture, int state) override;
    void setRepeatButton(int state) override;
    void setCheck(playlist::Check item, bool checked) override;

    void setTimeSliderMaximum(int seconds) override;
    void setTimeSlider(int seconds) override;
    void setVolumeSliders(int volume) override;

    SliderGeometry timeSliderGeometry() const override;
    int markLabelWidth(playlist::MarkLabel label) const override;
    void showMarkLabel(playlist::MarkLabel label, int left) override;
    void hideMarkLabels() override;

    void showRowHint(const std::string& text, int row) override;

private:
    TForm1& window_;
    RowHintPopup* const rowHint_;
};

} // namespace kavrel::ui
