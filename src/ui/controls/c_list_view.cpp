#include "ui/controls/c_list_view.h"

#include "ui/controls/c_list_box.h"
#include "ui/controls/c_list_box_painter.h"

#include <QAbstractListModel>
#include <QMouseEvent>
#include <QScrollBar>

namespace kavrel::ui {

class TCListView::RowsModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setRows(Rows rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    int count() const { return rows_ ? static_cast<int>(rows_->size()) : 0; }
    QString text(int row) const {
        if (row < 0 || row >= count())
            return {};
        const std::string& text = (*rows_)[static_cast<std::size_t>(row)];
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : count(); }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        return text(index.row());
    }

private:
    Rows rows_;
};

TCListView::TCListView(QWidget* parent) : QListView(parent), rows_(new RowsModel(this)) {
    setModel(rows_);
    setItemDelegate(new CListBoxPainter(static_cast<QAbstractItemView*>(this)));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
}

TCListView::~TCListView() = default;

void TCListView::setRows(Rows rows) {
    rows_->setRows(std::move(rows));
    verticalScrollBar()->setValue(0);
}

int TCListView::count() const {
    return rows_->count();
}

QString TCListView::rowText(int row) const {
    return rows_->text(row);
}

int TCListView::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void TCListView::setCurrentRow(int row) {
    if (row < 0 || row >= count()) {
        clearSelection();
        setCurrentIndex({});
        return;
    }
    setCurrentIndex(rows_->index(row));
}

int TCListView::rowAt(QPoint position) const {
    const QModelIndex index = indexAt(position);
    return index.isValid() ? index.row() : -1;
}

int TCListView::topIndex() const {
    return verticalScrollBar()->value();
}

void TCListView::setTopIndex(int row) {
    // The scroll range follows the rows only after the pending layout has run.
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(row);
}

void TCListView::keyPressEvent(QKeyEvent* event) {
    viewport()->update();
    QListView::keyPressEvent(event);
}

// Only a left press on a row selects it; a press below the rows or with another button keeps the
// selection (the right button opens a menu for the row under the pointer).
void TCListView::mousePressEvent(QMouseEvent* event) {
    viewport()->update();
    const int row = rowAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || row < 0) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
    emit rowPressed(row);
}

// Moving the pointer with a button held does not carry the selection along (a selection is a press),
// though it still starts a drag where the list offers its rows to one.
void TCListView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton && !dragEnabled()) {
        event->accept();
        return;
    }
    QListView::mouseMoveEvent(event);
}

void TCListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

} // namespace kavrel::ui
