#pragma once
// An up-down beside a number edit: two small arrow buttons. It keeps a position within its range and
// reports clicks; its owner decides what a click does to the edit and sets the position.
#include <QWidget>

class QToolButton;

namespace kavrel::ui::preferences {

class TUpDown final : public QWidget {
    Q_OBJECT
public:
    TUpDown(QWidget* parent, int minimum, int maximum);

    int Position() const { return position_; }
    // Kept within the range.
    void setPosition(int position);
    // The arrow buttons, for keyboard users and tests.
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    // +1 for the upper arrow, -1 for the lower.
    void stepped(int direction);

private:
    int minimum_;
    int maximum_;
    int position_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace kavrel::ui::preferences
