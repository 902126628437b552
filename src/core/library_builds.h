#pragma once
// The builder entry points: the build window starts, suspends, resumes and stops library builds here,
// one at a time, and binds its progress view. A build that saved its library tells the application,
// which reloads the panels when that library is the active one. The library selector's CD strip comes
// here too and goes on to the build window, which asks and shows. Main thread.
#include "library/browser/browser_view.h"
#include "library/build_progress.h"
#include "library/tag_and_lib.h"
#include "platform/dispatch/dispatcher.h"
#include "platform/fs/cd_mount.h"
#include "platform/fs/program_folder.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kavrel::core {

struct LibraryBuildRequest {
    std::vector<std::string> folders;
    std::vector<std::string> masks = {"*.mp3", "*.ogg", "*.wma"};
    std::string library = "LB1"; // "LB1", "LB2" or "LBCD"
    bool addMode = false;
    // Single files, besides what the folders hold.
    std::vector<std::string> files = {};
};

// The build window's side of the CD strip. Main thread.
class CdBuildWindow {
public:
    virtual ~CdBuildWindow() = default;
    // No build runs: build the CD library now.
    virtual void cdBuildAtOnce() = 0;
    // A build runs: offer to build the CD library after it.
    virtual void cdBuildAfterTheRunningOne() = 0;
};

class LibraryBuilds final : public library::browser::CdLibraryBuilds, private library::BuildProgress {
public:
    // Where a CD source's files are (tests stand in for a mounted disc).
    using CdFilesLookup = std::function<fs::CdFiles(const std::string& cdSource)>;

    // `cdSource` is the one CD source (see audio::findCdSource); empty without a CD.
    LibraryBuilds(dispatch::MainThreadDispatcher& dispatcher, fs::ProgramFolder programFolder,
                  std::string cdSource, std::function<void(const std::string& library)> librarySaved,
                  CdFilesLookup cdFilesLookup = fs::findCdFiles);
    ~LibraryBuilds() override;

    // Null unbinds. Reports of a running build go to the view bound when they arrive.
    void bindProgress(library::BuildProgress* view) { view_ = view; }
    // Null unbinds; unbound, the CD strip builds at once when no build runs and else does nothing.
    void bindCdWindow(CdBuildWindow* window) { cdWindow_ = window; }

    // Stops a running build first.
    void start(const LibraryBuildRequest& request);
    void suspend();
    void resume();
    bool suspended() const { return builder_ && builder_->IsSuspended(); }
    // The library stays the old one unless the save had finished.
    void stop();

    // library::browser::CdLibraryBuilds
    bool buildRunning() const override { return builder_ != nullptr && running_; }
    void startCdBuild() override;
    void queueCdBuild() override;

    // Blocking (reads "path.pan"): every file the library holds; empty for an unbuilt library.
    std::vector<std::string> knownFiles(const std::string& library) const;
    // Blocking (reads the mount table): where the CD's files are, or why there are none.
    fs::CdFiles cdFiles() const { return cdFilesLookup_(cdSource_); }

private:
    void ended();

    // library::BuildProgress: forwarded to the bound view.
    void stageRunning(library::BuildStage stage) override;
    void stageDone(library::BuildStage stage) override;
    void progressRange(int maximum) override;
    void progressPosition(int position) override;
    void foundFiles(int count) override;
    void performedSongs(int count) override;
    void foundArtists(int count) override;
    void fileNameLine(const std::string& text) override;
    void megabytes(double value) override;
    void noFilesFound() override;
    void librarySaved() override;
    void buildFailed(const std::string& reason) override;

    dispatch::MainThreadDispatcher& dispatcher_;
    fs::ProgramFolder programFolder_;
    std::string cdSource_;
    CdFilesLookup cdFilesLookup_;
    std::function<void(const std::string&)> librarySaved_;
    library::BuildProgress* view_ = nullptr;
    CdBuildWindow* cdWindow_ = nullptr;
    std::unique_ptr<library::CTagAndLib> builder_;
    std::string building_; // the library the running build writes
    bool running_ = false;
};

} // namespace kavrel::core
