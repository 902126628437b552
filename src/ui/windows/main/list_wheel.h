#pragma once
// The wheel over a list: seven rows a notch, stopping at the last page going down and at the top going
// up; the scroller beside the list follows the list. Main thread only.
#include <QObject>

namespace kavrel::ui {

class TCListBox;

// The top row after one notch from `top`: down by 7, or to the last page when fewer than 7 rows remain
// below it; up by 7, or to the top when fewer than 7 rows are above it.
int wheelTopRow(int top, int count, int visibleRows, bool down);

class ListWheel final : public QObject {
public:
    // Watches `list`'s viewport; `list` outlives the filter (it is its parent).
    explicit ListWheel(TCListBox& list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TCListBox& list_;
    int pending_ = 0; // eighths of a degree not yet a whole notch (fine-grained wheels and touch pads)
};

} // namespace kavrel::ui
