#pragma once
// The library builder: what the five stages share, and the control of the running build. The caller
// (the build window, the command-line tool) fills in the inputs, calls Start() and then only watches
// the reports of BuildProgress until the build ends; it reads the lists again only after that.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/dispatch/dispatcher.h"
#include "library/build_progress.h"
#include "library/build_progress_relay.h"
#include "library/stage_gate.h"
#include "platform/text/collation.h"

namespace kavrel::library {

class TStageThread;

class CTagAndLib {
public:
    // `dispatcher` and `progress` outlive the builder. The collator orders the library files and
    // groups artists; only one stage uses it at a time.
    CTagAndLib(dispatch::MainThreadDispatcher& dispatcher, BuildProgress& progress,
               text::LocaleCollator collator);
    // Stops a running build.
    ~CTagAndLib();
    CTagAndLib(const CTagAndLib&) = delete;
    CTagAndLib& operator=(const CTagAndLib&) = delete;

    // Stage switches: run stage 2, 3, 4, 5 after the one before it.
    bool ScanTags = true;
    bool PerformTags = true;
    bool SortTags = true;
    bool SaveTags = true;
    // Stage 3 merges artist spellings and collects the artists.
    bool MergeArtists = true;

    std::vector<std::string> Folders;
    // Wildcard masks matched ignoring case, such as "*.mp3".
    std::vector<std::string> Masks;
    // On entry the single files to add; after stage 1 every path of the library; after stage 4 sorted.
    std::vector<std::string> FileList;
    std::vector<std::string> SongLines;
    std::vector<std::string> ArtistNames;
    bool AddMode = false;
    std::int32_t KnownFileCount = 0;
    std::filesystem::path LibraryPath;
    // Threads reading files in stage 2; 0 means one per processor.
    unsigned ScanThreads = 0;

    // Caller's thread. Starts stage 1; the stages then follow one another on their own threads.
    void Start();
    // Caller's thread; the running stage holds (or goes on) at its next item.
    void Suspend();
    void Resume();
    bool IsSuspended() const;
    // Caller's thread. Ends the build at the running stage's next item and waits for it; no report
    // arrives afterwards. The library folder is then the old one, or the complete new one when the
    // save had already finished.
    void Stop();

    // For the stages, on their threads.
    BuildProgressRelay& progress() { return *progress_; }
    StageGate& gate() { return gate_; }
    const text::LocaleCollator& collator() const { return collator_; }
    // Starts `next` unless the build was stopped; the calling stage then ends.
    void handOver(std::unique_ptr<TStageThread> next);

private:
    std::shared_ptr<BuildProgressRelay> progress_;
    text::LocaleCollator collator_;
    StageGate gate_;

    std::mutex chainMutex_;
    bool stopped_ = false;
    std::unique_ptr<TStageThread> currentStage_;
};

} // namespace kavrel::library
