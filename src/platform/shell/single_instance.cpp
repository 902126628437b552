#include "platform/shell/single_instance.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrel::shell {

namespace {

std::string defaultLockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime)
        return std::string(runtime) + "/kavrel";
    const char* temp = std::getenv("TMPDIR");
    return std::string(temp && *temp ? temp : "/tmp") + "/kavrel-" + std::to_string(::getuid());
}

std::string systemFailure(const std::string& what, const std::string& path, int error) {
    return what + " " + path + ": " + std::strerror(error);
}

// Empty when the folder exists (made here if missing) as this user's own folder that nobody else may
// change; otherwise why not.
std::string checkLockFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return systemFailure("cannot create the lock folder", folder, errno);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        return systemFailure("cannot open the lock folder", folder, errno);
    if (!S_ISDIR(info.st_mode))
        return "the lock folder " + folder + " is not a folder";
    if (info.st_uid != ::getuid())
        return "the lock folder " + folder + " belongs to another user";
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return "the lock folder " + folder + " may be changed by other users";
    return {};
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const std::string& name, std::string lockFolder)
    : name_(name), folder_(lockFolder.empty() ? defaultLockFolder() : std::move(lockFolder)) {
    failure_ = checkLockFolder(folder_);
    if (!failure_.empty())
        return;
    const std::string path = folder_ + "/" + name + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        failure_ = systemFailure("cannot open the lock file", path, errno);
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK)
            failure_ = systemFailure("cannot lock", path, error);
        return;
    }
    fd_ = fd;
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace kavrel::shell
