#pragma once
// TApollo: the outside player as an engine. The player is found by its main window's title and driven by
// window messages; Kavrel keeps its own playlists, positions and track ends.
//
// Threads. Play, Pause, Resume, Stop, SetPosition, SetVolume and the program steps are called on the main
// thread and return at once: their messages (and the waits between them) run in order on the engine's
// own worker. GetState and GetPosition run on the poller's thread; while commands are still queued they
// answer what those commands lead to, so a file being handed over is not taken for a track end.
#include "engine/apollo_protocol.h"
#include "engine/apollo_worker.h"
#include "engine/engine.h"
#include "platform/winmsg/desktop.h"
#include "platform/winmsg/program_launcher.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace kavrel::engine {

struct ApolloOptions {
    // Silence after handing over a file, before the start position and the volume are given.
    std::chrono::milliseconds settle{400};
    // Longest wait for a started player's window before hiding it.
    std::chrono::milliseconds windowWait{5000};
    // Pause after the plug-in copy, before the player starts again.
    std::chrono::milliseconds pluginPause{300};
    // The plug-in the program folder ships (ForApollo/CDReader.so).
    std::filesystem::path shippedCdPlugin;
};

class TApollo final : public TEngine {
public:
    // Shows a failure to the user once; called on any thread (the receiver hands it to the main thread).
    using ErrorSink = std::function<void(const std::string& message)>;

    TApollo(std::unique_ptr<winmsg::Desktop> desktop, std::unique_ptr<winmsg::ProgramLauncher> launcher,
            ErrorSink onError, ApolloOptions options = {});
    // Sends what is still queued (each message bounded by the desktop's time limit), then closes a player
    // this engine started: it is hidden, so nobody else could end it.
    ~TApollo() override;

    void Play(const std::string& fileName, std::int32_t startMs, bool paused) override;
    // Pause and Resume are the player's one toggle command.
    void Pause() override;
    void Resume() override;
    void Stop() override;
    std::uint8_t GetState() override;
    std::int32_t GetPosition() override;
    void SetPosition(std::int32_t ms) override;
    // Stores Volume and gives it to the player as it stands (the facade scales it).
    void SetVolume(std::int32_t volume);

    // Starts the player at `path` minimised when its window does not exist, waits for the window and
    // hides it. A path that cannot start, or a window that never comes, is reported.
    void StartHidden(const std::string& path);
    // Gives the player at `playerPath` the shipped CD plug-in when its Plug-ins folder lacks it: the
    // player lets go of its file, closes, gets the copy and starts again hidden. A failed copy is reported
    // once until a copy succeeds.
    void EnsureCdPlugin(const std::string& playerPath);
    // The player's own equalizer window, shown above all others.
    void ShowEqualizer();

    // Blocks until every command given so far has been sent (save-state, tests).
    void Flush() { worker_.flush(); }

    std::atomic<std::int32_t> Volume{0};

private:
    // Queues `task`; until it has run, GetState and GetPosition answer `state` and `position` when given.
    void enqueue(std::function<void()> task, std::optional<std::uint8_t> state = std::nullopt,
                 std::optional<std::int32_t> position = std::nullopt);
    // Worker or poller thread: the player's answer, 0 when it does not answer (reported once).
    std::int64_t command(std::uint64_t number, std::int64_t parameter);
    void report(const std::string& message);

    std::unique_ptr<winmsg::Desktop> desktop_;
    std::unique_ptr<winmsg::ProgramLauncher> launcher_;
    ErrorSink onError_;
    ApolloOptions options_;
    std::atomic<int> pending_{0};
    std::atomic<std::uint8_t> expectedState_{kStopped};
    std::atomic<std::int32_t> expectedPosition_{0};
    std::atomic<bool> silentReported_{false};
    bool copyFailureReported_ = false; // worker thread only
    bool startedHidden_ = false;       // worker thread only: the running player is one this engine started
    SerialWorker worker_;              // last: its thread ends before the rest goes
};

// The outside-player engine of the running program: real windows and program starts, the plug-in the
// program folder ships, errors to `onError`.
std::unique_ptr<TApollo> makeApollo(const std::filesystem::path& programFolder, TApollo::ErrorSink onError);

} // namespace kavrel::engine
