#include "ui/controls/scroller_parts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace kavrel::ui {

namespace {

// Light text on a dark thumb, dark text on a light one.
QColor captionColor(const QColor& background) {
    return background.lightness() < 140 ? QColor(235, 235, 235) : QColor(20, 20, 20);
}

} // namespace

TScrollerPart::TScrollerPart(QWidget* parent) : QWidget(parent) {}

void TScrollerPart::setKind(Qt::Orientation kind) {
    kind_ = kind;
    update();
}

void TScrollerPart::setColor(const QColor& color) {
    color_ = color;
    update();
}

void TScrollerPart::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TScrollerPart::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint(), event->globalPosition().toPoint());
}

void TScrollerPart::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->buttons(), event->position().toPoint(), event->globalPosition().toPoint());
}

void TScrollerPart::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button(), event->position().toPoint());
}

void TTraka::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (color().isValid())
        painter.fillRect(rect(), color());
    if (picture().isNull())
        return;
    if (kind() == Qt::Vertical) {
        const int w = picture().width();
        painter.drawImage(QRect((width() - w) / 2, 0, w, height()), picture());
    } else {
        const int h = picture().height();
        painter.drawImage(QRect(0, (height() - h) / 2, width(), h), picture());
    }
}

void TSetac::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

void TSetac::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture().isNull()) {
        const bool vertical = kind() == Qt::Vertical;
        const int pictureLength = vertical ? picture().height() : picture().width();
        const int length = vertical ? height() : width();
        const int cap = std::min({pictureLength / 2, length / 2, 8});
        const int thickness = vertical ? picture().width() : picture().height();
        auto part = [&](int start, int size) {
            return vertical ? QRect(0, start, thickness, size) : QRect(start, 0, size, thickness);
        };
        painter.drawImage(part(0, cap), picture(), part(0, cap));
        painter.drawImage(part(cap, length - 2 * cap), picture(), part(cap, pictureLength - 2 * cap));
        painter.drawImage(part(length - cap, cap), picture(), part(pictureLength - cap, cap));
        return;
    }
    QLinearGradient shade(rect().topLeft(),
                          kind() == Qt::Horizontal ? rect().bottomLeft() : rect().topRight());
    shade.setColorAt(0, color().lighter(135));
    shade.setColorAt(1, color().darker(115));
    painter.fillRect(rect(), shade);
    if (caption_.isEmpty())
        return;
    // The largest size up to 11 pixels at which the text fits the thumb.
    QFont font = painter.font();
    for (int size = std::clamp(std::min(width(), height()) - 4, 6, 11); size >= 6; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(caption_) <= std::max(width(), height()) - 6)
            break;
    }
    painter.setFont(font);
    painter.setPen(captionColor(color()));
    painter.drawText(rect(), Qt::AlignCenter, caption_);
}

TScrollerArrow::TScrollerArrow(bool towardsStart, QWidget* parent)
    : TScrollerPart(parent), towardsStart_(towardsStart) {}

void TScrollerArrow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), color());
    const QPoint c = rect().center();
    const int r = std::max(1, std::min({width(), height()}) / 4);
    QPolygon glyph;
    if (kind() == Qt::Horizontal) {
        const int tip = towardsStart_ ? -r : r;
        glyph << QPoint(c.x() + tip, c.y()) << QPoint(c.x() - tip, c.y() - r)
              << QPoint(c.x() - tip, c.y() + r);
    } else {
        const int tip = towardsStart_ ? -r : r;
        glyph << QPoint(c.x(), c.y() + tip) << QPoint(c.x() - r, c.y() - tip)
              << QPoint(c.x() + r, c.y() - tip);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(captionColor(color()));
    painter.drawPolygon(glyph);
}

} // namespace kavrel::ui
