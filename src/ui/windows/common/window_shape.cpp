#include "ui/windows/common/window_shape.h"

#include <QPainterPath>
#include <QPalette>
#include <QWidget>
#include <QWindow>

namespace kavrel::ui {

QRegion roundedRegion(const QRect& clip, int cornerEllipse) {
    QPainterPath path;
    const double radius = cornerEllipse / 2.0;
    path.addRoundedRect(QRectF(clip), radius, radius);
    return QRegion(path.toFillPolygon().toPolygon());
}

void setColors(QWidget& widget, const QColor& ink, const QColor& ground) {
    QPalette colors = widget.palette();
    colors.setColor(QPalette::Window, ground);
    colors.setColor(QPalette::WindowText, ink);
    colors.setColor(QPalette::Base, ground);
    colors.setColor(QPalette::Text, ink);
    widget.setPalette(colors);
    widget.setAutoFillBackground(true);
}

void startSystemMove(QWidget& widget) {
    if (QWindow* window = widget.window()->windowHandle())
        window->startSystemMove();
}

void makeTopMostTool(QWidget& window) {
    window.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
}

void reassertTopMost(QWidget& window) {
    if (window.isVisible())
        window.raise();
}

} // namespace kavrel::ui
