#pragma once
// A hint shown at an exact place (over a list row) after the hint pause, and hidden after the hint hide
// pause, as the player's hints are timed. It never takes the pointer or the focus, so the list under it
// keeps receiving the mouse. Main thread only.
#include <QLabel>
#include <QTimer>

namespace kavrel::ui {

class RowHintPopup final : public QLabel {
    Q_OBJECT
public:
    static constexpr int HintPauseMs = 1000;
    static constexpr int HintHidePauseMs = 10000;

    // A press, the wheel or the pointer leaving `owner` cancels the hint.
    explicit RowHintPopup(QWidget* owner);

    // Shows `text` with its top-left corner at `globalTopLeft` once the pointer has rested for the hint
    // pause (at once while another hint is up); an empty text cancels the hint.
    void request(const QString& text, QPoint globalTopLeft);
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPending();

    QTimer pause_;
    QTimer hidePause_;
    QPoint place_;
};

// Whether the pointer is over `widget` now (a leave event may come while it still is).
bool pointerIsOver(const QWidget& widget);

} // namespace kavrel::ui
