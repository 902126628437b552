#include "tools/file_renamer.h"

#include "tools/copy_reports.h"
#include "tools/copy_targets.h"
#include "tools/safe_copy.h"

#include <set>
#include <system_error>

namespace kavrel::tools {
namespace {

// The folder exists afterwards, or the reason it does not.
std::string makeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error && !std::filesystem::is_directory(folder, error) && !error)
        error = std::make_error_code(std::errc::not_a_directory);
    return error ? error.message() : std::string();
}

std::vector<std::string> sourcesOf(const CopyPlan& plan) {
    std::vector<std::string> sources;
    for (const auto& copy : plan.copies)
        sources.push_back(copy.sourcePath);
    return sources;
}

} // namespace

TFileRenamer::TFileRenamer(dispatch::MainThreadDispatcher& dispatcher, CopyRequest request,
                           CopyListener& listener, Start start)
    : request_(std::move(request)), reports_(std::make_shared<CopyReports>(dispatcher, listener)),
      paused_(start == Start::Paused) {
    worker_ = std::thread([this] { run(); });
}

TFileRenamer::~TFileRenamer() {
    stop();
}

void TFileRenamer::pause() {
    paused_ = true;
}

void TFileRenamer::resume() {
    {
        std::lock_guard lock(pauseMutex_);
        paused_ = false;
    }
    pauseChanged_.notify_all();
}

void TFileRenamer::stop() {
    reports_->close();
    {
        std::lock_guard lock(pauseMutex_);
        stopped_ = true;
    }
    pauseChanged_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

bool TFileRenamer::keepGoing() {
    if (paused_) {
        std::unique_lock lock(pauseMutex_);
        pauseChanged_.wait(lock, [this] { return !paused_ || stopped_; });
    }
    return !stopped_;
}

void TFileRenamer::run() {
    const CopyPlan plan = planCopies(request_.entries, request_.choices);
    reports_->started(plan.totalFiles, plan.totalMb);
    const std::filesystem::path destination(request_.destination);
    CopyTargets targets(sourcesOf(plan));
    std::set<std::string> madeFolders;
    CopyOutcome outcome;
    outcome.totalFiles = plan.totalFiles;
    outcome.skippedFiles = plan.totalFiles - static_cast<int>(plan.copies.size());
    int processed = outcome.skippedFiles;
    for (const auto& copy : plan.copies) {
        if (!keepGoing())
            return;
        const auto folder = destination / copy.folder;
        if (madeFolders.insert(copy.folder).second) {
            if (const auto reason = makeFolder(folder); !reason.empty()) {
                reports_->failed("The folder \"" + folder.string() + "\" could not be created: " + reason +
                                 ". The copy was stopped.");
                return;
            }
        }
        const auto target = targets.claim(folder, copy.fileName, copy.sourcePath);
        const CopyAttempt attempt = target.isSource ? CopyAttempt{}
                                                    : copyThroughTemporary(copy.sourcePath, target.path,
                                                                           [this] { return keepGoing(); });
        switch (attempt.result) {
        case CopyResult::Stopped:
            return;
        case CopyResult::Copied:
            ++outcome.copiedFiles;
            outcome.copiedMb += static_cast<double>(copy.bytes) / 1048576.0;
            break;
        case CopyResult::SourceMissing:
            ++outcome.skippedFiles;
            break;
        case CopyResult::Failed:
            outcome.failures.push_back(copy.sourcePath + " (" + attempt.reason + ")");
            break;
        }
        reports_->progress({outcome.copiedFiles, outcome.copiedMb, ++processed, copy.sourcePath});
    }
    reports_->finished(std::move(outcome));
}

std::unique_ptr<CopyJob> FileRenamerStarter::start(CopyRequest request, CopyListener& listener) {
    return std::make_unique<TFileRenamer>(dispatcher_, std::move(request), listener);
}

} // namespace kavrel::tools
