#pragma once
// Runs a library build to its end in a test and records what it reported.
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "library/build_progress.h"
#include "library/tag_and_lib.h"
#include "platform/dispatch/task_queue.h"

namespace kavrel::library::test {

enum class BuildEnd { None, Saved, NoFiles, Failed };

class BuildRecorder final : public BuildProgress {
public:
    void stageRunning(BuildStage stage) override;
    void stageDone(BuildStage stage) override;
    void foundFiles(int count) override { set(files, count); }
    void performedSongs(int count) override { set(songs, count); }
    void foundArtists(int count) override { set(artists, count); }
    void megabytes(double value) override { set(lastMegabytes, value); }
    void noFilesFound() override { finish(BuildEnd::NoFiles, {}); }
    void librarySaved() override { finish(BuildEnd::Saved, {}); }
    void buildFailed(const std::string& reason) override { finish(BuildEnd::Failed, reason); }

    // Blocks until the build ended (true) or a few seconds passed (false).
    bool waitForEnd();
    // Blocks until `event` (such as "running 5") was reported.
    bool waitFor(const std::string& event);

    std::function<void(BuildStage)> onStageRunning;

    std::mutex mutex;
    std::vector<std::string> events;
    int files = 0, songs = 0, artists = 0;
    double lastMegabytes = 0;
    BuildEnd end = BuildEnd::None;
    std::string failure;

private:
    template <class T> void set(T& field, T value) {
        const std::lock_guard lock(mutex);
        field = value;
    }
    void record(std::string event);
    void finish(BuildEnd how, std::string reason);
    std::condition_variable changed_;
};

// A builder over `folders` into `library` with the three usual masks and an en_US collator.
struct BuildHarness {
    BuildRecorder recorder;
    // Between the two: it outlives the builder's last report and ends before the recorder goes.
    dispatch::TaskThread mainThread;
    CTagAndLib builder;

    BuildHarness(const std::filesystem::path& library, std::vector<std::string> folders,
                 bool addMode = false);
    // Starts, waits for the end and returns how it ended.
    BuildEnd run();
};

// Every file of a folder (not of its sub-folders) by name.
std::vector<std::pair<std::string, std::string>> folderFiles(const std::filesystem::path& folder);

} // namespace kavrel::library::test
