#pragma once
// The wheel over a list of the main window: seven rows a notch, the list and the scroller beside it moved
// together, from the scroller's place and within 0..its maximum. A row hint over the list goes, since the
// rows under the pointer have moved. Main thread only.
#include <QObject>
#include <functional>

class QAbstractScrollArea;

namespace kavrel::ui {

class TQelScrollerVr;

// The scroller position after `notches` (positive: up, as the wheel reports them) from `position`: up to
// the top when fewer than seven rows are above, down to `maximum` when fewer than seven remain below.
int wheelPosition(int position, int maximum, int notches);

class ListWheel final : public QObject {
public:
    // Watches `list`'s viewport; the list and the scroller outlive the filter (the list is its parent).
    template <class List>
    ListWheel(List& list, TQelScrollerVr& bar)
        : ListWheel(list, bar, [&list](int top) { list.setTopIndex(top); }) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ListWheel(QAbstractScrollArea& list, TQelScrollerVr& bar, std::function<void(int)> scrollList);

    QWidget& viewport_;
    TQelScrollerVr& bar_;
    std::function<void(int)> scrollList_;
    int pending_ = 0; // eighths of a degree not yet a whole notch (fine-grained wheels and touch pads)
};

} // namespace kavrel::ui
