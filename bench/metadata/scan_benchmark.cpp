// The one-file scan over a tree of a few thousand real files, against the straightforward one open per
// reader and (when it is installed) TagLib reading the same fields. Before timing, every file's song
// line from the shared-file scan is checked to be byte-identical to the one-open-per-reader line.
//
// KAVREL_BENCH_TREE names an existing tree; otherwise make_scan_tree.sh builds one of 3000 files in a
// temporary folder, removed at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "library/song_scan.h"

#ifdef KAVREL_HAVE_TAGLIB
#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>
#endif

namespace {

namespace fs = std::filesystem;
using namespace kavrel;

std::vector<fs::path> gFiles;

std::string scanPerReader(const fs::path& path, library::SongReaders& readers) {
    const auto kind = library::songKindOf(path);
    const auto columns = library::scanSongColumns(*kind, path.string(), fs::file_size(path), readers,
                                                  [&](auto& reader) { return reader.LoadFromFile(path); });
    return library::joinSongLine(columns);
}

void BM_ScanSharedFile(benchmark::State& state) {
    library::SongReaders readers;
    for (auto _ : state)
        for (const auto& file : gFiles)
            benchmark::DoNotOptimize(library::scanSongFile(file, readers));
    state.counters["files_per_second"] =
        benchmark::Counter(static_cast<double>(gFiles.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ScanSharedFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScanOneOpenPerReader(benchmark::State& state) {
    library::SongReaders readers;
    for (auto _ : state)
        for (const auto& file : gFiles)
            benchmark::DoNotOptimize(scanPerReader(file, readers));
    state.counters["files_per_second"] =
        benchmark::Counter(static_cast<double>(gFiles.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ScanOneOpenPerReader)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef KAVREL_HAVE_TAGLIB
// The same fields the scan takes: artist, album, title, year, genre, track, and bit rate, length,
// sample rate and channels. Argument 0 reads properties the fast way, 1 the default (average) way.
void BM_TagLib(benchmark::State& state) {
    const auto style = state.range(0) == 0 ? TagLib::AudioProperties::Fast : TagLib::AudioProperties::Average;
    for (auto _ : state) {
        for (const auto& file : gFiles) {
            TagLib::FileRef ref(file.c_str(), true, style);
            std::size_t sum = 0;
            if (const auto* tag = ref.tag())
                sum += tag->artist().size() + tag->album().size() + tag->title().size() + tag->year() +
                       tag->genre().size() + tag->track();
            if (const auto* audio = ref.audioProperties())
                sum += audio->bitrate() + audio->lengthInMilliseconds() + audio->sampleRate() +
                       audio->channels();
            benchmark::DoNotOptimize(sum);
        }
    }
    state.counters["files_per_second"] =
        benchmark::Counter(static_cast<double>(gFiles.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_TagLib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

bool sharedScanMatchesPerReaderScan() {
    library::SongReaders shared, separate;
    for (const auto& file : gFiles) {
        const auto song = library::scanSongFile(file, shared);
        if (!song || song->songLine != scanPerReader(file, separate)) {
            std::fprintf(stderr, "song lines differ for %s\n", file.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    fs::path tree;
    bool ownTree = false;
    if (const char* given = std::getenv("KAVREL_BENCH_TREE")) {
        tree = given;
    } else {
        tree = fs::temp_directory_path() / ("kavrel-scan-tree-" + std::to_string(std::random_device{}()));
        const std::string command =
            std::string("sh '") + KAVREL_SCAN_TREE_SCRIPT + "' '" + tree.string() + "' 3000";
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "could not build the file tree in %s\n", tree.c_str());
            return 1;
        }
        ownTree = true;
    }
    for (const auto& entry : fs::recursive_directory_iterator(tree))
        if (entry.is_regular_file() && library::songKindOf(entry.path()))
            gFiles.push_back(entry.path());
    std::printf("%zu files in %s\n", gFiles.size(), tree.c_str());

    int status = 0;
    if (!sharedScanMatchesPerReaderScan()) {
        status = 1;
    } else {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    if (ownTree)
        fs::remove_all(tree);
    return status;
}
