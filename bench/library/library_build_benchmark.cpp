// Library build speed: stage 3 and stage 4 on generated song lines, stages 3 to 5 on generated song
// lines, and a whole build of a generated tree of real files (KAVREL_MUSIC_TREE, or a tree of
// KAVREL_MUSIC_TREE_SIZE files made once under the temporary folder). Each stage's time is a counter.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <mutex>

#include "generated_songs.h"
#include "library/artist_creater.h"
#include "library/artist_merge.h"
#include "library/collation_sort.h"
#include "library/tag_and_lib.h"
#include "platform/dispatch/task_queue.h"

namespace {

using namespace kavrel;
using Clock = std::chrono::steady_clock;

class StageClock final : public library::BuildProgress {
public:
    void stageRunning(library::BuildStage stage) override { started_[stage] = {Clock::now(), std::clock()}; }
    void stageDone(library::BuildStage stage) override {
        if (!started_.contains(stage))
            return;
        const auto& [wall, cpu] = started_[stage];
        seconds[stage] = std::chrono::duration<double>(Clock::now() - wall).count();
        cpuSeconds[stage] = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    }
    void noFilesFound() override { finish(false); }
    void librarySaved() override { finish(true); }
    void buildFailed(const std::string&) override { finish(false); }

    bool waitForEnd() {
        std::unique_lock lock(mutex_);
        ended_.wait(lock, [&] { return done_; });
        return saved_;
    }
    void report(benchmark::State& state) const {
        for (const auto& [stage, time] : seconds)
            state.counters["stage" + std::to_string(static_cast<int>(stage)) + "_s"] = time;
        for (const auto& [stage, time] : cpuSeconds)
            state.counters["stage" + std::to_string(static_cast<int>(stage)) + "_cpu_s"] = time;
    }
    // Wall time and the process's processor time of each stage: on a shared machine the second shows
    // the work when the first mostly shows the wait.
    std::map<library::BuildStage, double> seconds;
    std::map<library::BuildStage, double> cpuSeconds;

private:
    void finish(bool saved) {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
            saved_ = saved;
        }
        ended_.notify_all();
    }
    std::map<library::BuildStage, std::pair<Clock::time_point, std::clock_t>> started_;
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false, saved_ = false;
};

std::filesystem::path scratchFolder(const std::string& name) {
    auto folder = std::filesystem::temp_directory_path() / ("kavrel-bench-" + name);
    std::filesystem::create_directories(folder);
    return folder;
}

void BM_MergeArtists(benchmark::State& state) {
    const auto artists = bench::generatedArtists(static_cast<std::size_t>(state.range(0)));
    const text::LocaleCollator collator;
    for (auto _ : state) {
        auto merged = library::mergeArtistNames(artists, collator, [](std::size_t) { return true; });
        benchmark::DoNotOptimize(merged);
    }
}
BENCHMARK(BM_MergeArtists)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SortSongLines(benchmark::State& state) {
    std::vector<std::string> paths;
    const auto lines = bench::generatedSongLines(static_cast<std::size_t>(state.range(0)), paths);
    const text::LocaleCollator collator;
    for (auto _ : state) {
        state.PauseTiming();
        auto sorted = lines;
        auto sortedPaths = paths;
        state.ResumeTiming();
        library::sortByCollation(sorted, collator);
        library::sortByCollation(sortedPaths, collator);
    }
}
BENCHMARK(BM_SortSongLines)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Stages 3, 4 and 5 from generated song lines, saved into a scratch library.
void BM_MergeSortSave(benchmark::State& state) {
    std::vector<std::string> paths;
    const auto lines = bench::generatedSongLines(static_cast<std::size_t>(state.range(0)), paths);
    const auto library = scratchFolder("songs") / "LB1";
    for (auto _ : state) {
        StageClock clock;
        dispatch::TaskThread mainThread;
        library::CTagAndLib builder(mainThread.dispatcher(), clock, text::LocaleCollator());
        builder.SongLines = lines;
        builder.FileList = paths;
        builder.LibraryPath = library;
        builder.handOver(std::make_unique<library::TArtistCreater>(builder));
        if (!clock.waitForEnd())
            state.SkipWithError("the build failed");
        clock.report(state);
    }
    std::filesystem::remove_all(library.parent_path());
}
BENCHMARK(BM_MergeSortSave)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

std::filesystem::path musicTree() {
    if (const char* given = std::getenv("KAVREL_MUSIC_TREE"))
        return given;
    const char* sizeText = std::getenv("KAVREL_MUSIC_TREE_SIZE");
    const std::string size = sizeText ? sizeText : "10000";
    const auto tree = scratchFolder("tree-" + size) / "music";
    if (!std::filesystem::exists(tree)) {
        const std::string command =
            std::string("python3 ") + KAVREL_MUSIC_TREE_SCRIPT + " '" + tree.string() + "' " + size;
        if (std::system(command.c_str()) != 0)
            return {};
    }
    return tree;
}

void BM_WholeBuild(benchmark::State& state) {
    const auto tree = musicTree();
    if (tree.empty()) {
        state.SkipWithError("no music tree");
        return;
    }
    const auto library = scratchFolder("whole") / "LB1";
    std::size_t songs = 0;
    for (auto _ : state) {
        StageClock clock;
        dispatch::TaskThread mainThread;
        library::CTagAndLib builder(mainThread.dispatcher(), clock, text::LocaleCollator());
        builder.Folders = {tree.string()};
        builder.Masks = {"*.mp3", "*.ogg", "*.wma"};
        builder.LibraryPath = library;
        builder.Start();
        if (!clock.waitForEnd())
            state.SkipWithError("the build failed");
        clock.report(state);
        songs = builder.SongLines.size();
    }
    state.counters["songs"] = static_cast<double>(songs);
    std::filesystem::remove_all(library.parent_path());
}
BENCHMARK(BM_WholeBuild)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

} // namespace

BENCHMARK_MAIN();
