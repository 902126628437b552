// kavrel-apollo: the outside player Kavrel drives by window messages. It plays what it is handed on the
// audio core, reads CD tracks only through the plug-in in the Plug-ins folder beside the path it was
// started by, and shows its main window minimised when asked to (KAVREL_START_MINIMIZED or --minimized).
//
//   kavrel-apollo [--minimized] [--capture FILE.wav]
// --capture (or KAVREL_APOLLO_CAPTURE) records what would be heard into a WAV file instead of the device.
#include "apollo_commands.h"
#include "apollo_windows.h"
#include "engine/apollo_protocol.h"
#include "platform/winmsg/program_launcher.h"
#include "window_bridge.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

using namespace kavrel;
using namespace kavrel::apollo;

namespace {

struct Options {
    bool minimized = std::getenv(winmsg::kStartMinimizedVariable) != nullptr;
    std::string capture =
        std::getenv(engine::kApolloCaptureVariable) ? std::getenv(engine::kApolloCaptureVariable) : "";
};

// The folder of the path this copy was started by, not of the file a link leads to, so each user's copy
// finds its own, writable Plug-ins folder.
std::filesystem::path startFolder(const char* argv0) {
    std::error_code error;
    const std::filesystem::path started = std::strchr(argv0, '/')
                                              ? std::filesystem::absolute(argv0, error)
                                              : std::filesystem::read_symlink("/proc/self/exe", error);
    return started.parent_path();
}

// SIGINT and SIGTERM end the player as closing its window does, so a recording is completed.
void quitOnTermination() {
    static int wake[2] = {-1, -1};
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = [](int) {
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(wake[1], &byte, 1);
    };
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    auto* notifier = new QSocketNotifier(wake[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, [] { QApplication::quit(); });
}

audio::EngineOptions engineOptions(const Options& options) {
    audio::EngineOptions engine;
    if (!options.capture.empty()) {
        engine.sink = audio::SinkKind::Capture;
        engine.capture.pacing = audio::CapturePacing::RealTime;
        engine.capture.keepInMemory = false;
        engine.capture.wavFile = options.capture;
    }
    return engine;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quitOnTermination();
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--minimized") == 0) {
            options.minimized = true;
        } else if (std::strcmp(argv[i], "--capture") == 0 && i + 1 < argc) {
            options.capture = argv[++i];
        } else {
            std::fprintf(stderr, "usage: kavrel-apollo [--minimized] [--capture FILE.wav]\n");
            return 2;
        }
    }

    std::string pluginError;
    const auto plugin = CdReaderPlugin::load(startFolder(argv[0]) / "Plug-ins" / kCdPluginFile, &pluginError);
    ApolloPlayer player(engineOptions(options), plugin.get());
    EqualizerWindow equalizer(player);
    MainWindow main(player, equalizer,
                    plugin ? QString("CD reader plug-in loaded.") : QString::fromStdString(pluginError));
    try {
        // The equalizer first: whoever finds the main window can count on the equalizer being there too.
        WindowBridge equalizerBridge(
            &equalizer, engine::kApolloEqualizerWindow,
            {nullptr, [&equalizer](std::uint64_t key) { equalizer.keyDown(static_cast<int>(key)); },
             [&equalizer] { equalizer.hide(); }});
        WindowBridge mainBridge(
            &main, engine::kApolloMainWindow,
            {[&player](const winmsg::Message& message) { return answerPlayerMessage(player, message); },
             [&main](std::uint64_t key) { main.keyDown(static_cast<int>(key)); },
             [] { QApplication::quit(); }});
        // Hidden by Kavrel, the player lives on; only closing its main window ends it.
        QApplication::setQuitOnLastWindowClosed(false);
        if (options.minimized)
            main.showMinimized();
        else
            main.show();
        const int status = QApplication::exec();
        std::string captureError;
        if (!player.finishCapture(&captureError)) {
            std::fprintf(stderr, "kavrel-apollo: %s\n", captureError.c_str());
            return 1;
        }
        return status;
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "kavrel-apollo: %s\n", error.what());
        return 1;
    }
}
