#include "platform/dispatch/qt/qt_dispatcher.h"

#include <QMetaObject>
#include <QObject>
#include <QTimer>

namespace kavrel::dispatch {

void QtDispatcher::post(std::function<void()> task) {
    QMetaObject::invokeMethod(&context_, std::move(task), Qt::QueuedConnection);
}

void QtDispatcher::postDelayed(std::chrono::milliseconds delay, std::function<void()> task) {
    post([this, delay, task = std::move(task)]() mutable {
        QTimer::singleShot(delay, Qt::PreciseTimer, &context_, std::move(task));
    });
}

} // namespace kavrel::dispatch
