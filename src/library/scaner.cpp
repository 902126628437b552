#include "library/scaner.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "library/artist_creater.h"
#include "library/library_files.h"
#include "library/song_scan.h"
#include "library/tag_and_lib.h"

namespace kavrel::library {

namespace {

constexpr double kBytesPerMegabyte = 1048576.0;

struct ScanResult {
    std::optional<std::string> songLine;
    bool missing = false;
};

// Shared by the scanning threads: each takes the next unscanned path until none is left or the build
// stops.
class ParallelScan {
public:
    ParallelScan(const std::vector<std::string>& paths, std::size_t first, StageGate& gate)
        : paths_(paths), results_(paths.size() - first), first_(first), gate_(gate), next_(first) {}

    // Returns the index scanned, or nullopt when there is nothing left to do.
    std::optional<std::size_t> scanNext(SongReaders& readers) {
        if (failed_.load() || !gate_.pass())
            return std::nullopt;
        const std::size_t index = next_.fetch_add(1);
        if (index >= paths_.size())
            return std::nullopt;
        ScanResult& result = results_[index - first_];
        if (auto song = scanSongFile(paths_[index], readers)) {
            result.missing = !song->opened;
            if (song->opened) {
                result.songLine = std::move(song->songLine);
                bytes_.fetch_add(song->fileSize);
            }
        }
        done_.fetch_add(1);
        return index;
    }

    // Scans until nothing is left; a failure ends every thread's scan and is kept for rethrowFailure().
    void scanAll(SongReaders& readers) {
        try {
            while (scanNext(readers)) {
            }
        } catch (...) {
            const std::lock_guard lock(failureMutex_);
            failure_ = std::current_exception();
            failed_ = true;
        }
    }
    void rethrowFailure() {
        if (failure_)
            std::rethrow_exception(failure_);
    }

    std::size_t done() const { return done_.load(); }
    std::uint64_t bytes() const { return bytes_.load(); }
    std::vector<ScanResult>& results() { return results_; }

private:
    const std::vector<std::string>& paths_;
    std::vector<ScanResult> results_;
    const std::size_t first_;
    StageGate& gate_;
    std::atomic<std::size_t> next_;
    std::atomic<std::size_t> done_{0};
    std::atomic<std::uint64_t> bytes_{0};
    std::atomic<bool> failed_{false};
    std::mutex failureMutex_;
    std::exception_ptr failure_;
};

} // namespace

void TScaner::Execute() {
    auto& progress = builder_.progress();
    progress.stageRunning(BuildStage::ScaningTags);

    std::vector<std::string> paths = std::move(builder_.FileList);
    const auto known = static_cast<std::size_t>(builder_.KnownFileCount);
    std::vector<std::string> songLines;
    if (builder_.AddMode)
        songLines = readTextLines(libraryFile(builder_.LibraryPath, kAllSongsFile));

    const int total = static_cast<int>(paths.size());
    progress.progressRange(total);
    progress.foundFiles(total - static_cast<int>(known));
    progress.performedSongs(0);
    progress.megabytes(0.0);

    ParallelScan scan(paths, known, builder_.gate());
    const unsigned threadCount =
        builder_.ScanThreads != 0 ? builder_.ScanThreads : std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::jthread> helpers;
    for (unsigned i = 1; i < threadCount; ++i)
        helpers.emplace_back([&scan] {
            SongReaders readers;
            scan.scanAll(readers);
        });
    SongReaders readers;
    while (const auto index = scan.scanNext(readers)) {
        const int done = static_cast<int>(known + scan.done());
        progress.progressPosition(done);
        progress.performedSongs(done - static_cast<int>(known));
        progress.fileNameLine(paths[*index]);
        progress.megabytes(static_cast<double>(scan.bytes()) / kBytesPerMegabyte);
    }
    helpers.clear();
    scan.rethrowFailure();
    if (builder_.gate().isStopped())
        return;
    progress.progressPosition(total);
    progress.performedSongs(total - static_cast<int>(known));
    progress.megabytes(static_cast<double>(scan.bytes()) / kBytesPerMegabyte);

    std::size_t kept = known;
    for (std::size_t i = known; i < paths.size(); ++i) {
        ScanResult& result = scan.results()[i - known];
        if (result.songLine)
            songLines.push_back(std::move(*result.songLine));
        if (result.missing)
            continue;
        if (kept != i)
            paths[kept] = std::move(paths[i]);
        ++kept;
    }
    paths.resize(kept);

    builder_.FileList = std::move(paths);
    builder_.SongLines = std::move(songLines);
    progress.stageDone(BuildStage::ScaningTags);
    if (builder_.PerformTags)
        builder_.handOver(std::make_unique<TArtistCreater>(builder_));
}

} // namespace kavrel::library
