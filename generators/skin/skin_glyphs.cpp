#include "skin_glyphs.h"

#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace kavrel::skin_art {

namespace {

// A point of the box in fractions of its width and height.
QPointF at(const QRectF& box, double x, double y) {
    return {box.left() + x * box.width(), box.top() + y * box.height()};
}

QRectF part(const QRectF& box, double x, double y, double w, double h) {
    return {at(box, x, y), QSizeF(w * box.width(), h * box.height())};
}

void fill(QPainter& painter, const QPainterPath& path, const QColor& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(path);
}

void polygon(QPainter& painter, const QRectF& box, const QColor& ink, std::initializer_list<QPointF> points) {
    QPolygonF shape;
    for (const QPointF& p : points)
        shape << at(box, p.x(), p.y());
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    fill(painter, path, ink);
}

QPen strokeOf(const QRectF& box, const QColor& ink, double fraction) {
    QPen pen(ink, std::max(1.0, fraction * std::min(box.width(), box.height())));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void arrowHead(QPainter& painter, QPointF tip, double angleDegrees, double length, const QColor& ink) {
    const double a = angleDegrees * std::numbers::pi / 180;
    const QPointF back(-std::cos(a) * length, std::sin(a) * length);
    const QPointF side(std::sin(a) * length * 0.6, std::cos(a) * length * 0.6);
    QPainterPath path;
    path.addPolygon(QPolygonF({tip, tip + back + side, tip + back - side}));
    path.closeSubpath();
    fill(painter, path, ink);
}

} // namespace

void glyphPlay(QPainter& p, const QRectF& b, const QColor& ink) {
    polygon(p, b, ink, {{0.25, 0.12}, {0.9, 0.5}, {0.25, 0.88}});
}

void glyphPause(QPainter& p, const QRectF& b, const QColor& ink) {
    p.fillRect(part(b, 0.2, 0.15, 0.22, 0.7), ink);
    p.fillRect(part(b, 0.58, 0.15, 0.22, 0.7), ink);
}

void glyphStop(QPainter& p, const QRectF& b, const QColor& ink) {
    QPainterPath path;
    path.addRoundedRect(part(b, 0.18, 0.18, 0.64, 0.64), b.width() * 0.08, b.width() * 0.08);
    fill(p, path, ink);
}

void glyphPrevious(QPainter& p, const QRectF& b, const QColor& ink) {
    p.fillRect(part(b, 0.12, 0.18, 0.14, 0.64), ink);
    polygon(p, b, ink, {{0.88, 0.18}, {0.3, 0.5}, {0.88, 0.82}});
}

void glyphNext(QPainter& p, const QRectF& b, const QColor& ink) {
    polygon(p, b, ink, {{0.12, 0.18}, {0.7, 0.5}, {0.12, 0.82}});
    p.fillRect(part(b, 0.74, 0.18, 0.14, 0.64), ink);
}

void glyphArrowLeft(QPainter& p, const QRectF& b, const QColor& ink) {
    polygon(p, b, ink, {{0.85, 0.25}, {0.15, 0.5}, {0.85, 0.75}});
}

void glyphArrowRight(QPainter& p, const QRectF& b, const QColor& ink) {
    polygon(p, b, ink, {{0.15, 0.25}, {0.85, 0.5}, {0.15, 0.75}});
}

void glyphAnalyser(QPainter& p, const QRectF& b, const QColor& ink) {
    const double heights[] = {0.45, 0.8, 0.6, 0.95};
    for (int i = 0; i < 4; ++i)
        p.fillRect(part(b, 0.08 + i * 0.23, 0.95 - heights[i], 0.16, heights[i]), ink);
}

void glyphVisualization(QPainter& p, const QRectF& b, const QColor& ink) {
    QPainterPath wave;
    wave.moveTo(at(b, 0.05, 0.5));
    for (int i = 1; i <= 40; ++i) {
        const double x = 0.05 + 0.9 * i / 40;
        wave.lineTo(at(b, x, 0.5 - 0.32 * std::sin((x - 0.05) * 2 * std::numbers::pi / 0.9 * 1.5)));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(strokeOf(b, ink, 0.13));
    p.drawPath(wave);
}

void glyphSearch(QPainter& p, const QRectF& b, const QColor& ink) {
    p.setBrush(Qt::NoBrush);
    p.setPen(strokeOf(b, ink, 0.14));
    p.drawEllipse(part(b, 0.12, 0.08, 0.56, 0.56));
    p.drawLine(at(b, 0.62, 0.6), at(b, 0.88, 0.88));
}

void glyphRepeat(QPainter& p, const QRectF& b, const QColor& ink) {
    p.setBrush(Qt::NoBrush);
    p.setPen(strokeOf(b, ink, 0.13));
    const QRectF ring = part(b, 0.12, 0.15, 0.76, 0.7);
    p.drawArc(ring, 100 * 16, 250 * 16);
    arrowHead(p, at(b, 0.5, 0.15), 0, 0.3 * b.width(), ink);
}

void glyphUndo(QPainter& p, const QRectF& b, const QColor& ink) {
    p.setBrush(Qt::NoBrush);
    p.setPen(strokeOf(b, ink, 0.13));
    QPainterPath curve;
    curve.moveTo(at(b, 0.3, 0.35));
    curve.lineTo(at(b, 0.6, 0.35));
    curve.cubicTo(at(b, 0.95, 0.35), at(b, 0.95, 0.85), at(b, 0.55, 0.85));
    p.drawPath(curve);
    arrowHead(p, at(b, 0.08, 0.35), 180, 0.3 * b.width(), ink);
}

void glyphShuffle(QPainter& p, const QRectF& b, const QColor& ink) {
    p.setBrush(Qt::NoBrush);
    p.setPen(strokeOf(b, ink, 0.11));
    QPainterPath a;
    a.moveTo(at(b, 0.05, 0.25));
    a.cubicTo(at(b, 0.45, 0.25), at(b, 0.45, 0.75), at(b, 0.75, 0.75));
    QPainterPath c;
    c.moveTo(at(b, 0.05, 0.75));
    c.cubicTo(at(b, 0.45, 0.75), at(b, 0.45, 0.25), at(b, 0.75, 0.25));
    p.drawPath(a);
    p.drawPath(c);
    arrowHead(p, at(b, 0.97, 0.25), 0, 0.26 * b.width(), ink);
    arrowHead(p, at(b, 0.97, 0.75), 0, 0.26 * b.width(), ink);
}

void glyphHelp(QPainter& p, const QRectF& b, const QColor& ink) {
    p.setBrush(Qt::NoBrush);
    p.setPen(strokeOf(b, ink, 0.14));
    QPainterPath hook;
    hook.moveTo(at(b, 0.28, 0.32));
    hook.cubicTo(at(b, 0.28, 0.02), at(b, 0.76, 0.02), at(b, 0.74, 0.32));
    hook.cubicTo(at(b, 0.72, 0.5), at(b, 0.5, 0.48), at(b, 0.5, 0.64));
    p.drawPath(hook);
    QPainterPath dot;
    dot.addEllipse(at(b, 0.5, 0.88), b.width() * 0.09, b.width() * 0.09);
    fill(p, dot, ink);
}

void glyphEqualizer(QPainter& p, const QRectF& b, const QColor& ink) {
    const double knobs[] = {0.35, 0.7, 0.5};
    for (int i = 0; i < 3; ++i) {
        const double x = 0.2 + i * 0.3;
        p.fillRect(part(b, x - 0.04, 0.08, 0.08, 0.84), ink);
        p.fillRect(part(b, x - 0.13, knobs[i] - 0.07, 0.26, 0.14), ink);
    }
}

void glyphLibrary(QPainter& p, const QRectF& b, const QColor& ink) {
    p.fillRect(part(b, 0.08, 0.15, 0.18, 0.75), ink);
    p.fillRect(part(b, 0.32, 0.08, 0.18, 0.82), ink);
    polygon(p, b, ink, {{0.56, 0.2}, {0.72, 0.14}, {0.95, 0.84}, {0.79, 0.9}});
}

void glyphPreferences(QPainter& p, const QRectF& b, const QColor& ink) {
    QPainterPath gear;
    const QPointF centre = at(b, 0.5, 0.5);
    const double outer = 0.46 * b.width();
    const double inner = 0.34 * b.width();
    for (int i = 0; i < 32; ++i) {
        const double angle = i * 2 * std::numbers::pi / 32;
        const double r = (i / 2) % 2 == 0 ? outer : inner;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        i == 0 ? gear.moveTo(point) : gear.lineTo(point);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, 0.14 * b.width(), 0.14 * b.width());
    gear.setFillRule(Qt::OddEvenFill);
    fill(p, gear, ink);
}

void glyphClose(QPainter& p, const QRectF& b, const QColor& ink) {
    p.setPen(strokeOf(b, ink, 0.16));
    p.drawLine(at(b, 0.2, 0.2), at(b, 0.8, 0.8));
    p.drawLine(at(b, 0.8, 0.2), at(b, 0.2, 0.8));
}

void glyphMinimize(QPainter& p, const QRectF& b, const QColor& ink) {
    p.fillRect(part(b, 0.2, 0.68, 0.6, 0.16), ink);
}

void glyphMiniPanel(QPainter& p, const QRectF& b, const QColor& ink) {
    p.setBrush(Qt::NoBrush);
    p.setPen(strokeOf(b, ink, 0.12));
    p.drawRect(part(b, 0.14, 0.36, 0.72, 0.3));
}

void glyphTray(QPainter& p, const QRectF& b, const QColor& ink) {
    p.fillRect(part(b, 0.15, 0.78, 0.7, 0.12), ink);
    p.fillRect(part(b, 0.43, 0.12, 0.14, 0.4), ink);
    polygon(p, b, ink, {{0.25, 0.45}, {0.75, 0.45}, {0.5, 0.7}});
}

void glyphFullScreen(QPainter& p, const QRectF& b, const QColor& ink) {
    p.setBrush(Qt::NoBrush);
    p.setPen(strokeOf(b, ink, 0.12));
    const double lo = 0.18, hi = 0.82, len = 0.24;
    for (const auto& [x, y, dx, dy] :
         {std::array<double, 4>{lo, lo, 1, 1}, {hi, lo, -1, 1}, {lo, hi, 1, -1}, {hi, hi, -1, -1}}) {
        p.drawLine(at(b, x, y), at(b, x + dx * len, y));
        p.drawLine(at(b, x, y), at(b, x, y + dy * len));
    }
}

void glyphMark(QPainter& p, const QRectF& b, const QColor& ink) {
    p.setBrush(Qt::NoBrush);
    p.setPen(strokeOf(b, ink, 0.12));
    p.drawLine(at(b, 0.22, 0.15), at(b, 0.22, 0.85));
    p.drawLine(at(b, 0.78, 0.15), at(b, 0.78, 0.85));
    p.setPen(QPen(ink, std::max(1.0, 0.08 * b.width()), Qt::DotLine));
    p.drawLine(at(b, 0.22, 0.5), at(b, 0.78, 0.5));
}

void glyphSleep(QPainter& p, const QRectF& b, const QColor& ink) {
    QPainterPath moon;
    moon.addEllipse(part(b, 0.12, 0.12, 0.76, 0.76));
    QPainterPath bite;
    bite.addEllipse(part(b, 0.36, 0.02, 0.7, 0.7));
    fill(p, moon.subtracted(bite), ink);
}

void glyphPlaylist(QPainter& p, const QRectF& b, const QColor& ink) {
    for (int i = 0; i < 3; ++i) {
        p.fillRect(part(b, 0.08, 0.18 + i * 0.28, 0.12, 0.12), ink);
        p.fillRect(part(b, 0.28, 0.18 + i * 0.28, 0.64, 0.12), ink);
    }
}

} // namespace kavrel::skin_art
