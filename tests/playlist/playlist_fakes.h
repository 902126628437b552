#pragma once
// A view that keeps what it was shown, an engine that remembers what it was asked, and rows to fill lists.
#include "platform/shell/desktop_shell.h"
#include "playlist/playback_engine.h"
#include "playlist/playlist_record.h"
#include "playlist/playlist_view.h"

#include <map>
#include <string>
#include <vector>

namespace kavrel::test {

class RecordingView : public playlist::PlaylistView {
public:
    int itemCount() const override { return static_cast<int>(items.size()); }
    void clearItems() override { items.clear(); }
    void appendItem(const std::string& text) override { items.push_back(text); }
    void setItem(int position, const std::string& text) override;
    void removeLastItem() override { items.pop_back(); }
    void markPlayingRow(int row, std::string_view word) override {
        markedRow = row;
        markWord = word;
    }
    void selectItem(int position) override { selected = position; }
    int visibleRows() const override { return rowsShown; }
    void setScrollerRange(int maximum) override { scrollerRange = maximum; }
    void setScrollerPosition(int position) override { scrollerPosition = position; }
    void setSizeTotalText(const std::string& text) override { sizeTotal = text; }
    void setTimeTexts(const std::string& track, const std::string& playlist) override {
        trackTime = track;
        playlistTime = playlist;
    }
    void setWindowTitle(const std::string& title) override { windowTitle = title; }
    void setTickerText(const std::string& text) override { ticker = text; }
    void setPlayButton(int picture, int state) override {
        playPicture = picture;
        playState = state;
    }
    void setRepeatButton(int state) override { repeatButton = state; }
    void setCheck(playlist::Check item, bool checked) override { checks[item] = checked; }
    void setTimeSliderMaximum(int seconds) override { sliderMaximum = seconds; }
    void setTimeSlider(int seconds) override { slider = seconds; }
    void setVolumeSliders(int volume) override { volume_ = volume; }
    SliderGeometry timeSliderGeometry() const override { return geometry; }
    int markLabelWidth(playlist::MarkLabel label) const override {
        return label == playlist::MarkLabel::Left ? 10 : 12;
    }
    void showMarkLabel(playlist::MarkLabel label, int left) override { markLabels[label] = left; }
    void hideMarkLabels() override { markLabels.clear(); }
    void showRowHint(const std::string& text, int row) override {
        hint = text;
        hintRow = row;
    }

    std::vector<std::string> items;
    int markedRow = 0;
    std::string markWord;
    int selected = -1;
    int rowsShown = 10;
    int scrollerRange = 0;
    int scrollerPosition = 0;
    std::string sizeTotal, trackTime, playlistTime, windowTitle, ticker, hint;
    int hintRow = 0;
    int playPicture = 0, playState = 0, repeatButton = 0, sliderMaximum = 0, slider = 0, volume_ = 0;
    std::map<playlist::Check, bool> checks;
    SliderGeometry geometry{100, 468};
    std::map<playlist::MarkLabel, int> markLabels;
};

class FakeEngine : public playlist::PlaybackEngine {
public:
    void Play(const std::string& file, std::int32_t startMs, bool paused) override;
    void Pause() override;
    void Resume() override;
    void Stop() override;
    void SetPosition(std::int32_t ms) override;
    void SetVolume(std::int32_t volume) override { calls.push_back("SetVolume " + std::to_string(volume)); }
    std::uint8_t GetState() override { return state; }
    std::int32_t GetPosition() override { return position; }

    std::vector<std::string> calls;
    std::uint8_t state = 0;
    std::int32_t position = 0;
};

// Remembers what the player asked of the desktop.
class RecordingShell : public shell::DesktopShell {
public:
    bool openUrl(const std::string& url) override { return record("url " + url); }
    bool startProgram(const std::string& line) override { return record("program " + line) && programStarts; }
    bool openDocument(const std::string& path) override { return record("document " + path); }
    bool showFileLocation(const std::string& path) override { return record("show " + path); }
    bool record(std::string call) {
        calls.push_back(std::move(call));
        return true;
    }
    std::vector<std::string> calls;
    bool programStarts = true;
};

// A file row "Artist n"/"Album n"/"Title n" of `durationMs` and `size` bytes at "/music/n.mp3".
playlist::TrackRow songRow(int n, std::int64_t durationMs = 100000, std::int64_t size = 1048576);
// A list of rows 1..count made by songRow.
playlist::TPlist listOf(int count, std::int64_t durationMs = 100000);
// The titles of the rows of a list, in order.
std::vector<std::string> titles(const playlist::TPlist& list);

} // namespace kavrel::test
