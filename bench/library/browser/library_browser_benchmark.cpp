// A keystroke of the "In All Library" searches over 100,000 songs, selecting an artist with 2,000 songs
// and ordering the song matches: the work between the key or click and the refilled panels.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_library_files.h"
#include "library/browser/library_browser.h"
#include "library/song_line.h"

namespace {

using namespace kavrel;
using namespace kavrel::library;
using namespace kavrel::library::browser;

// Keeps copies of the items, as a real list would.
class CopyingView : public BrowserView {
public:
    void setItems(Panel panel, const PanelItems& list) override {
        items[static_cast<int>(panel) - 1] = *list;
    }
    void setSelectedItem(Panel, int) override {}
    void setScroller(Panel, int, int) override {}
    int topItem(Panel) const override { return 0; }
    int visibleItems(Panel) const override { return 20; }
    void showLayout(const ArtistLayout&) override {}
    void setSelectorState(int) override {}
    void setSongHint(const std::string&) override {}
    std::vector<std::string> items[4];
};

class NoCdBuilds : public CdLibraryBuilds {
public:
    bool buildRunning() const override { return false; }
    void startCdBuild() override {}
    void queueCdBuild() override {}
};

class NoPlaylist : public playlist::SongSink {
public:
    void AddRows(std::span<const TrackRow>, playlist::AddMode) override {}
};

struct BrowserUnderTest {
    explicit BrowserUnderTest(const std::filesystem::path& root)
        : browser(conf, fs::ProgramFolder(root), view, cd, playlist, text::LocaleCollator("en_US")) {
        conf.ActiveLibrary.text = "LB1";
        conf.mByyear = true;
        conf.mByNomSong = true;
        browser.readArtistList();
    }
    core::TConfRecord conf;
    CopyingView view;
    NoCdBuilds cd;
    NoPlaylist playlist;
    LibraryBrowser browser;
};

const std::filesystem::path& benchLibrary() {
    static const std::filesystem::path root = bench::writeBenchLibrary();
    return root;
}

// Types "love", then deletes it again, one keystroke per iteration.
void keystrokes(benchmark::State& state, bool core::TConfRecord::*scope, bool startAt) {
    BrowserUnderTest t(benchLibrary());
    t.conf.*scope = true;
    t.conf.mStartAt = startAt;
    t.browser.searchTextChanged("x"); // reads the all-songs table once, as the first keystroke does
    const std::vector<std::string> texts = {"l", "lo", "lov", "love", "lov", "lo", "l", "a"};
    std::size_t next = 0;
    for (auto _ : state) {
        t.browser.searchTextChanged(texts[next]);
        next = (next + 1) % texts.size();
    }
    state.counters["shown"] = static_cast<double>(t.view.items[3].size());
}

void BM_SongInAllLibrary(benchmark::State& state) {
    keystrokes(state, &core::TConfRecord::mSongInAllLibrary, false);
}
void BM_AlbumInAllLibrary(benchmark::State& state) {
    keystrokes(state, &core::TConfRecord::mAlbomInAllLibrary, false);
}
void BM_SongInAllLibraryStartAt(benchmark::State& state) {
    keystrokes(state, &core::TConfRecord::mSongInAllLibrary, true);
}

void BM_SelectArtistWith2000Songs(benchmark::State& state) {
    BrowserUnderTest t(benchLibrary());
    for (auto _ : state)
        t.browser.selectArtist("Band 1");
    state.counters["songs"] = static_cast<double>(t.browser.songs().Count());
    state.counters["albums"] = static_cast<double>(t.browser.albums().Count());
}

// "№" in the song order menu over the matches of a "Song / In All Library" search, most of the library,
// with only twelve distinct track numbers: the equal keys the panel's exchange order has to place.
void BM_OrderSongMatchesByNumber(benchmark::State& state) {
    BrowserUnderTest t(benchLibrary());
    t.conf.mSongInAllLibrary = true;
    for (auto _ : state) {
        state.PauseTiming();
        t.conf.mByNomSong = false;
        t.conf.mByAZsong = true;
        t.browser.searchTextChanged("e");
        state.ResumeTiming();
        t.browser.orderSongsByNumber(true);
    }
    state.counters["matches"] = static_cast<double>(t.view.items[3].size());
}

BENCHMARK(BM_SongInAllLibrary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SongInAllLibraryStartAt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlbumInAllLibrary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectArtistWith2000Songs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrderSongMatchesByNumber)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchLibrary());
    return 0;
}
