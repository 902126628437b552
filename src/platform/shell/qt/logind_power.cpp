#include "platform/shell/qt/logind_power.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>

#include <atomic>

namespace kavrel::shell {

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");

bool refusal(const QDBusError& error) {
    return error.type() == QDBusError::AccessDenied ||
           error.name() == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired") ||
           error.name().startsWith(kLogind);
}

// Each attempt on a connection of its own, so a bus that went away since the last one is noticed.
QDBusConnection connect(const std::string& address) {
    static std::atomic<int> serial{0};
    const QString name = QStringLiteral("kavrel-power-%1").arg(serial++);
    return address.empty() ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, name)
                           : QDBusConnection::connectToBus(QString::fromStdString(address), name);
}

} // namespace

LogindPower::LogindPower(std::string busAddress) : busAddress_(std::move(busAddress)) {}

bool LogindPower::requestShutdown() {
    try {
        switchOff();
        return true;
    } catch (const TShutdownEx&) {
        return false;
    }
}

void LogindPower::switchOff() {
    QDBusConnection bus = connect(busAddress_);
    const QString name = bus.name();
    struct Disconnect {
        QString name;
        ~Disconnect() { QDBusConnection::disconnectFromBus(name); }
    } disconnect{name};

    if (!bus.isConnected())
        throw TShutdownEx("OpenProcessToken failed");
    QDBusMessage call = QDBusMessage::createMethodCall(kLogind, QStringLiteral("/org/freedesktop/login1"),
                                                       QStringLiteral("org.freedesktop.login1.Manager"),
                                                       QStringLiteral("PowerOff"));
    call << false; // interactive: no password dialog on a machine left alone
    const QDBusMessage reply = bus.call(call, QDBus::Block, 25'000);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return;
    const QDBusError error(reply);
    if (error.type() == QDBusError::ServiceUnknown)
        throw TShutdownEx("LookupPrivilegeValue failed");
    if (refusal(error))
        throw TShutdownEx("AdjustTokenPrivileges failed");
    throw TShutdownEx("ExitWindowsEx failed");
}

} // namespace kavrel::shell
