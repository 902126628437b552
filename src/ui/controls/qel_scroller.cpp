#include "ui/controls/qel_scroller.h"

#include "ui/controls/scroller_mouse_state.h"
#include "ui/controls/scroller_parts.h"

#include <QKeyEvent>

namespace kavrel::ui {

TQelScroller::TQelScroller(TScroller::TrackPress trackPress, QWidget* parent)
    : QFrame(parent), scroller_(new TScroller(trackPress, this)) {
    setFocusPolicy(Qt::StrongFocus);
    connect(scroller_, &TScroller::userChanged, this,
            [this](int position) { emit OnChange(this, position); });
    connect(scroller_, &TScroller::mouseUp, this,
            [this](Qt::MouseButton button) { emit OnMouseUp(this, button); });
}

void TQelScroller::setKind(Qt::Orientation kind) {
    scroller_->setKind(kind);
}

QColor TQelScroller::ColorThumb() const {
    return scroller_->thumb()->color();
}

void TQelScroller::setColorThumb(const QColor& color) {
    scroller_->thumb()->setColor(color);
}

QColor TQelScroller::ColorBand() const {
    return scroller_->track()->color();
}

void TQelScroller::setColorBand(const QColor& color) {
    scroller_->track()->setColor(color);
    bandColorChanged();
    update();
}

void TQelScroller::setHintSecondLine(const QString& text) {
    hintSecondLine_ = text;
    // The second line goes after a line break; Qt tooltips break lines at "\n", not at a carriage return.
    if (!text.isEmpty() && !toolTip().isEmpty())
        setToolTip(toolTip() + '\n' + text);
}

bool TQelScroller::MouseUpm() const {
    return scroller_->mouseState().held;
}

void TQelScroller::setMouseUpm(bool held) {
    scroller_->setMouseHeld(held);
}

QString TQelScroller::Version() {
    return QStringLiteral("Kavrel scroller 1.0");
}

void TQelScroller::keyPressEvent(QKeyEvent* event) {
    const long long position = Position();
    switch (event->key()) {
    case Qt::Key_Home:
        scroller_->changeByUser(Min());
        break;
    case Qt::Key_End:
        scroller_->changeByUser(Max());
        break;
    case Qt::Key_PageUp:
        scroller_->changeByUser(position - LargeChange());
        break;
    case Qt::Key_PageDown:
        scroller_->changeByUser(position + LargeChange());
        break;
    default:
        if (!arrowKey(event->key()))
            QFrame::keyPressEvent(event);
    }
}

bool TQelScroller::arrowKey(int) {
    return false;
}

void TQelScroller::enterEvent(QEnterEvent* event) {
    emit OnMouseEnter(this);
    QFrame::enterEvent(event);
}

void TQelScroller::leaveEvent(QEvent* event) {
    emit OnMouseExit(this);
    QFrame::leaveEvent(event);
}

} // namespace kavrel::ui
