#include "ui/controls/row_hint_popup.h"

#include <QEvent>
#include <QToolTip>

namespace kavrel::ui {

RowHintPopup::RowHintPopup(QWidget* owner)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
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

bool RowHintPopup::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Leave:
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
