#include "build_harness.h"

#include <algorithm>
#include <chrono>

#include "support/temp_dir.h"

namespace kavrel::library::test {

using namespace std::chrono_literals;

void BuildRecorder::stageRunning(BuildStage stage) {
    if (onStageRunning)
        onStageRunning(stage);
    record("running " + std::to_string(static_cast<int>(stage)));
}

void BuildRecorder::stageDone(BuildStage stage) {
    record("done " + std::to_string(static_cast<int>(stage)));
}

void BuildRecorder::record(std::string event) {
    {
        const std::lock_guard lock(mutex);
        events.push_back(std::move(event));
    }
    changed_.notify_all();
}

void BuildRecorder::finish(BuildEnd how, std::string reason) {
    {
        const std::lock_guard lock(mutex);
        end = how;
        failure = std::move(reason);
    }
    changed_.notify_all();
}

bool BuildRecorder::waitForEnd() {
    std::unique_lock lock(mutex);
    return changed_.wait_for(lock, 20s, [&] { return end != BuildEnd::None; });
}

bool BuildRecorder::waitFor(const std::string& event) {
    std::unique_lock lock(mutex);
    return changed_.wait_for(lock, 20s,
                             [&] { return std::find(events.begin(), events.end(), event) != events.end(); });
}

BuildHarness::BuildHarness(const std::filesystem::path& library, std::vector<std::string> folders,
                           bool addMode)
    : builder(mainThread.dispatcher(), recorder, text::LocaleCollator("en_US")) {
    builder.Folders = std::move(folders);
    builder.Masks = {"*.mp3", "*.ogg", "*.wma"};
    builder.LibraryPath = library;
    builder.AddMode = addMode;
}

BuildEnd BuildHarness::run() {
    builder.Start();
    if (!recorder.waitForEnd())
        return BuildEnd::None;
    builder.Stop();
    return recorder.end;
}

std::vector<std::pair<std::string, std::string>> folderFiles(const std::filesystem::path& folder) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file())
            files.emplace_back(entry.path().filename().string(), kavrel::test::readFile(entry.path()));
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace kavrel::library::test
