#include "ui/controls/qel_scroller_h.h"

#include "ui/controls/press_repeater.h"
#include "ui/controls/scroller_math.h"
#include "ui/controls/scroller_parts.h"

#include <QEvent>
#include <QPainter>

namespace kavrel::ui {

namespace {
constexpr int ArrowLength = 13;
constexpr int TrackInset = 15;
} // namespace

TQelScrollerH::TQelScrollerH(QWidget* parent)
    : TQelScroller(TScroller::TrackPress::JumpToPointer, parent), buttonUp_(new TButtonUp(this)),
      buttonDown_(new TButtonDown(this)), arrowRepeater_(new PressRepeater(this)) {
    scroller()->setRoundThumb(true);
    setColorBand(QColor(0x2a, 0x2b, 0x30));
    setColorThumb(QColor(0x70, 0x72, 0x7a));
    connectArrow(buttonUp_, -1);
    connectArrow(buttonDown_, +1);
    connect(scroller(), &TScroller::positionPlaced, this, [this] { refreshThumbText(); });
    setKind(Qt::Horizontal);
}

void TQelScrollerH::connectArrow(TScrollerPart* arrow, int direction) {
    connect(arrow, &TScrollerPart::pressed, this, [this, direction](Qt::MouseButton button, QPoint, QPoint) {
        scroller()->setMouseHeld(true);
        if (button == Qt::LeftButton)
            arrowRepeater_->start([this, direction] {
                scroller()->changeByUser(static_cast<long long>(Position()) + direction * SmallChange());
            });
    });
    connect(arrow, &TScrollerPart::released, this,
            [this, arrow, direction](Qt::MouseButton button, QPoint at) {
                arrowRepeater_->stop();
                scroller()->setMouseHeld(false);
                if (button == Qt::LeftButton && arrow->rect().contains(at))
                    emit(direction < 0 ? OnClickBtnLT(this) : OnClickBtnRD(this));
                emit OnMouseUp(this, button);
            });
}

void TQelScrollerH::setKind(Qt::Orientation kind) {
    TQelScroller::setKind(kind);
    buttonUp_->setKind(kind);
    buttonDown_->setKind(kind);
    layoutParts();
}

void TQelScrollerH::setThumbShowText(bool on) {
    thumbShowText_ = on;
    refreshThumbText();
}

void TQelScrollerH::setVkoef(double scale) {
    vkoef_ = scale;
    refreshThumbText();
}

void TQelScrollerH::setRoundThumb(bool on) {
    roundThumb_ = on;
    refreshThumbText();
}

QString TQelScrollerH::thumbText() const {
    return scroller()->thumb()->caption();
}

void TQelScrollerH::refreshThumbText() {
    const bool shown = thumbShowText_ && isEnabled();
    scroller()->thumb()->setCaption(
        shown ? QString::fromStdString(scroller::thumbText(Position(), vkoef_, roundThumb_)) : QString());
}

void TQelScrollerH::resizeEvent(QResizeEvent*) {
    layoutParts();
}

void TQelScrollerH::layoutParts() {
    const int w = width();
    const int h = height();
    if (Kind() == Qt::Horizontal) {
        buttonUp_->setGeometry(1, 1, ArrowLength, h - 2);
        buttonDown_->setGeometry(w - ArrowLength - 1, 1, ArrowLength, h - 2);
        scroller()->setGeometry(TrackInset, 0, w - 2 * TrackInset, h);
    } else {
        buttonUp_->setGeometry(1, 1, w - 2, ArrowLength);
        buttonDown_->setGeometry(1, h - ArrowLength - 1, w - 2, ArrowLength);
        scroller()->setGeometry(0, TrackInset, w, h - 2 * TrackInset);
    }
}

void TQelScrollerH::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColorBand().darker(160));
}

void TQelScrollerH::bandColorChanged() {
    const QColor arrowColor = ColorBand().lighter(130);
    buttonUp_->setColor(arrowColor);
    buttonDown_->setColor(arrowColor);
}

void TQelScrollerH::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        refreshThumbText();
    TQelScroller::changeEvent(event);
}

bool TQelScrollerH::arrowKey(int key) {
    long long step = 0;
    if (key == Qt::Key_Left || key == Qt::Key_Up)
        step = -SmallChange();
    else if (key == Qt::Key_Right || key == Qt::Key_Down)
        step = SmallChange();
    else
        return false;
    scroller()->changeByUser(Position() + step);
    emit(step < 0 ? OnClickBtnLT(this) : OnClickBtnRD(this));
    return true;
}

} // namespace kavrel::ui
