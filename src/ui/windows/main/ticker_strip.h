#pragma once
// The scrolling title (Label3): every tick of its 20 ms timer (Timer2) the text moves one pixel to the
// left, and once it has passed completely it comes in again from the right edge. The timer runs while the
// strip shows, so of the main window's and the mini player's strips only the visible one scrolls.
#include <QColor>
#include <QTimer>
#include <QWidget>

namespace kavrel::ui {

class TickerStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 20;

    explicit TickerStrip(QWidget* parent);

    void setText(const QString& text);
    // White on 6446516 unless a window sets its own look.
    void setColours(const QColor& ink, const QColor& ground);
    const QString& text() const { return text_; }
    // The pixel width of the text in the ticker's font, and where it is drawn now.
    int textWidth() const { return textWidth_; }
    int offset() const { return offset_; }
    // One step of the scroll, as a tick of the timer makes it.
    void step();

    QTimer Timer2;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString text_;
    QColor ink_;
    QColor ground_;
    int textWidth_ = 0;
    int offset_ = 0;
};

} // namespace kavrel::ui
