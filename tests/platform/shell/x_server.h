#pragma once
// An X server of the test's own (Xvfb on a display it picks itself), ended with the test.
#include <QProcess>
#include <QString>

namespace kavrel::test {

class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool started() const { return !display_.isEmpty(); }
    const QString& display() const { return display_; } // ":N"

private:
    QProcess server_;
    QString display_;
};

} // namespace kavrel::test
