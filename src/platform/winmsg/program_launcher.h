#pragma once
// Starting another program detached from this one, as a desktop starts a program: it outlives the
// caller, and a start that cannot happen says why.
#include <optional>
#include <string>
#include <sys/types.h>
#include <variant>

namespace kavrel::winmsg {

// Set in the started program's environment when it is asked to show its main window minimised.
inline constexpr const char* kStartMinimizedVariable = "KAVREL_START_MINIMIZED";

struct Started {
    pid_t pid = 0;
};
// A message for the user naming the path and the reason.
struct StartFailed {
    std::string message;
};
using StartResult = std::variant<Started, StartFailed>;

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Any thread; blocks only until the program has been executed (or failed to be).
    virtual StartResult start(const std::string& path, bool minimized) = 0;
};

// Why `path` cannot be started as a program (empty, missing, not a file, not executable); nothing when it
// can.
std::optional<std::string> unstartableReason(const std::string& path);

class ProcessLauncher final : public ProgramLauncher {
public:
    StartResult start(const std::string& path, bool minimized) override;
};

} // namespace kavrel::winmsg
