#pragma once
// The hint over a row of a list: asked for, it appears after the hint pause, with its top-left corner
// one pixel left of the list and three pixels above the row's top edge, and goes after the hint hide
// pause or as soon as another is asked for. The pointer passes through it, so it never takes the
// pointer from the row it describes. Main thread.
#include <QAbstractItemView>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace kavrel::ui {

class RowHintPopup final : public QObject {
public:
    static constexpr int HintPauseMs = 1000;
    static constexpr int HintHidePauseMs = 10000;

    // `list` outlives the popup.
    explicit RowHintPopup(QAbstractItemView& list);
    ~RowHintPopup() override;

    // Cancels the shown hint; a non-empty text over 0-based `row` follows after the hint pause.
    void show(const QString& text, int row);
    void cancel();

    // What is on screen (or waiting): for the tests and the accessibility tree.
    const QLabel& tip() const { return *tip_; }
    bool waiting() const { return pause_.isActive(); }

private:
    void appear();

    QAbstractItemView& list_;
    QPointer<QLabel> tip_; // a window of its own, gone with the popup
    QTimer pause_;
    QTimer hidePause_;
    int row_ = -1;
};

} // namespace kavrel::ui
