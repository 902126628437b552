#include "ui/windows/nerix/t_nerix.h"

#include "ui/controls/c_list_view.h"
#include "ui/controls/skin_palette.h"
#include "ui/skin/skin_loader.h"
#include "ui/skin/skin_tables.h"
#include "ui/windows/common/named_child.h"
#include "ui/windows/common/window_shape.h"
#include "ui/windows/main/control_accessibility.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

namespace kavrel::ui {

namespace {

constexpr QSize ClientSize{213, 291};
constexpr QRect Background{4, 0, 198, 280};
constexpr int CornerEllipse = 5;
const QColor Maroon{0x80, 0, 0};

} // namespace

TNerix::TNerix(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors,
               MiniPlaylistPort& port, QWidget* parent)
    : QWidget(parent), port_(port), ImgFon(namedChild<QLabel>(this, "ImgFon")),
      ListBox6(namedChild<TCListBox>(this, "ListBox6")),
      QelScrollerVr6(namedChild<TQelScrollerVr>(this, "QelScrollerVr6")) {
    installControlAccessibility();
    setObjectName(QStringLiteral("TNerix"));
    makeTopMostTool(*this);
    setWindowTitle(QStringLiteral("Nerix"));
    setFixedSize(ClientSize);
    setColors(*this, Qt::white, Qt::black);

    ImgFon->setGeometry(Background);
    ImgFon->setScaledContents(true);
    ImgFon->lower();

    ListBox6->setGeometry(21, 13, 154, 254);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(10);
    ListBox6->setFont(font);
    setColors(*ListBox6, colorFromRgbValue(13421000), Qt::black);
    ListBox6->setDragEnabled(true);
    ListBox6->setAcceptDrops(true);
    ListBox6->setDragDropMode(QAbstractItemView::DragDrop);
    ListBox6->setMouseTracking(true);
    ListBox6->installEventFilter(this);
    ListBox6->viewport()->installEventFilter(this);

    QelScrollerVr6->setGeometry(177, 12, 10, 255);
    QelScrollerVr6->setThumbSize(53);
    QelScrollerVr6->setMax(0);
    QelScrollerVr6->setColorThumb(Maroon);
    QelScrollerVr6->setColorBand(Maroon);

    skin::prepareSkinControls(*this, skin::miniPlaylistSkin());
    skin::loadSkinSet(*this, skin::miniPlaylistSkin(), skin::skinRootOf(programFolder), skinErrors);
    setMask(roundedRegion(
        QRect(QPoint(Background.left() + 5, Background.top() + 2),
              QPoint(Background.left() + Background.width() - 2, Background.top() + Background.height() - 4)),
        CornerEllipse));
    nameNamelessControls(*this);

    connect(QelScrollerVr6, &TQelScrollerVr::OnChange, this,
            [this](QObject*, int position) { ListBox6->setTopIndex(position); });
    // Keys and presses that scroll the list: the scroller follows without reporting a user change.
    connect(ListBox6->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { QelScrollerVr6->setPosition(ListBox6->topIndex()); });
    connect(ListBox6, &QListWidget::itemDoubleClicked, this, &TNerix::playSelected);
}

void TNerix::resetScroller(int maximum) {
    QelScrollerVr6->setMax(maximum);
    scrollTo(0);
}

void TNerix::scrollTo(int top) {
    QelScrollerVr6->setPosition(top);
    ListBox6->setTopIndex(top);
}

void TNerix::wheel(bool down) {
    const int top = ListBox6->topIndex();
    const int maximum = QelScrollerVr6->Max();
    if (down)
        scrollTo(top >= maximum - WheelStep ? maximum : top + WheelStep);
    else
        scrollTo(top < WheelStep ? 0 : top - WheelStep);
}

void TNerix::playSelected() {
    const int selected = ListBox6->currentRow();
    if (selected < 0)
        return;
    port_.playTrack(selected + 1);
    hide();
}

bool TNerix::listKey(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        ListBox6->clearSelection();
        ListBox6->setCurrentRow(-1);
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        playSelected();
        return true;
    case Qt::Key_Delete:
        if (ListBox6->currentRow() >= 0)
            port_.deleteSelected(ListBox6->currentRow());
        return true;
    default:
        return false;
    }
}

int TNerix::rowAt(QPoint at) const {
    const QListWidgetItem* item = ListBox6->itemAt(at);
    return item ? ListBox6->row(item) + 1 : -1;
}

void TNerix::showRowHint(QPoint at) {
    const int row = rowAt(at);
    if (row == hintRow_)
        return;
    QToolTip::hideText();
    hintRow_ = row;
    ListBox6->viewport()->setToolTip(row > 0 ? QString::fromStdString(port_.rowHint(row)) : QString());
}

bool TNerix::dragOver(QPoint at, const QObject* source) {
    // The program's own lists: the playlists and the library panels.
    if (!qobject_cast<const TCListBox*>(source) && !qobject_cast<const TCListView*>(source))
        return false;
    dropTargetRow_ = rowAt(at);
    return true;
}

bool TNerix::dropAt(QPoint at, const QObject* source) {
    if (!dragOver(at, source))
        return false;
    port_.drop(dropTargetRow_ > 0 ? dropTargetRow_ - 1 : -1);
    return true;
}

bool TNerix::dragEvent(QDropEvent& event, bool dropped) {
    const QPoint at = event.position().toPoint();
    if (!(dropped ? dropAt(at, event.source()) : dragOver(at, event.source()))) {
        event.ignore();
        return true;
    }
    // The logic moves or inserts the rows and redraws both lists; the list must not move its own items,
    // nor the source remove the dragged one.
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
}

bool TNerix::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return watched == ListBox6 && listKey(*static_cast<QKeyEvent*>(event));
    case QEvent::Wheel:
        wheel(static_cast<QWheelEvent*>(event)->angleDelta().y() < 0);
        return true;
    case QEvent::MouseButtonPress:
        port_.beginDrag(rowAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        return false;
    case QEvent::MouseMove:
        showRowHint(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        return dragEvent(*static_cast<QDropEvent*>(event), false);
    case QEvent::Drop:
        return dragEvent(*static_cast<QDropEvent*>(event), true);
    default:
        return false;
    }
}

} // namespace kavrel::ui
