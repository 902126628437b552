#include "core/library_builds.h"

#include "library/library_files.h"
#include "library/library_paths.h"
#include "platform/text/collation.h"

namespace kavrel::core {

LibraryBuilds::LibraryBuilds(dispatch::MainThreadDispatcher& dispatcher, fs::ProgramFolder programFolder,
                             std::string cdSource, std::function<void(const std::string&)> librarySaved,
                             CdFilesLookup cdFilesLookup)
    : dispatcher_(dispatcher), programFolder_(std::move(programFolder)), cdSource_(std::move(cdSource)),
      cdFilesLookup_(std::move(cdFilesLookup)), librarySaved_(std::move(librarySaved)) {}

LibraryBuilds::~LibraryBuilds() {
    stop();
}

void LibraryBuilds::start(const LibraryBuildRequest& request) {
    stop();
    building_ = std::string(library::checkedLibraryName(request.library));
    builder_ = std::make_unique<library::CTagAndLib>(dispatcher_, static_cast<library::BuildProgress&>(*this),
                                                     text::LocaleCollator());
    builder_->Folders = request.folders;
    builder_->Masks = request.masks;
    builder_->FileList = request.files;
    builder_->AddMode = request.addMode;
    builder_->LibraryPath = library::libraryFolder(programFolder_, building_);
    running_ = true;
    builder_->Start();
}

void LibraryBuilds::suspend() {
    if (builder_)
        builder_->Suspend();
}

void LibraryBuilds::resume() {
    if (builder_)
        builder_->Resume();
}

void LibraryBuilds::stop() {
    if (builder_)
        builder_->Stop();
    builder_.reset();
    running_ = false;
}

void LibraryBuilds::startCdBuild() {
    if (cdWindow_) {
        cdWindow_->cdBuildAtOnce();
        return;
    }
    // The old CD library stays until a new one is saved, so a missing disc costs nothing.
    if (const auto files = cdFiles(); !files.folder.empty()) {
        LibraryBuildRequest request;
        request.folders = {files.folder};
        request.library = "LBCD";
        start(request);
    }
}

void LibraryBuilds::queueCdBuild() {
    if (cdWindow_)
        cdWindow_->cdBuildAfterTheRunningOne();
}

std::vector<std::string> LibraryBuilds::knownFiles(const std::string& library) const {
    const auto folder = library::libraryFolder(programFolder_, library::checkedLibraryName(library));
    return library::readTextLines(library::libraryFile(folder, library::kPathListFile));
}

void LibraryBuilds::ended() {
    // The builder is not destroyed from inside its own report; the next start or stop disposes of it.
    running_ = false;
}

void LibraryBuilds::stageRunning(library::BuildStage stage) {
    if (view_)
        view_->stageRunning(stage);
}
void LibraryBuilds::stageDone(library::BuildStage stage) {
    if (view_)
        view_->stageDone(stage);
}
void LibraryBuilds::progressRange(int maximum) {
    if (view_)
        view_->progressRange(maximum);
}
void LibraryBuilds::progressPosition(int position) {
    if (view_)
        view_->progressPosition(position);
}
void LibraryBuilds::foundFiles(int count) {
    if (view_)
        view_->foundFiles(count);
}
void LibraryBuilds::performedSongs(int count) {
    if (view_)
        view_->performedSongs(count);
}
void LibraryBuilds::foundArtists(int count) {
    if (view_)
        view_->foundArtists(count);
}
void LibraryBuilds::fileNameLine(const std::string& text) {
    if (view_)
        view_->fileNameLine(text);
}
void LibraryBuilds::megabytes(double value) {
    if (view_)
        view_->megabytes(value);
}

void LibraryBuilds::noFilesFound() {
    ended();
    if (view_)
        view_->noFilesFound();
}

void LibraryBuilds::librarySaved() {
    ended();
    if (librarySaved_)
        librarySaved_(building_);
    if (view_)
        view_->librarySaved();
}

void LibraryBuilds::buildFailed(const std::string& reason) {
    ended();
    if (view_)
        view_->buildFailed(reason);
}

} // namespace kavrel::core
