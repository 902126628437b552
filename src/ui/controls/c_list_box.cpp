#include "ui/controls/c_list_box.h"

#include "ui/controls/built_in_pictures.h"
#include "ui/controls/c_list_box_painter.h"

#include <QScrollBar>

namespace kavrel::ui {

namespace {

QImage withRedTransparent(const QImage& picture) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == 0x00FF0000)
                line[x] = 0;
    }
    return result;
}

} // namespace

TCListBox::TCListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new CListBoxPainter(this));
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setStatePictures(builtInPlayMark(), builtInPauseMark());
}

void TCListBox::SetItemFont(int row, const QColor& color, const QString& state, int extra) {
    markedRow_ = row;
    markedColor_ = color;
    markedState_ = state;
    markedExtra_ = extra;
    viewport()->update();
}

void TCListBox::setStatePictures(const QImage& play, const QImage& pause) {
    playPicture_ = withRedTransparent(play);
    pausePicture_ = withRedTransparent(pause);
    viewport()->update();
}

const QImage& TCListBox::statePicture(const QString& state) const {
    static const QImage none;
    if (state == QLatin1String("Play"))
        return playPicture_;
    if (state == QLatin1String("Pause"))
        return pausePicture_;
    return none;
}

int TCListBox::topIndex() const {
    return verticalScrollBar()->value();
}

void TCListBox::setTopIndex(int row) {
    // The scroll range follows the items only after the pending layout has run.
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(row);
}

void TCListBox::keyPressEvent(QKeyEvent* event) {
    viewport()->update();
    QListWidget::keyPressEvent(event);
}

void TCListBox::mousePressEvent(QMouseEvent* event) {
    viewport()->update();
    QListWidget::mousePressEvent(event);
}

} // namespace kavrel::ui
