#pragma once
// The places where windows bind their views to the application. Each slot is the view the logic was
// built with; it forwards to the view bound to it, or, while none is, shows nothing (the playlist slot
// still keeps its entry count, which the logic reads back). Main thread; a bound view outlives its
// binding (bind nullptr before destroying it).
#include "library/browser/browser_view.h"
#include "library/build_progress.h"
#include "playlist/command_box.h"
#include "playlist/null_playlist_view.h"
#include "playlist/playback_view_watcher.h"
#include "playlist/playlist_tabs.h"
#include "playlist/playlist_view.h"
#include "playlist/song_sink.h"

namespace kavrel::core {

class PlaylistViewSlot final : public playlist::PlaylistView {
public:
    void bind(playlist::PlaylistView* view) { bound_ = view; }
    // Null for none; outlives the slot's use.
    void watch(playlist::PlaybackViewWatcher* watcher) { watcher_ = watcher; }

    int itemCount() const override { return view().itemCount(); }
    void clearItems() override {
        view().clearItems();
        shown();
    }
    void appendItem(const std::string& text) override {
        view().appendItem(text);
        shown();
    }
    void appendItems(const std::vector<std::string>& texts) override {
        view().appendItems(texts);
        shown();
    }
    void setItem(int position, const std::string& text) override { view().setItem(position, text); }
    void removeLastItem() override {
        view().removeLastItem();
        shown();
    }
    void markPlayingRow(int row, std::string_view word) override {
        view().markPlayingRow(row, word);
        shown();
    }
    void selectItem(int position) override { view().selectItem(position); }
    int visibleRows() const override { return view().visibleRows(); }
    void setScrollerRange(int maximum) override { view().setScrollerRange(maximum); }
    void setScrollerPosition(int position) override { view().setScrollerPosition(position); }
    void setSizeTotalText(const std::string& text) override { view().setSizeTotalText(text); }
    void setTimeTexts(const std::string& track, const std::string& list) override {
        view().setTimeTexts(track, list);
    }
    void setWindowTitle(const std::string& title) override { view().setWindowTitle(title); }
    void setTickerText(const std::string& text) override { view().setTickerText(text); }
    void setPlayButton(int picture, int state) override {
        view().setPlayButton(picture, state);
        shown();
    }
    void setRepeatButton(int state) override { view().setRepeatButton(state); }
    void setCheck(playlist::Check item, bool checked) override { view().setCheck(item, checked); }
    void setTimeSliderMaximum(int seconds) override {
        view().setTimeSliderMaximum(seconds);
        shown();
    }
    void setTimeSlider(int seconds) override {
        view().setTimeSlider(seconds);
        if (watcher_)
            watcher_->positionShown(seconds);
    }
    void setVolumeSliders(int volume) override {
        view().setVolumeSliders(volume);
        shown();
    }
    SliderGeometry timeSliderGeometry() const override { return view().timeSliderGeometry(); }
    int markLabelWidth(playlist::MarkLabel label) const override { return view().markLabelWidth(label); }
    void showMarkLabel(playlist::MarkLabel label, int left) override { view().showMarkLabel(label, left); }
    void hideMarkLabels() override { view().hideMarkLabels(); }
    void showRowHint(const std::string& text, int row) override { view().showRowHint(text, row); }

private:
    playlist::PlaylistView& view() const { return bound_ ? *bound_ : null_; }
    void shown() {
        if (watcher_)
            watcher_->playbackShown();
    }

    playlist::PlaylistView* bound_ = nullptr;
    playlist::PlaybackViewWatcher* watcher_ = nullptr;
    mutable playlist::NullPlaylistView null_;
};

class BrowserViewSlot final : public library::browser::BrowserView {
public:
    using Panel = library::browser::Panel;
    void bind(BrowserView* view) { bound_ = view; }

    void setItems(Panel panel, const library::browser::PanelItems& items) override {
        if (bound_)
            bound_->setItems(panel, items);
    }
    void setSelectedItem(Panel panel, int item) override {
        if (bound_)
            bound_->setSelectedItem(panel, item);
    }
    void setScroller(Panel panel, int position, int range) override {
        if (bound_)
            bound_->setScroller(panel, position, range);
    }
    int topItem(Panel panel) const override { return bound_ ? bound_->topItem(panel) : 0; }
    int visibleItems(Panel panel) const override { return bound_ ? bound_->visibleItems(panel) : 1; }
    void showLayout(const library::browser::ArtistLayout& layout) override {
        if (bound_)
            bound_->showLayout(layout);
    }
    void setSelectorState(int state) override {
        if (bound_)
            bound_->setSelectorState(state);
    }
    void setSongHint(const std::string& text) override {
        if (bound_)
            bound_->setSongHint(text);
    }

private:
    BrowserView* bound_ = nullptr;
};

class TabViewSlot final : public playlist::TabView {
public:
    void bind(TabView* view) { bound_ = view; }
    void showTab(playlist::Tab tab) override {
        if (bound_)
            bound_->showTab(tab);
    }

private:
    TabView* bound_ = nullptr;
};

class CommandLineViewSlot final : public playlist::CommandLineView {
public:
    void bind(CommandLineView* view) { bound_ = view; }
    void clearCommandLine() override {
        if (bound_)
            bound_->clearCommandLine();
    }

private:
    CommandLineView* bound_ = nullptr;
};

// The library panels' way to the playlist editor, which is built after them.
class SongSinkSlot final : public playlist::SongSink {
public:
    void bind(SongSink* sink) { bound_ = sink; }
    void AddRows(std::span<const playlist::TrackRow> rows, playlist::AddMode mode) override {
        if (bound_)
            bound_->AddRows(rows, mode);
    }

private:
    SongSink* bound_ = nullptr;
};

} // namespace kavrel::core
