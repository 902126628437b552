#include "platform/winmsg/window_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace kavrel::winmsg {

namespace {

// Title characters kept as they are in the socket name; every other byte is written %XX.
bool keptAsIs(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

std::string fileName(std::string_view title) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string name;
    for (const char ch : title) {
        const auto c = static_cast<unsigned char>(ch);
        if (keptAsIs(c) && !(name.empty() && c == '.')) {
            name += ch;
        } else {
            name += '%';
            name += kHex[c >> 4];
            name += kHex[c & 15];
        }
    }
    return name;
}

} // namespace

std::string defaultWindowFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime)
        return std::string(runtime) + "/kavrel-windows";
    return "/tmp/kavrel-windows-" + std::to_string(::getuid());
}

std::optional<std::string> checkWindowFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return "Cannot create the window folder " + folder + ": " + std::strerror(errno);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        return "Cannot read the window folder " + folder + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode))
        return "The window folder " + folder + " is not a folder.";
    if (info.st_uid != ::geteuid())
        return "The window folder " + folder + " belongs to another user.";
    if ((info.st_mode & 0077) != 0)
        return "The window folder " + folder + " is open to other users (it must have mode 0700).";
    return std::nullopt;
}

std::optional<WindowPaths> windowPaths(const std::string& folder, std::string_view title) {
    const std::string base = folder + "/" + fileName(title);
    WindowPaths paths{base + ".sock", base + ".lock"};
    if (title.empty() || paths.socket.size() >= sizeof(sockaddr_un::sun_path))
        return std::nullopt;
    return paths;
}

bool removeIfStale(const WindowPaths& paths) {
    const int fd = ::open(paths.lock.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        // Without a lock file no window ever lived here: whatever socket there is was not made by one.
        if (errno != ENOENT)
            return false;
        ::unlink(paths.socket.c_str());
        return true;
    }
    const bool stale = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (stale)
        ::unlink(paths.socket.c_str());
    ::close(fd);
    return stale;
}

} // namespace kavrel::winmsg
