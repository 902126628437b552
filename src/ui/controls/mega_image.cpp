#include "ui/controls/mega_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace kavrel::ui {

TMegaImage::TMegaImage(QWidget* parent) : QWidget(parent) {}

void TMegaImage::setSlot(int slot, const QImage& picture) {
    if (slot >= 1 && slot <= SlotCount)
        slots_[static_cast<std::size_t>(slot - 1)] = picture;
}

QImage TMegaImage::slot(int slot) const {
    return hasSlot(slot) ? slots_[static_cast<std::size_t>(slot - 1)] : QImage();
}

bool TMegaImage::hasSlot(int slot) const {
    return slot >= 1 && slot <= SlotCount && !slots_[static_cast<std::size_t>(slot - 1)].isNull();
}

bool TMegaImage::showSlot(int slot) {
    if (!hasSlot(slot))
        return false;
    setPicture(slots_[static_cast<std::size_t>(slot - 1)]);
    return true;
}

void TMegaImage::setPicture(const QImage& picture) {
    picture_ = picture;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
    updateGeometry();
    update();
}

void TMegaImage::setAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
}

QSize TMegaImage::sizeHint() const {
    return picture_.isNull() ? QWidget::sizeHint() : picture_.size();
}

void TMegaImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (autoSize_)
        painter.drawImage(QPoint(0, 0), picture_);
    else
        painter.drawImage(rect(), picture_);
}

void TMegaImage::swapTo(int slot) {
    if (changePictures_)
        showSlot(slot);
}

bool TMegaImage::containsInclusive(QPoint position) const {
    return position.x() >= 0 && position.x() <= width() && position.y() >= 0 && position.y() <= height();
}

void TMegaImage::enterEvent(QEnterEvent* event) {
    releasedOutside_ = false;
    swapTo(addToNom_ + 2);
    emit OnMouseEnter(this);
    QWidget::enterEvent(event);
}

void TMegaImage::leaveEvent(QEvent* event) {
    if (releasedOutside_) {
        releasedOutside_ = false;
        return;
    }
    swapTo(addToNom_ + nomPicRealVid_);
    emit OnMouseExit(this);
    QWidget::leaveEvent(event);
}

void TMegaImage::mousePressEvent(QMouseEvent* event) {
    swapTo(addToNom_ + 3);
    emit mousePressed(event->button(), event->position().toPoint());
}

void TMegaImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    const bool inside = containsInclusive(position);
    releasedOutside_ = !inside;
    // Slot 1 of the set, not the rest slot: a toggle that is on shows its off picture until the pointer
    // next passes over it.
    swapTo(addToNom_ + (inside ? 2 : 1));
    emit mouseReleased(event->button(), position);
    if (inside && event->button() == Qt::LeftButton)
        emit clicked();
}

} // namespace kavrel::ui
