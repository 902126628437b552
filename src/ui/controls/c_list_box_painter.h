#pragma once
// Draws the rows of a TCListBox: plain rows at the row's top-left corner, the marked row in its colour
// (white when also selected) with the state picture two pixels in and the text after it. Lists without a
// marked row (TCListView) draw every row plain.
#include <QAbstractItemDelegate>
#include <QAbstractItemView>

namespace kavrel::ui {

class TCListBox;

class CListBoxPainter : public QAbstractItemDelegate {
public:
    explicit CListBoxPainter(TCListBox* list);
    explicit CListBoxPainter(QAbstractItemView* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QAbstractItemView* list_;
    TCListBox* marking_ = nullptr; // the list that keeps the marked row, when it has one
};

} // namespace kavrel::ui
