#include "platform/winmsg/window_endpoint.h"

#include "platform/winmsg/socket_io.h"
#include "platform/winmsg/window_folder.h"
#include "platform/winmsg/wire.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace kavrel::winmsg {

namespace {

using namespace std::chrono_literals;

// A peer that connects and then says nothing is dropped after this, so it cannot stall the window.
constexpr auto kRequestTimeLimit = 1000ms;
// How long a registration waits for a dying window (or a caller checking for a stale socket) to let go.
constexpr int kLockAttempts = 25;
constexpr auto kLockRetry = 20ms;

std::runtime_error failure(const std::string& what) {
    return std::runtime_error(what);
}

int takeLock(const std::string& path, const std::string& title) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        throw failure("Cannot register the window \"" + title + "\": " + std::strerror(errno));
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return fd;
        sleepFor(kLockRetry);
    }
    ::close(fd);
    throw failure("A window titled \"" + title + "\" already exists.");
}

} // namespace

WindowEndpoint::WindowEndpoint(std::string title, Handler handler, std::string folder)
    : title_(std::move(title)), handler_(std::move(handler)) {
    if (folder.empty())
        folder = defaultWindowFolder();
    if (const auto problem = checkWindowFolder(folder))
        throw failure(*problem);
    const auto paths = windowPaths(folder, title_);
    if (!paths)
        throw failure("The window title \"" + title_ + "\" is empty or too long.");
    lockFd_ = takeLock(paths->lock, title_);
    ::unlink(paths->socket.c_str()); // a leftover of a process that died holding this title
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, paths->socket.c_str(), sizeof address.sun_path - 1);
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, 64) != 0) {
        const std::string reason = std::strerror(errno);
        if (listenFd_ >= 0)
            ::close(listenFd_);
        ::close(lockFd_);
        throw failure("Cannot register the window \"" + title_ + "\": " + reason);
    }
    // The folder already keeps others out; the socket's own mode says the same to anyone who looks.
    ::chmod(paths->socket.c_str(), 0600);
    socketPath_ = paths->socket;
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC);
    thread_ = std::thread([this] { run(); });
}

WindowEndpoint::~WindowEndpoint() {
    // Unlinked first, so from here on the title is not found while the thread winds down.
    ::unlink(socketPath_.c_str());
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
    thread_.join();
    ::close(listenFd_);
    ::close(wakeFd_);
    ::close(lockFd_);
}

void WindowEndpoint::run() {
    for (;;) {
        pollfd waits[2] = {{listenFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (waits[1].revents != 0)
            return;
        const int connection = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0)
            continue;
        serve(connection);
        ::close(connection);
    }
}

void WindowEndpoint::serve(int connection) {
    ucred peer{};
    socklen_t length = sizeof peer;
    if (::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 || peer.uid != ::geteuid())
        return;
    const auto deadline = std::chrono::steady_clock::now() + kRequestTimeLimit;
    std::vector<std::uint8_t> bytes(kRequestHeaderBytes);
    if (!readAll(connection, bytes, deadline))
        return; // a look-up that only checked the window is there, or a peer that gave up
    const auto body = requestBodyBytes(bytes);
    if (!body)
        return;
    bytes.resize(kRequestHeaderBytes + *body);
    if (!readAll(connection, std::span(bytes).subspan(kRequestHeaderBytes), deadline))
        return;
    const auto request = decodeRequest(bytes);
    if (!request)
        return;
    std::int64_t result = 0;
    try {
        result = handler_(request->message);
    } catch (...) {
        // A failing handler answers 0, as a window that does not know the message; the window lives on.
    }
    if (request->delivery == Delivery::Sent)
        writeAll(connection, encodeReply(result), std::chrono::steady_clock::now() + kRequestTimeLimit);
}

} // namespace kavrel::winmsg
