#pragma once
// The playlist logic's one view over the three windows that show it: everything goes to the main
// window's view, and what the mini windows show as well (the entries of the mini playlist, the play look,
// the time text and bars, the volume, the title) goes to them too.
#include "playlist/playlist_view.h"

#include <QColor>

namespace kavrel::ui {

class TMinFrm;
class TNerix;

class PlayerWindowsView final : public playlist::PlaylistView {
public:
    PlayerWindowsView(playlist::PlaylistView& mainView, TMinFrm& mini, TNerix& nerix);

    // The colour of the playing row, as the main playlist draws it.
    void setPlayingRowColour(const QColor& colour) { playingRow_ = colour; }

    int itemCount() const override { return main_.itemCount(); }
    void clearItems() override;
    void appendItem(const std::string& text) override;
    void appendItems(const std::vector<std::string>& texts) override;
    void setItem(int position, const std::string& text) override;
    void removeLastItem() override;
    void markPlayingRow(int row, std::string_view word) override;
    void selectItem(int position) override;
    int visibleRows() const override { return main_.visibleRows(); }
    void setScrollerRange(int maximum) override;
    void setScrollerPosition(int position) override { main_.setScrollerPosition(position); }

    void setSizeTotalText(const std::string& text) override { main_.setSizeTotalText(text); }
    void setTimeTexts(const std::string& trackTime, const std::string& playlistTime) override;
    void setWindowTitle(const std::string& title) override;
    void setTickerText(const std::string& text) override;

    void setPlayButton(int picture, int state) override;
    void setRepeatButton(int state) override { main_.setRepeatButton(state); }
    void setCheck(playlist::Check item, bool checked) override { main_.setCheck(item, checked); }

    void setTimeSliderMaximum(int seconds) override;
    void setTimeSlider(int seconds) override;
    void setVolumeSliders(int volume) override;

    SliderGeometry timeSliderGeometry() const override { return main_.timeSliderGeometry(); }
    int markLabelWidth(playlist::MarkLabel label) const override { return main_.markLabelWidth(label); }
    void showMarkLabel(playlist::MarkLabel label, int left) override { main_.showMarkLabel(label, left); }
    void hideMarkLabels() override { main_.hideMarkLabels(); }

    void showRowHint(const std::string& text, int row) override { main_.showRowHint(text, row); }

private:
    playlist::PlaylistView& main_;
    TMinFrm& mini_;
    TNerix& nerix_;
    QColor playingRow_;
};

} // namespace kavrel::ui
