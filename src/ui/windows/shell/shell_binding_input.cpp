// The main window's events the binding takes: minimising, and the wheel over it outside its lists.
#include "ui/windows/shell/shell_binding.h"

#include <QWheelEvent>

namespace kavrel::ui {

namespace {

// One notch of a mouse wheel.
constexpr int kWheelNotch = 120;

bool overAList(QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (qobject_cast<TCListBox*>(widget) || qobject_cast<TCListView*>(widget) ||
            qobject_cast<TQelScrollerVr*>(widget))
            return true;
    return false;
}

} // namespace

bool ShellBinding::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowStateChange:
        // Minimised: once the window has gone down, it goes on into the tray, unless something hid it
        // meanwhile (the mini player's way to the tray minimises it on the way).
        if (watched == &window_ && window_.isMinimized())
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (window_.isMinimized() && window_.isVisible())
                        tray_.hideFromMain();
                },
                Qt::QueuedConnection);
        return false;
    case QEvent::Wheel: {
        // At the control the event is for, before it handles it.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != &window_)
            return false;
        return wheelOverTheWindow(*widget, *static_cast<QWheelEvent*>(event));
    }
    default:
        return false;
    }
}

bool ShellBinding::wheelOverTheWindow(QWidget& receiver, const QWheelEvent& wheel) {
    // A list at its end passes the wheel on to the window; it still belongs to the list.
    if (overAList(&receiver) ||
        overAList(window_.childAt(window_.mapFromGlobal(wheel.globalPosition().toPoint()))))
        return false;
    wheelRest_ += wheel.angleDelta().y();
    auto& playback = application_.playback();
    while (wheelRest_ >= kWheelNotch || wheelRest_ <= -kWheelNotch) {
        const bool down = wheelRest_ < 0;
        wheelRest_ += down ? kWheelNotch : -kWheelNotch;
        playback.VolumeChanged(core::wheelVolume(application_.settings().VolumePosition, down));
    }
    return true;
}

} // namespace kavrel::ui
