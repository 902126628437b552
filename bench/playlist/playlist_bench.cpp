// The shuffle of a whole 100,000-song library ("100% librury") into the active list and playing its first
// row, and the undo copy taken before every change of a list of that size. Both should stay linear.
#include "playlist/playback_control.h"
#include "playlist/shuffle.h"

#include <benchmark/benchmark.h>

namespace kavrel::playlist {
namespace {

TrackRow benchRow(int n) {
    const std::string id = std::to_string(n);
    return {"Artist " + id,
            "Album " + id,
            "Title " + id,
            "2001",
            "Rock",
            "3",
            "192",
            "215000",
            "44100",
            "Joint Stereo",
            "/home/user/Music/Artist " + id + "/Album/Title " + id + ".mp3",
            "5160000",
            ""};
}

class SilentView final : public PlaylistView {
public:
    int itemCount() const override { return items; }
    void clearItems() override { items = 0; }
    void appendItem(const std::string&) override { ++items; }
    void setItem(int position, const std::string&) override { items += position == items; }
    void removeLastItem() override { --items; }
    void markPlayingRow(int, std::string_view) override {}
    void selectItem(int) override {}
    int visibleRows() const override { return 20; }
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
    int items = 0;
};

class SilentEngine final : public PlaybackEngine {
public:
    void Play(const std::string&, std::int32_t, bool) override {}
    void Pause() override {}
    void Resume() override {}
    void Stop() override {}
    void SetPosition(std::int32_t) override {}
    void SetVolume(std::int32_t) override {}
    std::uint8_t GetState() override { return 1; }
    std::int32_t GetPosition() override { return 0; }
};

class BenchLibrary final : public LibrarySource {
public:
    explicit BenchLibrary(int songs) {
        for (int i = 1; i <= songs; ++i)
            all.push_back(benchRow(i));
    }
    bool artistSelected() const override { return false; }
    std::span<const TrackRow> artistSongs() const override { return {}; }
    std::span<const TrackRow> albumSongs() const override { return {}; }
    std::vector<TrackRow> allSongs() const override { return all; }
    std::vector<TrackRow> all;
};

struct Player {
    PlaybackState state;
    SilentView view;
    SilentEngine engine;
    PlaylistDisplay display{view, state.settings.display};
    engine::SharedPlayback shared;
    PlaybackControl control{state, engine, display, shared};
};

void BM_WholeLibraryShuffle(benchmark::State& run) {
    const BenchLibrary library(static_cast<int>(run.range(0)));
    Player player;
    Shuffler shuffler(player.control, library);
    for (auto _ : run) {
        shuffler.ShuffleClick(ShuffleSource::Library100, {});
        benchmark::DoNotOptimize(player.state.list().Count());
    }
    run.SetComplexityN(run.range(0));
}
BENCHMARK(BM_WholeLibraryShuffle)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_UndoCopy(benchmark::State& run) {
    Player player;
    for (int i = 1; i <= run.range(0); ++i)
        player.state.list().Rows.push_back(benchRow(i));
    for (auto _ : run) {
        player.control.SaveUndoCopy();
        benchmark::DoNotOptimize(player.state.active.Undo->Count());
    }
    run.SetComplexityN(run.range(0));
}
BENCHMARK(BM_UndoCopy)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
} // namespace kavrel::playlist
