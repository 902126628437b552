#include "widget_events.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kavrel::test {

void sendMouse(QWidget& widget, QEvent::Type type, QPoint local, Qt::MouseButton button) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, local, widget.mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void sendDrag(QWidget& widget, QPoint local) {
    QMouseEvent event(QEvent::MouseMove, local, widget.mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void sendEnter(QWidget& widget) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), widget.mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(&widget, &event);
}

void sendLeave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

void sendKey(QWidget& widget, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace kavrel::test
