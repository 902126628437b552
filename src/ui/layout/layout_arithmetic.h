#pragma once
// The steps every layout change of the main window is made of. Each works on the table alone; the
// window applies the result.
#include "ui/layout/layout_table.h"

namespace kavrel::ui::layout {

inline constexpr int kRowHeight = 16;

// The window's size and its visible area: a rounded rectangle with a 5 x 5 corner ellipse.
struct Fit {
    int width = 0;
    int height = 0;
    Rect clip;
    static constexpr int cornerEllipse = 5;
};
Fit fitWindow(const LayoutTable& table);

// The bars above and below the lists grow by dx (negative shrinks); an odd pixel between the time and
// volume bars goes to the narrower one when growing and the wider one when shrinking, ties to time.
void widenBars(LayoutTable& table, int dx);

// The shares of dx for columns 1..4 (index 0..3): equal parts, the remainder pixel by pixel from a start
// column chosen by the header strips, so that the columns stay balanced. Column 4 gets nothing when only
// three columns show.
struct ColumnShares {
    int column[4] = {0, 0, 0, 0};
};
ColumnShares columnShares(const LayoutTable& table, int dx, int columns);
void distributeColumns(LayoutTable& table, int dx, int columns);

// The lists grow taller by dy, split between the album and the song list.
void heighten(LayoutTable& table, int dy);

// The list scroller rule: item count - round(list height / row height) + 1, never below 0.
int listScrollerMaximum(int itemCount, int listHeight);

// The shrink stops of interactive resizing.
bool leftArtistStripClosed(const LayoutTable& table); // ImgPolosaLeftArt narrower than 1 pixel
bool albumListAtMinimum(const LayoutTable& table);    // no taller than two rows and a pixel

// One step may not cross a stop: a shrinking dx (dy) is cut where the left artist strip closes (the album
// list reaches its minimum), as a drag in one-pixel steps would stop. Growing steps pass unchanged.
int clampWidthStep(const LayoutTable& table, int dx, int columns);
int clampHeightStep(const LayoutTable& table, int dy);

} // namespace kavrel::ui::layout
