#pragma once
// What the horizontal and the vertical scroller share: the value properties (held by the inner
// TScroller), the keys, the tooltip's second line, the shared MouseUpm flag and the notifications.
#include "ui/controls/scroller.h"

#include <QFrame>
#include <QString>

namespace kavrel::ui {

class TQelScroller : public QFrame {
    Q_OBJECT
public:
    int Min() const { return scroller_->Min(); }
    int Max() const { return scroller_->Max(); }
    int Position() const { return scroller_->Position(); }
    void setMin(int min) { scroller_->setMin(min); }
    void setMax(int max) { scroller_->setMax(max); }
    // From code: never raises OnChange.
    void setPosition(int position) { scroller_->setPosition(position); }

    std::int16_t SmallChange() const { return scroller_->SmallChange(); }
    void setSmallChange(std::int16_t step) { scroller_->setSmallChange(step); }
    std::int16_t LargeChange() const { return scroller_->LargeChange(); }
    void setLargeChange(std::int16_t step) { scroller_->setLargeChange(step); }
    int ThumbSize() const { return scroller_->ThumbSize(); }
    void setThumbSize(int size) { scroller_->setThumbSize(size); }
    Qt::Orientation Kind() const { return scroller_->Kind(); }
    virtual void setKind(Qt::Orientation kind);

    QColor ColorThumb() const;
    void setColorThumb(const QColor& color);
    QColor ColorBand() const;
    void setColorBand(const QColor& color);

    // A non-empty text set while the tooltip is not empty becomes the tooltip's second line.
    const QString& HintSecondLine() const { return hintSecondLine_; }
    void setHintSecondLine(const QString& text);

    bool MouseUpm() const;
    void setMouseUpm(bool held);
    void setMouseState(ScrollerMouseState* state) { scroller_->setMouseState(state); }

    static QString Version();

    TScroller* scroller() const { return scroller_; }

signals:
    void OnChange(QObject* sender, int position);
    void OnMouseEnter(QObject* sender);
    void OnMouseExit(QObject* sender);
    // A mouse button released on the thumb, the track or an arrow.
    void OnMouseUp(QObject* sender, Qt::MouseButton button);

protected:
    TQelScroller(TScroller::TrackPress trackPress, QWidget* parent);

    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // The horizontal scroller takes the arrow keys as its arrow buttons.
    virtual bool arrowKey(int key);
    virtual void bandColorChanged() {}

private:
    TScroller* scroller_;
    QString hintSecondLine_;
};

} // namespace kavrel::ui
