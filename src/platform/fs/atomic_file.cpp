#include "platform/fs/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kavrel::fs {

namespace {

[[noreturn]] void fail(const std::filesystem::path& file, int error) {
    throw std::system_error(error, std::generic_category(), file.string());
}

// Makes a finished rename survive a power loss; a folder that cannot be synced changes nothing else.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    const std::filesystem::path folder = file.parent_path();
    std::string temporary = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        fail(file, errno);
    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        fail(file, error);
    };
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            abandon(errno);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0)
        abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        fail(file, error);
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        fail(file, error);
    }
    syncFolder(folder);
}

std::string readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        fail(file, errno ? errno : ENOENT);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        fail(file, EIO);
    return bytes;
}

} // namespace kavrel::fs
