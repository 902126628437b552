#include "platform/shell/qt/qt_desktop_shell.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace kavrel::shell {
namespace {

// A file manager started by the call (bus activation) may take a few seconds to answer.
constexpr int kFileManagerTimeoutMs = 10000;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool openLocal(const QString& path) {
    return QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

QtDesktopShell::QtDesktopShell(QDBusConnection bus) : bus_(std::move(bus)) {}

bool QtDesktopShell::openUrl(const std::string& url) {
    const QUrl address(fromUtf8(url), QUrl::TolerantMode);
    return address.isValid() && !address.scheme().isEmpty() && QDesktopServices::openUrl(address);
}

bool QtDesktopShell::startProgram(const std::string& commandLine) {
    QStringList words = QProcess::splitCommand(fromUtf8(commandLine));
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words);
}

bool QtDesktopShell::openDocument(const std::string& path) {
    return openLocal(fromUtf8(path));
}

bool QtDesktopShell::showFileLocation(const std::string& path) {
    const QFileInfo file(fromUtf8(path));
    const QString folder = file.absolutePath();
    if (path.empty() || !file.exists())
        return openLocal(folder);
    if (!bus_.isConnected())
        return openLocal(folder);
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded)}
         << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kFileManagerTimeoutMs), &pendingCalls_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [folder](QDBusPendingCallWatcher* done) {
                         if (done->isError())
                             openLocal(folder);
                         done->deleteLater();
                     });
    return true;
}

} // namespace kavrel::shell
