#pragma once
// Mouse and pointer events sent straight to a widget, with the global position taken from the widget's
// place, so that tests do not depend on a window system moving a real pointer.
#include <QEvent>
#include <QPoint>
#include <QWidget>

namespace kavrel::test {

void sendMouse(QWidget& widget, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::LeftButton);
// A move with the left button held, to a point given in the widget's coordinates at the time of the call.
void sendDrag(QWidget& widget, QPoint local);
void sendEnter(QWidget& widget);
void sendLeave(QWidget& widget);
void sendKey(QWidget& widget, int key);

} // namespace kavrel::test
