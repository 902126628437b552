#pragma once
#include <string>

namespace kavrel::shell {

// Holds a per-user lock named after the mini player's window class for the life of the process. The lock
// is an advisory file lock, so it is taken atomically and released by the system even after a crash.
class SingleInstanceGuard {
public:
    // lockFolder empty: $XDG_RUNTIME_DIR/kavrel, or without it kavrel-<uid> in $TMPDIR (else /tmp), created
    // with mode 0700. A folder that is not a real folder of this user, open to others, is refused: whoever
    // controls it could hold the lock or swap the file.
    explicit SingleInstanceGuard(const std::string& name, std::string lockFolder = {});
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    bool acquired() const { return fd_ >= 0; }
    // Not acquired because a running copy holds the lock (the only reason a start may quietly leave).
    bool heldByAnotherCopy() const { return !acquired() && failure_.empty(); }
    // Why the lock could not even be tried, naming the path and the system's reason; empty otherwise.
    const std::string& failure() const { return failure_; }
    // The checked folder and the name, for what lives beside the lock (the running copy's socket).
    const std::string& folder() const { return folder_; }
    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::string folder_;
    int fd_ = -1;
    std::string failure_;
};

} // namespace kavrel::shell
