#include "ui/windows/main/skin_piece.h"

#include "ui/controls/skin_palette.h"

#include <QPainter>
#include <algorithm>

namespace kavrel::ui {

namespace {

// Neighbouring frame pieces meet without a seam, so the frame has no outline of its own.
void paintFrame(QPainter& painter, const QRect& area) {
    QLinearGradient shade(0, 0, 0, area.height());
    shade.setColorAt(0, palette::frame.lighter(135));
    shade.setColorAt(1, palette::frame);
    painter.fillRect(area, shade);
}

void paintCaption(QPainter& painter, const QRect& area, const QString& text, const QColor& ink) {
    QFont font = painter.font();
    font.setPixelSize(std::clamp(area.height() - 4, 8, 11));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(area, Qt::AlignCenter, text);
}

} // namespace

SkinPiece::SkinPiece(Look look, const QString& caption, QWidget* parent)
    : QWidget(parent), look_(look), caption_(caption) {}

void SkinPiece::setLitTab(int tab) {
    litTab_ = tab;
    update();
}

void SkinPiece::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    switch (look_) {
    case Look::Frame:
        paintFrame(painter, area);
        break;
    case Look::TabFrame:
        paintFrame(painter, area);
        painter.setPen(palette::edge.darker(140));
        painter.drawLine(area.bottomLeft(), area.bottomRight());
        break;
    case Look::Header:
        painter.fillRect(area, Qt::black);
        paintCaption(painter, area, caption_, palette::text);
        break;
    case Look::Strip:
        painter.fillRect(area, Qt::black);
        painter.fillRect(QRect(0, area.height() / 2 - 1, area.width(), 2), palette::accentDeep);
        break;
    case Look::SortBy: {
        painter.fillRect(area, Qt::black);
        paintCaption(painter, area.adjusted(0, 0, -10, 0), caption_, palette::glyph);
        const int x = area.right() - 7;
        const int y = area.height() / 2 - 1;
        painter.setPen(palette::accent);
        for (int row = 0; row < 3; ++row)
            painter.drawLine(x + row, y + row, x + 4 - row, y + row);
        break;
    }
    case Look::Tabs: {
        paintFrame(painter, area);
        painter.setPen(palette::edge);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        const QStringList names = caption_.split(' ');
        const int width = area.width() / std::max<int>(1, int(names.size()));
        for (int i = 0; i < names.size(); ++i)
            paintCaption(painter, QRect(i * width, 0, width, area.height()), names[i],
                         i == litTab_ ? palette::accent : palette::glyph);
        break;
    }
    }
}

} // namespace kavrel::ui
