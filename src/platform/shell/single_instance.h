#pragma once
#include <string>

namespace kavrel::shell {

// Holds a per-user lock named after the mini player's window class for the life of the process. The lock
// is an advisory file lock, so it is taken atomically and released by the system even after a crash.
class SingleInstanceGuard {
public:
    // lockFolder empty: $XDG_RUNTIME_DIR/kavrel (or /tmp/kavrel-<uid>), created with mode 0700.
    explicit SingleInstanceGuard(const std::string& name, std::string lockFolder = {});
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // False when another running copy holds the lock.
    bool acquired() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace kavrel::shell
