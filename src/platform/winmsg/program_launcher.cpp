#include "platform/winmsg/program_launcher.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace kavrel::winmsg {

namespace {

// What the started program's middle process reports through the pipe: the program's id, or why exec failed.
struct Report {
    pid_t pid;
    int error;
};

std::vector<std::string> environmentFor(bool minimized) {
    std::vector<std::string> entries;
    const std::string prefix = std::string(kStartMinimizedVariable) + "=";
    for (char** entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, prefix.c_str(), prefix.size()) != 0)
            entries.emplace_back(*entry);
    if (minimized)
        entries.push_back(prefix + "1");
    return entries;
}

} // namespace

std::optional<std::string> unstartableReason(const std::string& path) {
    if (path.empty())
        return std::string("No program is set to start.");
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return "The program \"" + path + "\" cannot be found: " + std::strerror(errno) + ".";
    if (!S_ISREG(info.st_mode))
        return "\"" + path + "\" is not a program file.";
    if (::access(path.c_str(), X_OK) != 0)
        return "\"" + path + "\" is not an executable program.";
    return std::nullopt;
}

StartResult ProcessLauncher::start(const std::string& path, bool minimized) {
    if (const auto reason = unstartableReason(path))
        return StartFailed{*reason};
    // Everything the child needs is built before fork: after it only async-signal-safe calls are made.
    const std::vector<std::string> environment = environmentFor(minimized);
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return StartFailed{"Cannot start \"" + path + "\": " + std::strerror(errno) + "."};

    // A middle process detaches the program into its own session and exits at once, so the program
    // outlives us and never lingers as our zombie.
    const pid_t middle = ::fork();
    if (middle == 0) {
        ::setsid();
        const pid_t program = ::fork();
        if (program == 0) {
            ::execve(path.c_str(), argv, envp.data());
            const Report failed{0, errno};
            [[maybe_unused]] const auto written = ::write(report[1], &failed, sizeof failed);
            ::_exit(127);
        }
        const Report started{program, program < 0 ? errno : 0};
        [[maybe_unused]] const auto written = ::write(report[1], &started, sizeof started);
        ::_exit(0);
    }
    ::close(report[1]);
    if (middle < 0) {
        const int error = errno;
        ::close(report[0]);
        return StartFailed{"Cannot start \"" + path + "\": " + std::strerror(error) + "."};
    }
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    // First report: the program's id. A second one arrives only when exec failed; the pipe closes on exec.
    Report started{0, EIO};
    Report failed{0, 0};
    const bool haveStarted = ::read(report[0], &started, sizeof started) == sizeof started;
    const bool haveFailed = haveStarted && ::read(report[0], &failed, sizeof failed) == sizeof failed;
    ::close(report[0]);
    const int error = !haveStarted ? EIO : started.error != 0 ? started.error : haveFailed ? failed.error : 0;
    if (error != 0)
        return StartFailed{"Cannot start \"" + path + "\": " + std::strerror(error) + "."};
    return Started{started.pid};
}

} // namespace kavrel::winmsg
