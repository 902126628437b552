#include "x_server.h"

namespace kavrel::test {

XServer::XServer() {
    // -displayfd: the server takes a free display and names it on standard output once it accepts clients.
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                   QStringLiteral("640x480x24")});
    if (!server_.waitForStarted(5000))
        return;
    while (!server_.canReadLine() && server_.waitForReadyRead(20'000)) {
    }
    const QString number = QString::fromUtf8(server_.readLine()).trimmed();
    if (!number.isEmpty())
        display_ = QStringLiteral(":") + number;
}

XServer::~XServer() {
    server_.terminate();
    server_.waitForFinished(5000);
}

} // namespace kavrel::test
