#include "ui/controls/built_in_pictures.h"

#include "ui/controls/skin_palette.h"

#include <QPainter>
#include <QPainterPath>

namespace kavrel::ui {

namespace {

constexpr QRgb TransparentRed = 0xFFFF0000;

QImage blank(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

} // namespace

QImage builtInButtonPicture(QSize size) {
    QImage image = blank(size.width(), size.height(), palette::frame);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0, palette::faceTop);
    face.setColorAt(1, palette::faceBottom);
    painter.setBrush(face);
    painter.setPen(palette::edge);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0), 3, 3);
    return image;
}

QImage builtInPlayMark() {
    QImage image = blank(16, 17, QColor::fromRgb(TransparentRed));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0xd0, 0x60));
    painter.drawPolygon(QPolygon({QPoint(4, 3), QPoint(13, 8), QPoint(4, 13)}));
    return image;
}

QImage builtInPauseMark() {
    QImage image = blank(16, 17, QColor::fromRgb(TransparentRed));
    QPainter painter(&image);
    painter.fillRect(4, 3, 3, 11, QColor(0xe0, 0xb0, 0x30));
    painter.fillRect(9, 3, 3, 11, QColor(0xe0, 0xb0, 0x30));
    return image;
}

QImage builtInScrollTrack() {
    QImage image = blank(4, 15, palette::frame);
    QPainter painter(&image);
    painter.fillRect(1, 0, 2, 15, palette::faceTop);
    return image;
}

QImage builtInScrollThumb() {
    QImage image = blank(10, 63, palette::frame);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 10, 0);
    face.setColorAt(0, palette::edge);
    face.setColorAt(0.5, palette::glyph.darker(140));
    face.setColorAt(1, palette::edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(1, 0.5, 8, 62), 4, 4);
    painter.setPen(palette::frame);
    for (int y = 27; y <= 35; y += 4)
        painter.drawLine(3, y, 6, y);
    return image;
}

} // namespace kavrel::ui
