#include "core/library_builds.h"

#include "library/library_paths.h"
#include "platform/text/collation.h"

namespace kavrel::core {

LibraryBuilds::LibraryBuilds(dispatch::MainThreadDispatcher& dispatcher, fs::ProgramFolder programFolder,
                             std::string cdFolder, std::function<void(const std::string&)> librarySaved)
    : dispatcher_(dispatcher), programFolder_(std::move(programFolder)), cdFolder_(std::move(cdFolder)),
      librarySaved_(std::move(librarySaved)) {}

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
    cdQueued_ = false;
    LibraryBuildRequest request;
    if (!cdFolder_.empty())
        request.folders = {cdFolder_};
    request.library = "LBCD";
    start(request);
}

void LibraryBuilds::ended() {
    running_ = false;
    // The builder is not destroyed from inside its own report; the next start or stop disposes of it.
    if (cdQueued_)
        dispatcher_.post([this] {
            if (cdQueued_ && !running_)
                startCdBuild();
        });
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
