#include "ui/windows/main/list_wheel.h"

#include "ui/controls/qel_scroller_vr.h"
#include "ui/controls/row_hint_popup.h"

#include <QAbstractScrollArea>
#include <QWheelEvent>
#include <algorithm>

namespace kavrel::ui {

namespace {

constexpr int kRowsPerNotch = 7;
constexpr int kNotch = 120;

} // namespace

int wheelPosition(int position, int maximum, int notches) {
    return std::clamp(position - notches * kRowsPerNotch, 0, std::max(maximum, 0));
}

ListWheel::ListWheel(QAbstractScrollArea& list, TQelScrollerVr& bar, std::function<void(int)> scrollList)
    : QObject(&list), viewport_(*list.viewport()), bar_(bar), scrollList_(std::move(scrollList)) {
    viewport_.installEventFilter(this);
}

bool ListWheel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    pending_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
    const int notches = pending_ / kNotch;
    pending_ %= kNotch;
    if (notches != 0) {
        // The list stops at its last full page; the scroller may stand at its maximum, a row further.
        const int position = wheelPosition(bar_.Position(), bar_.Max(), notches);
        scrollList_(position);
        bar_.setPosition(position);
    }
    // The wheel stops here, before the hint's own watch sees it.
    for (RowHintPopup* hint : viewport_.findChildren<RowHintPopup*>(Qt::FindDirectChildrenOnly))
        hint->cancel();
    return true;
}

} // namespace kavrel::ui
