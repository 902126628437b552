// kavrel-library: the library build pipeline without a window.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <unistd.h>

#include "command_line.h"
#include "console_progress.h"
#include "library/tag_and_lib.h"
#include "platform/dispatch/task_queue.h"

namespace {

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int) {
    interrupted = 1;
}

enum ExitCode { kSaved = 0, kNotSaved = 1, kWrongUsage = 2, kInterrupted = 130 };

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto command = parseBuildCommand(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!command) {
        std::fprintf(stderr, "kavrel-library: %s\n%s", error.c_str(), kUsage);
        return kWrongUsage;
    }
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);

    kavrel::dispatch::TaskQueue dispatcher;
    ConsoleProgress progress(stdout, ::isatty(STDOUT_FILENO) != 0);
    kavrel::library::CTagAndLib builder(dispatcher, progress, kavrel::text::LocaleCollator());
    builder.Folders = command->folders;
    builder.Masks = command->masks;
    builder.LibraryPath = command->library;
    builder.AddMode = command->addMode;

    const auto started = std::chrono::steady_clock::now();
    builder.Start();
    dispatcher.run([&] { return progress.end() != ConsoleProgress::End::Running || interrupted; });
    if (progress.end() == ConsoleProgress::End::Running) {
        builder.Stop();
        progress.finishLine();
        std::fprintf(stderr, "kavrel-library: stopped; the library was left as it was\n");
        return kInterrupted;
    }
    builder.Stop();
    progress.finishLine();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    switch (progress.end()) {
    case ConsoleProgress::End::NoFiles:
        std::fprintf(stderr, "No file found\n");
        return kNotSaved;
    case ConsoleProgress::End::Failed:
        std::fprintf(stderr, "kavrel-library: %s\n", progress.failure().c_str());
        return kNotSaved;
    default:
        break;
    }
    std::printf("Library saved: %zu files, %zu songs, %zu artists, %s MB in %.2f s\n",
                builder.FileList.size(), builder.SongLines.size(), builder.ArtistNames.size(),
                kavrel::library::formatMegabytes(progress.scannedMegabytes()).c_str(), seconds);
    return kSaved;
}
