#pragma once
// Carries a build's reports from the stage threads to the caller's thread. Values (counters, progress,
// the file name line) are coalesced: the latest wins and a delivery is posted at most once per
// interval; a value that comes within the interval is delivered at its end (trailing edge), so a stage
// that stalls never leaves stale figures on screen. Stage changes and the end signals are never merged
// and flush what came before them, so the caller sees every stage's last figures.
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "library/build_progress.h"
#include "platform/dispatch/dispatcher.h"

namespace kavrel::library {

class BuildProgressRelay : public std::enable_shared_from_this<BuildProgressRelay> {
public:
    static std::shared_ptr<BuildProgressRelay>
    create(dispatch::MainThreadDispatcher& dispatcher, BuildProgress& target,
           std::chrono::milliseconds interval = std::chrono::milliseconds(40));

    // Any thread; never blocks on the caller's thread.
    void stageRunning(BuildStage stage);
    void stageDone(BuildStage stage);
    void noFilesFound();
    void librarySaved();
    void buildFailed(std::string reason);

    void progressRange(int maximum);
    void progressPosition(int position);
    void foundFiles(int count);
    void performedSongs(int count);
    void foundArtists(int count);
    void fileNameLine(std::string text);
    void megabytes(double value);

    // Caller's thread: nothing reaches the target after this returns.
    void detach();

private:
    BuildProgressRelay(dispatch::MainThreadDispatcher& dispatcher, BuildProgress& target,
                       std::chrono::milliseconds interval);

    struct Values {
        std::optional<int> range, position, files, songs, artists;
        std::optional<std::string> fileName;
        std::optional<double> megabytes;
    };
    enum class EventKind { Running, Done, NoFiles, Saved, Failed };
    struct Event {
        EventKind kind;
        BuildStage stage = BuildStage::FindingFiles;
        std::string reason;
    };
    using Record = std::variant<Values, Event>;

    void pushEvent(Event event);
    template <class Set> void setValue(Set set);
    enum class Delivery { None, Now, Later };
    // Called with the lock held: whether the caller must post a delivery, and when (`delay` for Later).
    Delivery claimDelivery(bool urgent, std::chrono::milliseconds& delay);
    void post(Delivery delivery, std::chrono::milliseconds delay);
    void deliver(Delivery delivery);
    static void deliverValues(BuildProgress& target, const Values& values);
    static void deliverEvent(BuildProgress& target, const Event& event);

    dispatch::MainThreadDispatcher& dispatcher_;
    std::atomic<BuildProgress*> target_;
    const std::chrono::milliseconds interval_;

    std::mutex mutex_;
    std::vector<Record> queue_;
    bool postedNow_ = false;
    bool postedLater_ = false;
    std::optional<std::chrono::steady_clock::time_point> lastPost_;
};

} // namespace kavrel::library
