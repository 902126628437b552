#include "ui/controls/row_hint_popup.h"

#include <QCursor>
#include <QEvent>
#include <QToolTip>

namespace kavrel::ui {

RowHintPopup::RowHintPopup(QWidget* owner)
    // A tool window outside the window manager's care: unlike a tooltip-type window it really lets the
    // pointer through on X11, so the row under it keeps its clicks.
    : QLabel(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                        Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput |
                        Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("RowHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(1);
    pause_.setSingleShot(true);
    pause_.setInterval(HintPauseMs);
    hidePause_.setSingleShot(true);
    hidePause_.setInterval(HintHidePauseMs);
    connect(&pause_, &QTimer::timeout, this, &RowHintPopup::showPending);
    connect(&hidePause_, &QTimer::timeout, this, &QWidget::hide);
    owner->installEventFilter(this);
}

bool pointerIsOver(const QWidget& widget) {
    return widget.rect().contains(widget.mapFromGlobal(QCursor::pos()));
}

bool RowHintPopup::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Leave:
        // Mapping the hint under the pointer makes some window systems report a leave; the pointer stays.
        if (!pointerIsOver(*static_cast<QWidget*>(watched)))
            cancel();
        break;
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        cancel();
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}

void RowHintPopup::request(const QString& text, QPoint globalTopLeft) {
    // A hint already up follows the pointer to the next row at once, as tooltips do.
    const bool shown = isVisible();
    cancel();
    if (text.isEmpty())
        return;
    setText(text);
    place_ = globalTopLeft;
    if (shown)
        showPending();
    else
        pause_.start();
}

void RowHintPopup::cancel() {
    pause_.stop();
    hidePause_.stop();
    hide();
}

void RowHintPopup::showPending() {
    adjustSize();
    move(place_);
    show();
    raise();
    hidePause_.start();
}

} // namespace kavrel::ui
