#include "ui/controls/qel_scroller_vr.h"

#include "ui/controls/built_in_pictures.h"
#include "ui/controls/scroller_parts.h"

namespace kavrel::ui {

TQelScrollerVr::TQelScrollerVr(QWidget* parent)
    : TQelScroller(TScroller::TrackPress::StepTowardPointer, parent) {
    setKind(Qt::Vertical);
    setTrackPicture(builtInScrollTrack());
    setThumbPicture(builtInScrollThumb());
    setThumbSize(builtInScrollThumb().height());
}

void TQelScrollerVr::setTrackPicture(const QImage& picture) {
    scroller()->track()->setPicture(picture);
}

void TQelScrollerVr::setThumbPicture(const QImage& picture) {
    scroller()->thumb()->setPicture(picture);
}

void TQelScrollerVr::resizeEvent(QResizeEvent*) {
    scroller()->setGeometry(rect());
}

} // namespace kavrel::ui
