#pragma once
// The inner control of both scrollers: it owns the track and the thumb and keeps the value. Setting the
// position from code never raises userChanged; every user action (drag, track press, and the outer
// control's arrows and keys through changeByUser) does.
#include "ui/controls/scroller_mouse_state.h"

#include <QWidget>
#include <cstdint>
#include <memory>

namespace kavrel::ui {

class PressRepeater;
class TSetac;
class TTraka;

class TScroller : public QWidget {
    Q_OBJECT
public:
    // What a held press on the track beside the thumb does.
    enum class TrackPress {
        JumpToPointer,     // Position = round(Max / track length x pointer)
        StepTowardPointer, // Position -/+ LargeChange when the pointer is before/after the thumb
    };

    TScroller(TrackPress trackPress, QWidget* parent);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void setMin(int min);
    void setMax(int max);
    void setPosition(int position);
    // Sets the position as a user action: clamps, places the thumb and raises userChanged. Wide, so that a
    // step past the int range saturates instead of wrapping.
    void changeByUser(long long position);

    std::int16_t SmallChange() const { return smallChange_; }
    void setSmallChange(std::int16_t step) { smallChange_ = step; }
    std::int16_t LargeChange() const { return largeChange_; }
    void setLargeChange(std::int16_t step) { largeChange_ = step; }

    int ThumbSize() const { return thumbSize_; }
    void setThumbSize(int size);
    Qt::Orientation Kind() const { return kind_; }
    void setKind(Qt::Orientation kind);
    // Clips the thumb to a rounded rectangle (the horizontal scroller's look) when the track is thick enough.
    void setRoundThumb(bool on);

    int thumbOffset() const { return offset_; }
    int trackLength() const;
    TTraka* track() const { return track_; }
    TSetac* thumb() const { return thumb_; }

    // The program's shared flag; nullptr goes back to the scroller's own.
    void setMouseState(ScrollerMouseState* state) { mouseState_ = state ? state : ownMouseState_.get(); }
    ScrollerMouseState& mouseState() const { return *mouseState_; }
    void setMouseHeld(bool held);

signals:
    // After every user action, with the position.
    void userChanged(int position);
    // After every placement, from code or user, so the owner can refresh the thumb text.
    void positionPlaced(int position);
    // A mouse button released on the thumb or the track (the time bars seek on it).
    void mouseUp(Qt::MouseButton button);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place(int position);
    void placeThumb();
    int along(QPoint point) const;
    void trackPressStep();
    void thumbPressed(Qt::MouseButton button, QPoint globalPosition);
    void thumbMoved(Qt::MouseButtons buttons, QPoint globalPosition);
    void released(Qt::MouseButton button);

    TrackPress trackPress_;
    TTraka* track_;
    TSetac* thumb_;
    PressRepeater* repeater_;
    ScrollerMouseState* mouseState_;
    std::unique_ptr<ScrollerMouseState> ownMouseState_;

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    std::int16_t smallChange_ = 1;
    std::int16_t largeChange_ = 1;
    int thumbSize_ = 20;
    int offset_ = 0;
    Qt::Orientation kind_ = Qt::Horizontal;
    bool roundThumb_ = false;

    bool dragging_ = false;
    int grabPointer_ = 0;
    int grabOffset_ = 0;
    int trackPointer_ = 0;
};

} // namespace kavrel::ui
