#pragma once
// What the program's borderless windows share: the rounded clip that stands for their frame, their plain
// colours, the system move a press on a background starts, and the top-most order they keep.
#include <QColor>
#include <QRect>
#include <QRegion>

class QWidget;

namespace kavrel::ui {

// The rectangle with rounded corners of a `cornerEllipse` x `cornerEllipse` ellipse.
QRegion roundedRegion(const QRect& clip, int cornerEllipse);
// Text and background colours of a widget, its background filled.
void setColors(QWidget& widget, const QColor& ink, const QColor& ground);
// Lets the window follow the pointer, as a press on a title bar would.
void startSystemMove(QWidget& widget);
// A borderless top-level window of the program that stays above other windows and has no task-bar
// entry of its own.
void makeTopMostTool(QWidget& window);
// Puts the window back at the top of the stay-on-top order after another window rose over it.
void reassertTopMost(QWidget& window);

} // namespace kavrel::ui
