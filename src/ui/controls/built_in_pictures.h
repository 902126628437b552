#pragma once
// Pictures the controls carry with the program, shown when no skin picture replaces them.
#include <QImage>

namespace kavrel::ui {

// A plain dark button face of the given size: an image button's built-in normal picture.
QImage builtInButtonPicture(QSize size);

// The list box's play and pause marks, 16 x 17 on pure red, which the list draws as transparent.
QImage builtInPlayMark();
QImage builtInPauseMark();

// The vertical scroller's track (4 x 15, stretched along the track) and thumb (10 x 63).
QImage builtInScrollTrack();
QImage builtInScrollThumb();

} // namespace kavrel::ui
