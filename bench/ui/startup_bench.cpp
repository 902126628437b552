// The real player's start-up: from process start to the main window shown and painted, with an active
// library of 100,000 songs and a 5,000-row playlist, and its resident memory once the library is loaded
// and once the search line's all-songs table has been read. The player runs in a program folder of its
// own on the offscreen platform with SDL's dummy audio driver and a private runtime folder; it reports
// its first paint and the finished search on standard error (KAVREL_STARTUP_PROBE).
//
//     kavrel_startup_bench [RUNS]   (5 by default; the library is written once, through the library's
//                                    own build stages, from generated song lines)
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../library/generated_songs.h"
#include "core/conf_record_codec.h"
#include "core/design_defaults.h"
#include "core/equalizer_preset.h"
#include "library/artist_creater.h"
#include "library/library_files.h"
#include "library/tag_and_lib.h"
#include "platform/dispatch/task_queue.h"
#include "platform/fs/atomic_file.h"
#include "playlist/ppl_file.h"

namespace {

namespace stdfs = std::filesystem;
using namespace kavrel;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kLibrarySongs = 100'000;
constexpr int kPlaylistRows = 5'000;
constexpr const char* kSearchText = "song"; // in every title: the whole table matches

class BuildEnd final : public library::BuildProgress {
public:
    void noFilesFound() override { finish(false); }
    void librarySaved() override { finish(true); }
    void buildFailed(const std::string&) override { finish(false); }
    bool wait() {
        std::unique_lock lock(mutex_);
        ended_.wait(lock, [&] { return done_; });
        return saved_;
    }

private:
    void finish(bool saved) {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
            saved_ = saved;
        }
        ended_.notify_all();
    }
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false, saved_ = false;
};

// Merge, sort and save: the build's last stages, as if a folder search had found the songs.
bool writeLibrary(const stdfs::path& folder) {
    BuildEnd end;
    dispatch::TaskThread mainThread;
    library::CTagAndLib builder(mainThread.dispatcher(), end, text::LocaleCollator());
    builder.SongLines = bench::generatedSongLines(kLibrarySongs, builder.FileList);
    builder.LibraryPath = folder;
    builder.handOver(std::make_unique<library::TArtistCreater>(builder));
    return end.wait();
}

void writeSettings(const stdfs::path& systemFolder) {
    core::TConfRecord settings = core::designDefaults();
    settings.O_Run_Playlist = 1; // load the playlist without playing it: nothing to wait for
    settings.mArtist = false;
    settings.mSong = true;
    settings.mSongInAllLibrary = true;
    settings.mStartAt = false;
    settings.mConsistof = true;
    const std::string record = core::encodeConfRecord(settings);
    stdfs::create_directories(systemFolder);
    fs::writeFileAtomically(systemFolder / "DefaultConf.pcf", record);
    fs::writeFileAtomically(systemFolder / "Conf.pcf", record);
    core::saveEqualizerPreset(systemFolder / settings.PresetFileName.text, {});
}

void writePlaylist(const stdfs::path& libraryFolder, const stdfs::path& playlistFolder) {
    library::TrackTable songs;
    library::readSongFile(library::libraryFile(libraryFolder, library::kAllSongsFile), songs);
    playlist::TPlist list;
    for (int row = 1; row <= std::min(kPlaylistRows, songs.Count()); ++row)
        list.Rows.push_back(songs[row * (songs.Count() / kPlaylistRows)]);
    stdfs::create_directories(playlistFolder);
    playlist::writePlaylistFile(playlistFolder / "PlayListMainPL1.ppl", list);
}

// The program folder: the shipped pictures, languages and help, the settings, the library and the
// playlist.
stdfs::path makeProgramFolder(const stdfs::path& root) {
    const stdfs::path program = root / "program";
    stdfs::create_directories(program);
    for (const char* shipped : {"Pictures", "Lang", "help"})
        stdfs::create_directory_symlink(stdfs::path(KAVREL_DATA_DIR) / shipped, program / shipped);
    for (const char* library : {"Library/LB2", "Library/LBCD"})
        stdfs::create_directories(program / library);
    writeSettings(program / "PlSysFile");
    if (!writeLibrary(program / "Library" / "LB1"))
        throw std::runtime_error("the library could not be written");
    writePlaylist(program / "Library" / "LB1", program / "PlayLists");
    return program;
}

struct Memory {
    long rssKb = 0;
    long peakKb = 0;
};

// Processor time the process has used so far, its threads' user and system time together: on a shared
// machine this shows the work where the wall time also shows the wait for a processor.
double cpuMsOf(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string skipped;
    for (int field = 3; field < 14; ++field)
        fields >> skipped;
    double user = 0, system = 0;
    fields >> user >> system;
    return (user + system) * 1000.0 / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

Memory memoryOf(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    Memory memory;
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            memory.rssKb = std::stol(line.substr(6));
        else if (line.starts_with("VmHWM:"))
            memory.peakKb = std::stol(line.substr(6));
    }
    return memory;
}

