#pragma once
// A session bus daemon of the test's own, started for one test and ended with it.
#include <QDBusConnection>
#include <QProcess>
#include <QString>

namespace kavrel::test {

class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool started() const { return !address_.isEmpty(); }
    const QString& address() const { return address_; }
    // A new connection to the bus under its own name; disconnected when the bus ends.
    QDBusConnection connect(const QString& name);

private:
    QProcess daemon_;
    QString address_;
    QStringList connections_;
};

} // namespace kavrel::test
