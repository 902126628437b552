#include "ui/windows/messages/player_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace kavrel::ui {

void PlayerMessages::reportError(std::string_view message) {
    show(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
}

void PlayerMessages::show(const QString& message) {
    std::fprintf(stderr, "kavrel: %s\n", message.toUtf8().constData());
    if (unattended_)
        return;
    if (collecting_) {
        pending_.append(message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Kavrel"), message);
}

void PlayerMessages::startUpFinished() {
    collecting_ = false;
    if (pending_.isEmpty())
        return;
    QTimer::singleShot(0, qApp, [this] {
        const QString all = pending_.join(QStringLiteral("\n\n"));
        pending_.clear();
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Kavrel"), all);
    });
}

} // namespace kavrel::ui
