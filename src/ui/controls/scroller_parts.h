#pragma once
// The visible parts of a scroller. They draw themselves and report the mouse; the value and its rules
// live in TScroller. A part with a picture draws the picture, otherwise it draws a coloured panel.
#include <QImage>
#include <QString>
#include <QWidget>

namespace kavrel::ui {

// Mouse reports shared by the track, the thumb and the arrows; positions are in the part's coordinates.
class TScrollerPart : public QWidget {
    Q_OBJECT
public:
    explicit TScrollerPart(QWidget* parent);

    void setKind(Qt::Orientation kind);
    Qt::Orientation kind() const { return kind_; }
    void setColor(const QColor& color);
    const QColor& color() const { return color_; }
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

signals:
    void pressed(Qt::MouseButton button, QPoint position, QPoint globalPosition);
    void moved(Qt::MouseButtons buttons, QPoint position, QPoint globalPosition);
    void released(Qt::MouseButton button, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::Orientation kind_ = Qt::Horizontal;
    QColor color_;
    QImage picture_;
};

// The track: its picture is stretched along the track at its own thickness, centred across it.
class TTraka : public TScrollerPart {
    Q_OBJECT
public:
    using TScrollerPart::TScrollerPart;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The thumb: a picture keeps its end caps and stretches its middle to the thumb length (at the picture's
// own length it is drawn as it is); a panel thumb may carry a caption.
class TSetac : public TScrollerPart {
    Q_OBJECT
public:
    using TScrollerPart::TScrollerPart;

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// An arrow button at one end of a horizontal scroller; the glyph points away from the track.
class TScrollerArrow : public TScrollerPart {
    Q_OBJECT
public:
    TScrollerArrow(bool towardsStart, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool towardsStart_;
};

// The left or top arrow.
class TButtonUp : public TScrollerArrow {
    Q_OBJECT
public:
    explicit TButtonUp(QWidget* parent) : TScrollerArrow(true, parent) {}
};

// The right or bottom arrow.
class TButtonDown : public TScrollerArrow {
    Q_OBJECT
public:
    explicit TButtonDown(QWidget* parent) : TScrollerArrow(false, parent) {}
};

} // namespace kavrel::ui
