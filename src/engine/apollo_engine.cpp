#include "engine/apollo_engine.h"

#include "engine/apollo_cd_plugin.h"
#include "engine/apollo_program.h"
#include "platform/winmsg/socket_desktop.h"

#include <thread>

namespace kavrel::engine {

TApollo::TApollo(std::unique_ptr<winmsg::Desktop> desktop, std::unique_ptr<winmsg::ProgramLauncher> launcher,
                 ErrorSink onError, ApolloOptions options)
    : desktop_(std::move(desktop)), launcher_(std::move(launcher)), onError_(std::move(onError)),
      options_(std::move(options)) {}

TApollo::~TApollo() {
    worker_.flush();
    if (startedHidden_)
        desktop_->CloseWindow(kApolloMainWindow);
}

void TApollo::enqueue(std::function<void()> task, std::optional<std::uint8_t> state,
                      std::optional<std::int32_t> position) {
    if (state)
        expectedState_ = *state;
    if (position)
        expectedPosition_ = *position;
    ++pending_;
    worker_.post([this, task = std::move(task)] {
        task();
        --pending_;
    });
}

void TApollo::report(const std::string& message) {
    if (onError_)
        onError_(message);
}

std::int64_t TApollo::command(std::uint64_t number, std::int64_t parameter) {
    const auto answer = desktop_->SendMessage(kApolloMainWindow, kApolloCommandMessage, number, parameter);
    if (!answer) {
        // Every poll would fail the same way; the user hears of it once, until the player answers again.
        if (!silentReported_.exchange(true))
            report("The outside player does not answer: no window titled \"" +
                   std::string(kApolloMainWindow) + "\" is running.");
        return 0;
    }
    silentReported_ = false;
    return *answer;
}

void TApollo::Play(const std::string& fileName, std::int32_t startMs, bool paused) {
    const std::int32_t volume = Volume;
    enqueue(
        [this, fileName, startMs, paused, volume] {
            command(kApolloSetVolume, 0);
            desktop_->SendCopyData(kApolloMainWindow, 0, winmsg::textCopyData(kApolloFileNameKind, fileName));
            std::this_thread::sleep_for(options_.settle);
            if (startMs != 0)
                command(kApolloSetPosition, startMs);
            if (paused)
                command(kApolloTogglePause, 0);
            command(kApolloSetVolume, volume);
        },
        paused ? kPaused : kPlaying, startMs);
}

void TApollo::Pause() {
    enqueue([this] { command(kApolloTogglePause, 0); }, kPaused);
}

void TApollo::Resume() {
    enqueue([this] { command(kApolloTogglePause, 0); }, kPlaying);
}

void TApollo::Stop() {
    enqueue(
        [this] {
            command(kApolloStop, 0);
            command(kApolloRelease, 0);
        },
        kStopped, 0);
}

std::uint8_t TApollo::GetState() {
    if (pending_ > 0)
        return expectedState_;
    return static_cast<std::uint8_t>(command(kApolloGetState, 0));
}

std::int32_t TApollo::GetPosition() {
    if (pending_ > 0)
        return expectedPosition_;
    return static_cast<std::int32_t>(command(kApolloGetPosition, 0));
}

void TApollo::SetPosition(std::int32_t ms) {
    enqueue([this, ms] { command(kApolloSetPosition, ms); }, std::nullopt, ms);
}

void TApollo::SetVolume(std::int32_t volume) {
    Volume = volume;
    enqueue([this, volume] { command(kApolloSetVolume, volume); });
}

void TApollo::StartHidden(const std::string& path) {
    enqueue([this, path] {
        const bool running = desktop_->FindWindow(kApolloMainWindow);
        if (const auto problem = startPlayerHidden(*desktop_, *launcher_, path, options_.windowWait)) {
            report(*problem);
            silentReported_ = true; // the user knows why the player will not answer
        } else if (!running) {
            startedHidden_ = true;
        }
    });
}

void TApollo::EnsureCdPlugin(const std::string& playerPath) {
    enqueue([this, playerPath] {
        const CdPluginSteps steps{options_.shippedCdPlugin, options_.pluginPause, options_.windowWait};
        std::error_code unknown;
        const bool restarts = !std::filesystem::exists(playerCdPlugin(playerPath), unknown);
        const auto problem = installCdPlugin(*desktop_, *launcher_, playerPath, steps);
        if (restarts && desktop_->FindWindow(kApolloMainWindow))
            startedHidden_ = true;
        if (problem && !copyFailureReported_)
            report(*problem);
        copyFailureReported_ = problem.has_value();
    });
}

void TApollo::ShowEqualizer() {
    enqueue([this] { showPlayerEqualizer(*desktop_); });
}

std::unique_ptr<TApollo> makeApollo(const std::filesystem::path& programFolder, TApollo::ErrorSink onError) {
    ApolloOptions options;
    options.shippedCdPlugin = programFolder / "ForApollo" / kApolloCdPluginFile;
    return std::make_unique<TApollo>(std::make_unique<winmsg::SocketDesktop>(),
                                     std::make_unique<winmsg::ProcessLauncher>(), std::move(onError),
                                     options);
}

} // namespace kavrel::engine
