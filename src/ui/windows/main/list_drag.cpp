#include "ui/windows/main/list_drag.h"

#include "ui/controls/c_list_box.h"
#include "ui/windows/main/t_form1.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFrame>
#include <QMimeData>
#include <QMouseEvent>

namespace kavrel::ui {

namespace {

using playlist::DragSource;

// The playlist row (1-based) under a point of the list's viewport; -1 below the last row.
int rowAt(const QAbstractItemView& list, QPoint position) {
    const QModelIndex index = list.indexAt(position);
    return index.isValid() ? index.row() + 1 : -1;
}

} // namespace

ListDrag::ListDrag(TForm1& window, playlist::PlaylistEditor& editor, QObject* parent)
    : QObject(parent), window_(window),
      editor_(editor), sources_{{{window.ListBox1, window.ListBox1->viewport(), DragSource::LeftArtists},
                                 {window.ListBox2, window.ListBox2->viewport(), DragSource::RightArtists},
                                 {window.ListBox3, window.ListBox3->viewport(), DragSource::Albums},
                                 {window.ListBox4, window.ListBox4->viewport(), DragSource::Songs},
                                 {window.ListBox5, window.ListBox5->viewport(), DragSource::Playlist}}},
      runner_([](QDrag& drag) { drag.exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction); }),
      dropLine_(new QFrame(window.ListBox5->viewport())) {
    for (const Source& source : sources_)
        source.viewport->installEventFilter(this);
    window.ListBox5->setAcceptDrops(true);
    dropLine_->setObjectName(QStringLiteral("DropLine"));
    dropLine_->setFrameShape(QFrame::HLine);
    dropLine_->setStyleSheet(QStringLiteral("color: white; background: white;"));
    dropLine_->hide();
}

const ListDrag::Source* ListDrag::sourceOf(QObject* viewport) const {
    for (const Source& source : sources_)
        if (source.viewport == viewport)
            return &source;
    return nullptr;
}

bool ListDrag::eventFilter(QObject* watched, QEvent* event) {
    const Source* source = sourceOf(watched);
    if (!source)
        return false;
    if (source->kind == DragSource::Playlist && playlistDropEvent(event))
        return true;
    return sourceEvent(*source, event);
}

bool ListDrag::sourceEvent(const Source& source, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton)
            return false;
        pressedList_ = source.list;
        pressedAt_ = press->position().toPoint();
        if (source.kind == DragSource::Playlist) {
            playlistRow_ = rowAt(*source.list, pressedAt_);
            editor_.BeginDrag(DragSource::Playlist, playlistRow_);
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* move = static_cast<QMouseEvent*>(event);
        if (pressedList_ != source.list || !(move->buttons() & Qt::LeftButton))
            return false;
        // The row pressed is the one dragged: the selection does not follow the pointer meanwhile.
        if ((move->position().toPoint() - pressedAt_).manhattanLength() >=
            QApplication::startDragDistance()) {
            pressedList_ = nullptr;
            if (source.list->indexAt(pressedAt_).isValid())
                startDrag(source);
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        pressedList_ = nullptr;
        return false;
    default:
        return false;
    }
}

void ListDrag::startDrag(const Source& source) {
    if (source.kind != DragSource::Playlist)
        editor_.BeginDrag(source.kind,
                          source.kind == DragSource::Songs ? rowAt(*source.list, pressedAt_) : 0);
    auto* data = new QMimeData;
    data->setData(QLatin1String(kListDragMimeType), QByteArray::number(static_cast<int>(source.kind)));
    QDrag drag(source.list);
    drag.setMimeData(data);
    const QRect row = source.list->visualRect(source.list->indexAt(pressedAt_));
    drag.setPixmap(source.list->viewport()->grab(row));
    drag.setHotSpot(pressedAt_ - row.topLeft());
    dragging_ = source.kind;
    runner_(drag);
    dragging_.reset();
    dropLine_->hide();
}

// Only a drag this object runs carries rows it knows; the type alone could come from another program.
bool ListDrag::fromOurLists(const QDropEvent& event) const {
    return dragging_ && event.mimeData()->hasFormat(QLatin1String(kListDragMimeType));
}

Qt::DropAction ListDrag::dropAction() const {
    return dragging_ == DragSource::Playlist ? Qt::MoveAction : Qt::CopyAction;
}

bool ListDrag::playlistDropEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* over = static_cast<QDragMoveEvent*>(event);
        if (!fromOurLists(*over))
            return false;
        over->setDropAction(dropAction());
        over->accept();
        showDropLine(over->position().toPoint());
        return true;
    }
    case QEvent::DragLeave:
        dropLine_->hide();
        return false;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        dropLine_->hide();
        if (!fromOurLists(*drop))
            return false;
        drop->setDropAction(dropAction());
        drop->accept();
        TCListBox& list = *window_.ListBox5;
        const int item = list.indexAt(drop->position().toPoint()).row();
        editor_.Drop(item);
        // The moved row stays selected at its new place.
        if (dragging_ == DragSource::Playlist && playlistRow_ >= 1)
            list.setCurrentRow(item < 0 ? list.count() - 1 : std::min(item, list.count() - 1));
        return true;
    }
    default:
        return false;
    }
}

// A line where the dragged rows will go in: above the row under the pointer, or under the last row.
void ListDrag::showDropLine(QPoint position) {
    TCListBox& list = *window_.ListBox5;
    // Near an edge the list scrolls a row, so a drop can reach rows out of sight.
    if (position.y() < TCListBox::RowHeight / 2)
        list.setTopIndex(list.topIndex() - 1);
    else if (position.y() > list.viewport()->height() - TCListBox::RowHeight / 2)
        list.setTopIndex(list.topIndex() + 1);
    const QModelIndex index = list.indexAt(position);
    int y = 0;
    if (index.isValid())
        y = list.visualRect(index).top();
    else if (list.count() > 0)
        y = list.visualRect(list.model()->index(list.count() - 1, 0)).bottom() + 1;
    dropLine_->setGeometry(0, std::max(0, y - 1), list.viewport()->width(), 2);
    dropLine_->show();
    dropLine_->raise();
}

} // namespace kavrel::ui
