#include "ui/controls/c_list_box_painter.h"

#include "ui/controls/c_list_box.h"

#include <QPainter>

namespace kavrel::ui {

namespace {

// The standard list box writes its text two pixels in from the row's left edge.
constexpr int StandardTextIndent = 2;
constexpr int PictureIndent = 2;
constexpr int PictureTextGap = 3;

void writeText(QPainter& painter, const QRect& row, int left, const QColor& color, const QString& text) {
    painter.setPen(color);
    painter.drawText(QRect(left, row.top(), row.right() - left + 1, row.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

} // namespace

CListBoxPainter::CListBoxPainter(TCListBox* list)
    : QAbstractItemDelegate(list), list_(list), marking_(list) {}

CListBoxPainter::CListBoxPainter(QAbstractItemView* list) : QAbstractItemDelegate(list), list_(list) {}

void CListBoxPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QPalette& colors = list_->palette();
    const bool selected = option.state & QStyle::State_Selected;
    const QRect row = option.rect;
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->save();
    painter->setClipRect(row);
    painter->setFont(list_->font());
    painter->fillRect(row, selected ? colors.highlight() : colors.base());
    if (!marking_ || index.row() != marking_->markedRow()) {
        writeText(*painter, row, row.left(), (selected ? colors.highlightedText() : colors.text()).color(),
                  text);
        painter->restore();
        return;
    }
    const QColor color = selected ? QColor(Qt::white) : marking_->markedColor();
    const QImage& picture = marking_->statePicture(marking_->markedState());
    if (picture.isNull()) {
        writeText(*painter, row, row.left() + StandardTextIndent, color, text);
    } else {
        painter->drawImage(QPoint(row.left() + PictureIndent, row.top()), picture);
        writeText(*painter, row, row.left() + PictureIndent + PictureTextGap + picture.width(), color, text);
    }
    painter->restore();
}

QSize CListBoxPainter::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return QSize(list_->viewport()->width(), TCListBox::RowHeight);
}

} // namespace kavrel::ui
