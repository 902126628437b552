#include "tools/icon_creater.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace kavrel::tools {

void GioLauncherTrust::trust(const std::string& launcherPath) {
    std::string program = "gio", set = "set", attribute = "metadata::trusted", value = "true";
    std::string file = launcherPath;
    char* arguments[] = {program.data(), set.data(), file.data(), attribute.data(), value.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // gio's complaints (no metadata service) mean only that this desktop needs no mark.
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    if (posix_spawnp(&child, "gio", &actions, nullptr, arguments, environ) == 0) {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace kavrel::tools
