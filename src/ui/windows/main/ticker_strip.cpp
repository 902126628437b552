#include "ui/windows/main/ticker_strip.h"

#include "ui/controls/skin_palette.h"

#include <QEvent>
#include <QPainter>

namespace kavrel::ui {

namespace {
// The title strip's look: Verdana 10 in white on 6446516.
constexpr std::uint32_t StripColour = 6446516;
} // namespace

TickerStrip::TickerStrip(QWidget* parent)
    : QWidget(parent), ink_(Qt::white), ground_(colorFromRgbValue(StripColour)) {
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(10);
    setFont(verdana);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Timer2.setInterval(IntervalMs);
    connect(&Timer2, &QTimer::timeout, this, &TickerStrip::step);
}

void TickerStrip::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    textWidth_ = fontMetrics().horizontalAdvance(text_);
    setAccessibleName(text_);
    update();
}

void TickerStrip::setColours(const QColor& ink, const QColor& ground) {
    ink_ = ink;
    ground_ = ground;
    update();
}

void TickerStrip::step() {
    --offset_;
    if (offset_ <= -textWidth_)
        offset_ = width();
    update();
}

void TickerStrip::paintEvent(QPaintEvent*) {
    // Qt paints into the window's back buffer and shows it in one copy, so the strip never flickers.
    QPainter painter(this);
    painter.fillRect(rect(), ground_);
    painter.setPen(ink_);
    painter.drawText(QRect(offset_, 0, textWidth_ + 1, height()), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

void TickerStrip::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        textWidth_ = fontMetrics().horizontalAdvance(text_);
    QWidget::changeEvent(event);
}

void TickerStrip::showEvent(QShowEvent* event) {
    Timer2.start();
    QWidget::showEvent(event);
}

void TickerStrip::hideEvent(QHideEvent* event) {
    Timer2.stop();
    QWidget::hideEvent(event);
}

} // namespace kavrel::ui
