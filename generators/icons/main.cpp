// Draws the application icon into a hicolor icon theme tree at the usual sizes:
//   kavrel-icon-generator OUT_FOLDER NAME  writes OUT_FOLDER/hicolor/<n>x<n>/apps/NAME.png
// It uses the skin's colours, so the menu entry looks like the player it opens.
#include "ui/controls/skin_palette.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// A dark rounded tile with a rose ring and a light play triangle; everything is a fraction of the size so
// every size is the same picture.
QImage drawIcon(int size) {
    namespace palette = kavrel::ui::palette;
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

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT_FOLDER ICON_NAME\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : kSizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !drawIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
