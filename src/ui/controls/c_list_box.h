#pragma once
// The list of every panel of the player: rows of 16 pixels, never a scroll bar of its own (a scroller
// beside it scrolls it), and one marked row drawn in its own colour, with a play or pause mark before the
// text when its state is "Play" or "Pause".
#include <QImage>
#include <QListWidget>

namespace kavrel::ui {

class TCListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int RowHeight = 16;
    static constexpr int NoMarkedRow = -2;

    explicit TCListBox(QWidget* parent = nullptr);

    // Marks a row (0-based, NoMarkedRow for none) with its font colour, its state text ("Play", "Pause"
    // or empty) and a value kept with the mark; the list redraws on its next paint.
    void SetItemFont(int row, const QColor& color, const QString& state, int extra);
    int markedRow() const { return markedRow_; }
    const QColor& markedColor() const { return markedColor_; }
    const QString& markedState() const { return markedState_; }
    int markedExtra() const { return markedExtra_; }

    // Held for the window definitions; drawing does not use them.
    QColor LineColorSelected;
    QColor FontSelectedColor;
    int Encol = 0;

    // Pictures of the "Play" and "Pause" states; pure red (255, 0, 0) pixels are drawn as transparent.
    void setStatePictures(const QImage& play, const QImage& pause);
    const QImage& statePicture(const QString& state) const;

    // The row shown at the top, as the scroller beside the list sees it.
    int topIndex() const;
    void setTopIndex(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int markedRow_ = NoMarkedRow;
    QColor markedColor_{255, 0, 0};
    QString markedState_;
    int markedExtra_ = 0;
    QImage playPicture_;
    QImage pausePicture_;
};

} // namespace kavrel::ui
