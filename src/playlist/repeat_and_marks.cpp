#include "playlist/repeat_and_marks.h"

#include "platform/text/numbers.h"

namespace kavrel::playlist {

namespace {

// The thumb's travel is the slider width less this, starting this far in from its left.
constexpr int kThumbMargins = 68;
constexpr int kThumbOffset = 17;

} // namespace

void RepeatControl::RepeatButtonClick() {
    PlaybackSession& session = control_.state().session;
    session.repeatButton = session.repeatButton == kButtonOff ? kButtonOn : kButtonOff;
    control_.display().view().setRepeatButton(session.repeatButton);
}

void RepeatControl::RepeatMenuClick(Check item) {
    core::TConfRecord& settings = control_.state().settings;
    const bool oneSong = item == Check::RepeatOneSong;
    bool& clicked = oneSong ? settings.mRepeatOneSong : settings.mRepeatAllPlayList;
    bool& other = oneSong ? settings.mRepeatAllPlayList : settings.mRepeatOneSong;
    clicked = !clicked;
    if (clicked)
        other = false;
    PlaylistView& view = control_.display().view();
    view.setCheck(Check::RepeatOneSong, settings.mRepeatOneSong);
    view.setCheck(Check::RepeatAllPlayList, settings.mRepeatAllPlayList);
}

int MarkControl::labelLeftAtThumb(int width) const {
    const PlaybackState& state = control_.state();
    const PlaylistView::SliderGeometry slider = control_.display().view().timeSliderGeometry();
    // A track of unknown length has no scale: the thumb stands at the start.
    const std::int64_t travel =
        state.sliderMaximum > 0 ? text::roundHalfEven(static_cast<double>(state.sliderPosition) *
                                                      (slider.width - kThumbMargins) / state.sliderMaximum)
                                : 0;
    return static_cast<int>(travel) + slider.left + kThumbOffset - width;
}

void MarkControl::MarkClick() {
    PlaybackState& state = control_.state();
    TMasPLayList& list = state.list();
    PlaylistView& view = control_.display().view();
    if (state.marks.loop) {
        control_.ClearMarks();
        return;
    }
    if (list.MarkA == 0) {
        control_.SetQuickPlayChecked(false);
        list.MarkA = list.Position;
        state.marks.left = labelLeftAtThumb(view.markLabelWidth(MarkLabel::Left));
        view.showMarkLabel(MarkLabel::Left, state.marks.left);
        return;
    }
    if (list.MarkA >= list.Position) {
        list.MarkB = list.MarkA;
        list.MarkA = list.Position;
        state.marks.right = state.marks.left;
        state.marks.left = labelLeftAtThumb(view.markLabelWidth(MarkLabel::Left));
        view.showMarkLabel(MarkLabel::Left, state.marks.left);
    } else {
        list.MarkB = list.Position;
        state.marks.right = labelLeftAtThumb(view.markLabelWidth(MarkLabel::Right));
    }
    view.showMarkLabel(MarkLabel::Right, state.marks.right);
    state.marks.loop = true;
}

} // namespace kavrel::playlist
