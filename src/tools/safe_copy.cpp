#include "tools/safe_copy.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kavrel::tools {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, so a failing close (a full disk on some file systems) is seen.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

CopyAttempt failure(int error) {
    return {CopyResult::Failed, std::strerror(error)};
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Copies the bytes; 0, -1 when stopped, or the errno of the failure.
int copyBytes(int from, int to, const std::function<bool()>& keepGoing) {
    std::vector<char> block(1 << 20);
    for (;;) {
        if (!keepGoing())
            return -1;
        const ssize_t got = ::read(from, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        if (!writeAll(to, block.data(), static_cast<std::size_t>(got)))
            return errno ? errno : EIO;
    }
}

} // namespace

std::filesystem::path temporaryNameFor(const std::filesystem::path& target) {
    return target.parent_path() / ("." + target.filename().string() + ".kavrel-part");
}

CopyAttempt copyThroughTemporary(const std::filesystem::path& source, const std::filesystem::path& target,
                                 const std::function<bool()>& keepGoing) {
    Descriptor from(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (from.get() < 0)
        return errno == ENOENT ? CopyAttempt{CopyResult::SourceMissing, std::strerror(ENOENT)}
                               : failure(errno);
    struct stat sourceInfo {};
    if (::fstat(from.get(), &sourceInfo) != 0)
        return failure(errno);
    if (!S_ISREG(sourceInfo.st_mode))
        return failure(EISDIR);

    const auto temporary = temporaryNameFor(target);
    Descriptor to(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (to.get() < 0)
        return failure(errno);
    int error = copyBytes(from.get(), to.get(), keepGoing);
    if (error == 0) {
        // The copy keeps the song's own date, as a file manager's copy does; a file system without
        // dates is no reason to fail.
        const struct timespec times[2] = {sourceInfo.st_atim, sourceInfo.st_mtim};
        ::futimens(to.get(), times);
        if (::fdatasync(to.get()) != 0 && errno != EINVAL)
            error = errno;
    }
    if (to.close() != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error == 0)
        return {};
    ::unlink(temporary.c_str());
    return error < 0 ? CopyAttempt{CopyResult::Stopped, {}} : failure(error);
}

} // namespace kavrel::tools