struct Run {
    double paintedMs = 0;
    double paintedCpuMs = 0;
    double searchedMs = 0;
    Memory afterPaint;
    Memory afterSearch;
};

// Lines of the child's standard error until `wanted` comes, or nothing after 30 s.
std::optional<Clock::time_point> waitForLine(int fd, const std::string& wanted, std::string& seen) {
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (Clock::now() < deadline) {
        if (const auto end = seen.find('\n'); end != std::string::npos) {
            const std::string line = seen.substr(0, end);
            seen.erase(0, end + 1);
            if (line == wanted)
                return Clock::now();
            std::fprintf(stderr, "  player: %s\n", line.c_str());
            continue;
        }
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, 100) <= 0)
            continue;
        char buffer[4096];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return std::nullopt;
        seen.append(buffer, static_cast<std::size_t>(got));
    }
    return std::nullopt;
}

std::optional<Run> runPlayer(const stdfs::path& program, const stdfs::path& root) {
    const stdfs::path home = root / "home";
    const stdfs::path runtime = root / "run";
    stdfs::create_directories(home);
    stdfs::create_directories(runtime);
    stdfs::permissions(runtime, stdfs::perms::owner_all, stdfs::perm_options::replace);
    std::vector<std::string> environment = {
        "QT_QPA_PLATFORM=offscreen",
        "SDL_AUDIODRIVER=dummy",
        "XDG_RUNTIME_DIR=" + runtime.string(),
        "HOME=" + home.string(),
        "XDG_CONFIG_HOME=" + (home / ".config").string(),
        "XDG_DATA_HOME=" + (home / ".local/share").string(),
        "XDG_CACHE_HOME=" + (home / ".cache").string(),
        std::string("KAVREL_STARTUP_PROBE=") + kSearchText,
    };
    for (const char* kept : {"PATH", "LANG", "LC_ALL"})
        if (const char* value = std::getenv(kept))
            environment.push_back(std::string(kept) + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string binary = KAVREL_PLAYER;
    char* argv[] = {binary.data(), nullptr};
    const std::string folder = program.string();

    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return std::nullopt;
    const auto started = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeEnds[1], STDERR_FILENO);
        if (::chdir(folder.c_str()) == 0)
            ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    std::optional<Run> run;
    std::string seen;
    if (const auto painted = waitForLine(pipeEnds[0], "kavrel: painted", seen)) {
        Run result;
        result.paintedMs = std::chrono::duration<double, std::milli>(*painted - started).count();
        result.paintedCpuMs = cpuMsOf(pid);
        result.afterPaint = memoryOf(pid);
        if (const auto searched = waitForLine(pipeEnds[0], "kavrel: searched", seen)) {
            result.searchedMs = std::chrono::duration<double, std::milli>(*searched - started).count();
            result.afterSearch = memoryOf(pid);
            run = result;
        }
    }
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(pipeEnds[0]);
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const stdfs::path root =
        stdfs::temp_directory_path() / ("kavrel-startup-bench-" + std::to_string(::getpid()));
    int exitCode = 0;
    try {
        const stdfs::path program = makeProgramFolder(root);
        std::printf("library: %zu songs, playlist: %d rows\n", kLibrarySongs, kPlaylistRows);
        std::printf("%8s %12s %10s %10s %14s %10s %10s\n", "run", "painted ms", "cpu ms", "RSS MB",
                    "searched ms", "RSS MB", "peak MB");
        std::vector<double> painted, cpu, rss, searched, searchedRss, peak;
        for (int i = 1; i <= runs; ++i) {
            const auto run = runPlayer(program, root);
            if (!run) {
                std::fprintf(stderr, "run %d: the player did not report its first paint and search\n", i);
                exitCode = 1;
                break;
            }
            painted.push_back(run->paintedMs);
            cpu.push_back(run->paintedCpuMs);
            rss.push_back(static_cast<double>(run->afterPaint.rssKb) / 1024);
            searched.push_back(run->searchedMs);
            searchedRss.push_back(static_cast<double>(run->afterSearch.rssKb) / 1024);
            peak.push_back(static_cast<double>(run->afterSearch.peakKb) / 1024);
            std::printf("%8d %12.0f %10.0f %10.1f %14.0f %10.1f %10.1f\n", i, painted.back(), cpu.back(),
                        rss.back(), searched.back(), searchedRss.back(), peak.back());
        }
        if (!painted.empty())
            std::printf("%8s %12.0f %10.0f %10.1f %14.0f %10.1f %10.1f\n", "median", median(painted),
                        median(cpu), median(rss), median(searched), median(searchedRss), median(peak));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kavrel_startup_bench: %s\n", error.what());
        exitCode = 1;
    }
    stdfs::remove_all(root);
    return exitCode;
}
