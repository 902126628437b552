#include "platform/winmsg/socket_desktop.h"

#include "platform/winmsg/socket_io.h"
#include "platform/winmsg/window_folder.h"
#include "platform/winmsg/wire.h"

#include <cerrno>
#include <unistd.h>

namespace kavrel::winmsg {

namespace {

// Closes the connection when it goes out of scope.
struct Connection {
    int fd;
    ~Connection() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

SocketDesktop::SocketDesktop(std::string folder, std::chrono::milliseconds answerLimit)
    : folder_(folder.empty() ? defaultWindowFolder() : std::move(folder)), answerLimit_(answerLimit) {}

int SocketDesktop::connectWindow(std::string_view title) {
    if (checkWindowFolder(folder_))
        return -1;
    const auto paths = windowPaths(folder_, title);
    if (!paths)
        return -1;
    const int fd = connectTo(paths->socket);
    if (fd < 0 && errno == ECONNREFUSED)
        removeIfStale(*paths);
    return fd;
}

bool SocketDesktop::FindWindow(std::string_view title) {
    const Connection connection{connectWindow(title)};
    // A full queue still means a living window, only a busy one.
    return connection.fd >= 0 || errno == EAGAIN;
}

std::optional<std::int64_t> SocketDesktop::SendMessage(std::string_view title, const Message& message) {
    const auto deadline = std::chrono::steady_clock::now() + answerLimit_;
    Connection connection{connectWindow(title)};
    while (connection.fd < 0 && errno == EAGAIN && std::chrono::steady_clock::now() < deadline) {
        sleepFor(std::chrono::milliseconds(5));
        connection.fd = connectWindow(title);
    }
    if (connection.fd < 0 || !writeAll(connection.fd, encodeRequest({Delivery::Sent, message}), deadline))
        return std::nullopt;
    std::vector<std::uint8_t> reply(kReplyBytes);
    if (!readAll(connection.fd, reply, deadline))
        return std::nullopt;
    return decodeReply(reply);
}

bool SocketDesktop::PostMessage(std::string_view title, const Message& message) {
    const Connection connection{connectWindow(title)};
    // Small enough to fit the socket's buffer, so the write completes at once or the window is gone.
    return connection.fd >= 0 && writeAll(connection.fd, encodeRequest({Delivery::Posted, message}),
                                          std::chrono::steady_clock::now() + answerLimit_);
}

} // namespace kavrel::winmsg
