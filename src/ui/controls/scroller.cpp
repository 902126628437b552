#include "ui/controls/scroller.h"

#include "ui/controls/press_repeater.h"
#include "ui/controls/scroller_math.h"
#include "ui/controls/scroller_mouse_state.h"
#include "ui/controls/scroller_parts.h"

#include <QPainterPath>
#include <QRegion>
#include <algorithm>
#include <climits>

namespace kavrel::ui {

TScroller::TScroller(TrackPress trackPress, QWidget* parent)
    : QWidget(parent), trackPress_(trackPress), track_(new TTraka(this)), thumb_(new TSetac(track_)),
      repeater_(new PressRepeater(this)), ownMouseState_(std::make_unique<ScrollerMouseState>()) {
    mouseState_ = ownMouseState_.get();
    connect(track_, &TScrollerPart::pressed, this, [this](Qt::MouseButton button, QPoint position, QPoint) {
        setMouseHeld(true);
        if (button != Qt::LeftButton)
            return;
        trackPointer_ = along(position);
        repeater_->start([this] { trackPressStep(); });
    });
    connect(track_, &TScrollerPart::moved, this,
            [this](Qt::MouseButtons, QPoint position, QPoint) { trackPointer_ = along(position); });
    connect(track_, &TScrollerPart::released, this,
            [this](Qt::MouseButton button, QPoint) { released(button); });
    connect(thumb_, &TScrollerPart::pressed, this,
            [this](Qt::MouseButton button, QPoint, QPoint global) { thumbPressed(button, global); });
    connect(thumb_, &TScrollerPart::moved, this,
            [this](Qt::MouseButtons buttons, QPoint, QPoint global) { thumbMoved(buttons, global); });
    connect(thumb_, &TScrollerPart::released, this,
            [this](Qt::MouseButton button, QPoint) { released(button); });
}

void TScroller::setMin(int min) {
    min_ = min;
    place(position_);
}

void TScroller::setMax(int max) {
    max_ = max;
    place(position_);
}

void TScroller::setPosition(int position) {
    place(position);
}

void TScroller::changeByUser(long long position) {
    place(static_cast<int>(std::clamp<long long>(position, INT_MIN, INT_MAX)));
    emit userChanged(position_);
}

void TScroller::setThumbSize(int size) {
    thumbSize_ = std::max(0, size);
    place(position_);
}

void TScroller::setKind(Qt::Orientation kind) {
    kind_ = kind;
    track_->setKind(kind);
    thumb_->setKind(kind);
    place(position_);
}

void TScroller::setRoundThumb(bool on) {
    roundThumb_ = on;
    placeThumb();
}

int TScroller::trackLength() const {
    return kind_ == Qt::Horizontal ? width() : height();
}

void TScroller::setMouseHeld(bool held) {
    mouseState_->held = held;
}

void TScroller::resizeEvent(QResizeEvent*) {
    track_->setGeometry(rect());
    place(position_);
}

void TScroller::place(int position) {
    position_ = scroller::clampPosition(position, min_, max_);
    offset_ = scroller::thumbOffset(position_, min_, max_, trackLength() - thumbSize_);
    placeThumb();
    emit positionPlaced(position_);
}

void TScroller::placeThumb() {
    const bool horizontal = kind_ == Qt::Horizontal;
    const int thickness = horizontal ? height() : width();
    thumb_->setGeometry(horizontal ? QRect(offset_, 0, thumbSize_, thickness)
                                   : QRect(0, offset_, thickness, thumbSize_));
    if (!roundThumb_ || thickness < 10) {
        thumb_->clearMask();
        return;
    }
    // A rounded rectangle inset by one pixel, with a 20 x 20 corner ellipse.
    const QRectF inner = horizontal ? QRectF(1, 1, thumbSize_ - 2, thickness - 3)
                                    : QRectF(1, 1, thickness - 3, thumbSize_ - 2);
    QPainterPath outline;
    outline.addRoundedRect(inner, 10, 10);
    thumb_->setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

int TScroller::along(QPoint point) const {
    return kind_ == Qt::Horizontal ? point.x() : point.y();
}

void TScroller::trackPressStep() {
    if (trackPress_ == TrackPress::JumpToPointer) {
        if (const auto target = scroller::trackJumpPosition(max_, trackLength(), trackPointer_))
            changeByUser(*target);
        return;
    }
    if (trackPointer_ < offset_)
        changeByUser(static_cast<long long>(position_) - largeChange_);
    else if (trackPointer_ >= offset_ + thumbSize_)
        changeByUser(static_cast<long long>(position_) + largeChange_);
}

void TScroller::thumbPressed(Qt::MouseButton button, QPoint globalPosition) {
    setMouseHeld(true);
    if (button != Qt::LeftButton)
        return;
    dragging_ = true;
    grabPointer_ = along(globalPosition);
    grabOffset_ = offset_;
}

void TScroller::thumbMoved(Qt::MouseButtons buttons, QPoint globalPosition) {
    const int span = trackLength() - thumbSize_;
    // An empty range or a thumb that fills the track leaves nothing to drag.
    if (!dragging_ || !(buttons & Qt::LeftButton) || max_ <= min_ || span <= 0)
        return;
    const int offset = std::clamp(grabOffset_ + along(globalPosition) - grabPointer_, 0, span);
    if (offset == offset_)
        return;
    offset_ = offset;
    placeThumb();
    position_ = scroller::clampPosition(*scroller::positionAtOffset(offset_, min_, max_, span), min_, max_);
    emit positionPlaced(position_);
    emit userChanged(position_);
}

void TScroller::released(Qt::MouseButton button) {
    repeater_->stop();
    if (dragging_) {
        dragging_ = false;
        place(position_);
    }
    setMouseHeld(false);
    emit mouseUp(button);
}

} // namespace kavrel::ui
