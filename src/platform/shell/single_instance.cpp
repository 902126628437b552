#include "platform/shell/single_instance.h"

#include <cstdlib>
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
    return "/tmp/kavrel-" + std::to_string(::getuid());
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const std::string& name, std::string lockFolder) {
    if (lockFolder.empty())
        lockFolder = defaultLockFolder();
    ::mkdir(lockFolder.c_str(), 0700);
    const std::string path = lockFolder + "/" + name + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace kavrel::shell
