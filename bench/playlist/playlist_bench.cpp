// The shuffle of a whole 100,000-song library ("100% librury") into the active list and playing its first
// row, the undo copy taken before every change of a list of that size, and sorting such a list. All should
// stay linear or close to it.
#include "playlist/null_playlist_view.h"
#include "playlist/playback_control.h"
#include "playlist/playlist_editor.h"
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
    core::TConfRecord settings;
    PlaybackState state{settings};
    NullPlaylistView view;
    SilentEngine engine;
    PlaylistDisplay display{view, settings};
    engine::SharedPlayback shared;
    PlaybackControl control{state, engine, display, shared};
};

void BM_WholeLibraryShuffle(benchmark::State& run) {
    const BenchLibrary library(static_cast<int>(run.range(0)));
    Player player;
    Shuffler shuffler(player.control, library);
    for (auto _ : run) {
        shuffler.Shuffle(ShuffleSource::Library100, {});
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

// "By Artist" over a list where every artist has a hundred rows (the equal keys the exchange order has to
// place), the undo copy and the refill of the view included.
void BM_SortByArtist(benchmark::State& run) {
    const BenchLibrary library(0);
    Player player;
    PlaylistEditor editor(player.control, library);
    std::vector<TrackRow> unsorted(1);
    for (int i = 1; i <= run.range(0); ++i) {
        unsorted.push_back(benchRow(i));
        unsorted.back()[0] = "Artist " + std::to_string(i * 7919 % (run.range(0) / 100));
    }
    for (auto _ : run) {
        run.PauseTiming();
        player.state.list().Rows = unsorted;
        player.state.list().CurrentIndex = 1;
        run.ResumeTiming();
        editor.Sort(SortColumn::Artist);
    }
    run.SetComplexityN(run.range(0));
}
BENCHMARK(BM_SortByArtist)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
} // namespace kavrel::playlist
