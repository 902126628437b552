#include "platform/shell/qt/second_start.h"

#include "platform/shell/start_message.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace kavrel::shell {

namespace {

// Beyond any command line; guards against a flood.
constexpr qsizetype kMaxMessage = 4 << 20;

QString socketPath(const SingleInstanceGuard& guard) {
    return QString::fromStdString(guard.folder() + "/" + guard.name() + ".socket");
}

} // namespace

SecondStartListener::SecondStartListener(const SingleInstanceGuard& guard, SecondStartHandlers handlers)
    : handlers_(std::move(handlers)) {
    if (!guard.acquired())
        return;
    const QString path = socketPath(guard);
    QLocalServer::removeServer(path); // left by a copy that crashed; we hold the lock, so it is dead
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(path))
        return;
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* peer = server_.nextPendingConnection())
            receive(peer);
    });
}

void SecondStartListener::receive(QLocalSocket* peer) {
    struct Message {
        QByteArray data;
        bool flooded = false;
    };
    auto received = std::make_shared<Message>(); // lives as long as the peer's connections
    QObject::connect(peer, &QLocalSocket::readyRead, peer, [peer, received] {
        received->data += peer->readAll();
        if (received->data.size() > kMaxMessage) {
            received->flooded = true;
            peer->abort();
        }
    });
    QObject::connect(peer, &QLocalSocket::disconnected, &server_, [this, peer, received] {
        peer->deleteLater();
        if (received->flooded)
            return;
        received->data += peer->readAll();
        dispatch(received->data);
    });
}

void SecondStartListener::dispatch(const QByteArray& message) const {
    const auto start = decodeStartMessage(std::string_view(message.constData(), std::size_t(message.size())));
    if (!start)
        return;
    if (start->paths.empty()) {
        if (handlers_.raiseRequested)
            handlers_.raiseRequested();
        return;
    }
    deliver(start->paths);
}

std::string SecondStartListener::failure() const {
    return listening() ? std::string() : server_.errorString().toStdString();
}

void SecondStartListener::deliverOwn(std::vector<std::string> paths) {
    if (paths.empty())
        return;
    QTimer::singleShot(0, &server_, [this, paths = std::move(paths)] { deliver(paths); });
}

void SecondStartListener::deliver(const std::vector<std::string>& paths) const {
    if (!paths.empty() && handlers_.pathsReceived)
        handlers_.pathsReceived(paths);
}

bool passToRunningCopy(const SingleInstanceGuard& guard, const std::vector<std::string>& paths,
                       int timeoutMs) {
    // Plain sockets: this runs before the program has any Qt application object.
    const std::string path = socketPath(guard).toStdString();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const QDeadlineTimer deadline(timeoutMs);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    while (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (deadline.hasExpired() || (errno != ENOENT && errno != ECONNREFUSED && errno != EINTR)) {
            ::close(fd);
            return false;
        }
        ::usleep(50'000); // the running copy holds the lock but is not listening yet
    }
    const std::int64_t left = std::max<std::int64_t>(deadline.remainingTime(), 1);
    const timeval patience{static_cast<time_t>(left / 1000), static_cast<suseconds_t>(left % 1000 * 1000)};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience); // a copy that hangs
    const std::string message = encodeStartMessage(paths);
    std::size_t sent = 0;
    while (sent < message.size()) {
        const ssize_t n = ::send(fd, message.data() + sent, message.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        sent += std::size_t(n);
    }
    ::close(fd);
    return true;
}

std::vector<std::string> startPaths(const QStringList& arguments) {
    std::vector<std::string> paths;
    for (const QString& argument : arguments) {
        if (argument.isEmpty())
            continue;
        if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
            const QUrl url(argument);
            const QString path = url.path(QUrl::FullyDecoded);
            const bool here = url.host().isEmpty() || url.host() == QLatin1String("localhost");
            if (url.isValid() && here && QDir::isAbsolutePath(path))
                paths.push_back(QDir::cleanPath(path).toStdString());
        } else if (!argument.contains(QLatin1String("://"))) {
            paths.push_back(QDir::cleanPath(QDir::current().absoluteFilePath(argument)).toStdString());
        }
    }
    return paths;
}

} // namespace kavrel::shell
