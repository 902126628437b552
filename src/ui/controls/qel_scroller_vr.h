#pragma once
// The program's slider beside every list and for the equalizer bands: a track and a thumb drawn from two
// pictures, no arrow buttons. A press on the track beside the thumb steps by LargeChange toward the pointer.
#include "ui/controls/qel_scroller.h"

#include <QImage>

namespace kavrel::ui {

class TQelScrollerVr : public TQelScroller {
    Q_OBJECT
public:
    explicit TQelScrollerVr(QWidget* parent = nullptr);

    // The track picture is stretched along the track; the thumb picture is drawn at its own size when the
    // thumb is as long as the picture.
    void setTrackPicture(const QImage& picture);
    void setThumbPicture(const QImage& picture);

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace kavrel::ui
