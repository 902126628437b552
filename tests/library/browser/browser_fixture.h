#pragma once
// A library folder written by hand and a browser over it with a recording view.
#include <map>
#include <string>
#include <vector>

#include "library/browser/library_browser.h"
#include "support/temp_dir.h"

namespace kavrel::library::browser::test {

struct Song {
    std::string artist;
    std::string album;
    std::string title;
    std::string year = "2000";
    std::string track = "1";
};

// Writes ArtName.pan, one artist file per artist (in order of first appearance) and allsong.pft.
void writeLibrary(const std::filesystem::path& programFolder, std::string_view libraryName,
                  const std::vector<Song>& songs);

class RecordingView : public BrowserView {
public:
    void setItems(Panel panel, const PanelItems& list) override { items[panel] = *list; }
    void setSelectedItem(Panel panel, int item) override { selected[panel] = item; }
    void setScroller(Panel panel, int position, int range) override { scrollers[panel] = {position, range}; }
    int topItem(Panel panel) const override { return tops.contains(panel) ? tops.at(panel) : 0; }
    int visibleItems(Panel) const override { return 2; }
    void showLayout(const ArtistLayout& shown) override { layout = shown; }
    void setSelectorState(int state) override { selectorState = state; }
    void setSongHint(const std::string& text) override { hints.push_back(text); }

    std::map<Panel, std::vector<std::string>> items;
    std::map<Panel, int> selected;
    std::map<Panel, std::pair<int, int>> scrollers;
    std::map<Panel, int> tops;
    ArtistLayout layout;
    int selectorState = 0;
    std::vector<std::string> hints;
};

class RecordingCdBuilds : public CdLibraryBuilds {
public:
    bool buildRunning() const override { return running; }
    void startCdBuild() override { ++started; }
    void queueCdBuild() override { ++queued; }
    bool running = false;
    int started = 0;
    int queued = 0;
};

struct Sent {
    std::vector<std::string> titles;
    playlist::AddMode mode;
};

class RecordingPlaylist : public playlist::SongSink {
public:
    void AddRows(std::span<const TrackRow> rows, playlist::AddMode mode) override;
    std::vector<Sent>& sent;
    explicit RecordingPlaylist(std::vector<Sent>& into) : sent(into) {}
};

class BrowserFixture {
public:
    explicit BrowserFixture(const std::vector<Song>& songs);
    LibraryBrowser& browser() { return browser_; }
    std::vector<std::string> items(Panel panel) { return view.items[panel]; }
    static std::vector<std::string> titles(const TrackTable& table);

    kavrel::test::TempDir dir;
    core::TConfRecord conf;
    RecordingView view;
    RecordingCdBuilds cdBuilds;
    std::vector<Sent> sent;
    RecordingPlaylist playlist{sent};

private:
    LibraryBrowser browser_;
};

} // namespace kavrel::library::browser::test
