#include "platform/fs/posix_file.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace kavrel::fs::detail {

void fail(const std::filesystem::path& path, int error) {
    throw std::system_error(error, std::generic_category(), path.string());
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        reset();
        fd_ = other.release();
    }
    return *this;
}

int FileDescriptor::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

void FileDescriptor::reset() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

FileDescriptor openFolder(const std::filesystem::path& folder) {
    return FileDescriptor(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

void writeAll(int fd, std::string_view bytes, const std::filesystem::path& file) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(file, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

int syncFolder(const std::filesystem::path& folder) {
    const FileDescriptor fd = openFolder(folder);
    if (!fd.isOpen() || ::fsync(fd.get()) != 0)
        return errno;
    return 0;
}

} // namespace kavrel::fs::detail
