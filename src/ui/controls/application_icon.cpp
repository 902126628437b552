#include "ui/controls/application_icon.h"

#include "ui/controls/skin_palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kavrel::ui {

// A dark rounded tile with a rose ring and a light play triangle; everything is a fraction of the size so
// every size is the same picture.
QImage drawApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient face(tile.topLeft(), tile.bottomLeft());
    face.setColorAt(0, palette::faceTop);
    face.setColorAt(1, palette::faceBottom);
    painter.setPen(QPen(palette::edge, qMax(1.0, s * 0.02)));
    painter.setBrush(face);
    painter.drawRoundedRect(tile, s * 0.2, s * 0.2);

    const QPointF centre(s * 0.5, s * 0.5);
    painter.setPen(QPen(palette::accent, s * 0.09));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, s * 0.3, s * 0.3);

    QPainterPath triangle;
    triangle.moveTo(s * 0.42, s * 0.36);
    triangle.lineTo(s * 0.64, s * 0.5);
    triangle.lineTo(s * 0.42, s * 0.64);
    triangle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::glyph);
    painter.drawPath(triangle);
    return image;
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(drawApplicationIcon(size)));
    return icon;
}

} // namespace kavrel::ui
