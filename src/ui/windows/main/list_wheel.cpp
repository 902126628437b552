#include "ui/windows/main/list_wheel.h"

#include "ui/controls/c_list_box.h"

#include <QWheelEvent>
#include <algorithm>

namespace kavrel::ui {

namespace {

constexpr int kRowsPerNotch = 7;
constexpr int kNotch = 120;

} // namespace

int wheelTopRow(int top, int count, int visibleRows, bool down) {
    if (!down)
        return top < kRowsPerNotch ? 0 : top - kRowsPerNotch;
    const int lastPage = std::max(0, count - visibleRows);
    return std::min(top + kRowsPerNotch, std::max(lastPage, top));
}

ListWheel::ListWheel(TCListBox& list) : QObject(&list), list_(list) {
    list.viewport()->installEventFilter(this);
}

bool ListWheel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    pending_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
    const int visible = list_.viewport()->height() / TCListBox::RowHeight;
    for (; pending_ >= kNotch; pending_ -= kNotch)
        list_.setTopIndex(wheelTopRow(list_.topIndex(), list_.count(), visible, false));
    for (; pending_ <= -kNotch; pending_ += kNotch)
        list_.setTopIndex(wheelTopRow(list_.topIndex(), list_.count(), visible, true));
    return true;
}

} // namespace kavrel::ui
