#pragma once
// Draws the rows of a TCListBox: plain rows at the row's top-left corner, the marked row in its colour
// (white when also selected) with the state picture two pixels in and the text after it.
#include <QAbstractItemDelegate>

namespace kavrel::ui {

class TCListBox;

class CListBoxPainter : public QAbstractItemDelegate {
public:
    explicit CListBoxPainter(TCListBox* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TCListBox* list_;
};

} // namespace kavrel::ui
