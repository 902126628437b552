#include "ui/controls/row_hint_popup.h"

namespace kavrel::ui {

RowHintPopup::RowHintPopup(QAbstractItemView& list)
    : list_(list),
      tip_(new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput)) {
    tip_->setAttribute(Qt::WA_TransparentForMouseEvents);
    tip_->setAttribute(Qt::WA_ShowWithoutActivating);
    tip_->setForegroundRole(QPalette::ToolTipText);
    tip_->setBackgroundRole(QPalette::ToolTipBase);
    tip_->setAutoFillBackground(true);
    tip_->setFrameShape(QFrame::Box);
    tip_->setMargin(1);
    tip_->setObjectName(list.objectName() + QStringLiteral("Hint"));
    pause_.setSingleShot(true);
    pause_.setInterval(HintPauseMs);
    hidePause_.setSingleShot(true);
    hidePause_.setInterval(HintHidePauseMs);
    connect(&pause_, &QTimer::timeout, this, &RowHintPopup::appear);
    connect(&hidePause_, &QTimer::timeout, this, &RowHintPopup::cancel);
}

RowHintPopup::~RowHintPopup() {
    delete tip_;
}

void RowHintPopup::show(const QString& text, int row) {
    cancel();
    if (text.isEmpty())
        return;
    tip_->setText(text);
    row_ = row;
    pause_.start();
}

void RowHintPopup::cancel() {
    pause_.stop();
    hidePause_.stop();
    tip_->hide();
}

void RowHintPopup::appear() {
    // Placed now, not when asked for: the list may have scrolled in between.
    const QModelIndex index = list_.model()->index(row_, 0);
    const QRect row = list_.visualRect(index);
    if (!index.isValid() || !list_.isVisible())
        return;
    const QPoint rowTop = list_.viewport()->mapTo(&list_, row.topLeft());
    tip_->adjustSize();
    tip_->move(list_.mapToGlobal(QPoint(-1, rowTop.y() - 3)));
    tip_->show();
    hidePause_.start();
}

} // namespace kavrel::ui
