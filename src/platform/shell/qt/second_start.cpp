#include "platform/shell/qt/second_start.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace kavrel::shell {

namespace {

// A message: the magic, then NUL-terminated fields, the first the request. Read until the sender closes.
const QByteArray kMagic("kavrel-start-1");
const QByteArray kOpen("open");
const QByteArray kRaise("raise");
constexpr qsizetype kMaxMessage = 4 << 20; // beyond any command line; guards against a flood

QString socketPath(const SingleInstanceGuard& guard) {
    return QString::fromStdString(guard.folder() + "/" + guard.name() + ".socket");
}

QByteArray encode(const std::vector<std::string>& paths) {
    QByteArray message = kMagic + '\0' + (paths.empty() ? kRaise : kOpen) + '\0';
    for (const std::string& path : paths)
        message += QByteArray::fromStdString(path) + '\0';
    return message;
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
        while (QLocalSocket* peer = server_.nextPendingConnection()) {
            auto* received = new QByteArray;
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [peer, received] {
                *received += peer->readAll();
                if (received->size() > kMaxMessage)
                    peer->abort();
            });
            QObject::connect(peer, &QLocalSocket::disconnected, &server_, [this, peer, received] {
                *received += peer->readAll();
                const QList<QByteArray> fields = received->split('\0');
                delete received;
                peer->deleteLater();
                // A complete message ends with a NUL, so the last field is empty.
                if (fields.size() < 3 || fields[0] != kMagic || !fields.back().isEmpty())
                    return;
                if (fields[1] == kRaise && handlers_.raiseRequested)
                    handlers_.raiseRequested();
                if (fields[1] == kOpen) {
                    std::vector<std::string> paths;
                    for (qsizetype i = 2; i + 1 < fields.size(); ++i)
                        if (!fields[i].isEmpty())
                            paths.push_back(fields[i].toStdString());
                    deliver(paths);
                }
            });
        }
    });
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
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(socketPath(guard));
        if (socket.waitForConnected(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0))))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50); // the running copy holds the lock but is not listening yet
    }
    socket.write(encode(paths));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0))))
            return false;
    socket.disconnectFromServer();
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
