#include "ui/layout/layout_arithmetic.h"

#include "platform/text/numbers.h"

#include <cstdlib>
#include <initializer_list>

namespace kavrel::ui::layout {

namespace {

using C = Control;

void widen(LayoutTable& table, std::initializer_list<Control> controls, int dx) {
    for (Control c : controls)
        table[c].width += dx;
}

void moveRight(LayoutTable& table, std::initializer_list<Control> controls, int dx) {
    for (Control c : controls)
        table[c].left += dx;
}

void heightenBy(LayoutTable& table, std::initializer_list<Control> controls, int dy) {
    for (Control c : controls)
        table[c].height += dy;
}

void moveDown(LayoutTable& table, std::initializer_list<Control> controls, int dy) {
    for (Control c : controls)
        table[c].top += dy;
}

// Halves of d rounded toward zero; the odd pixel goes to the first when firstTakesOdd.
std::pair<int, int> split(int d, bool firstTakesOdd) {
    const int half = d / 2;
    const int odd = d - 2 * half;
    return firstTakesOdd ? std::pair{half + odd, half} : std::pair{half, half + odd};
}

int albumShare(const LayoutTable& table, int dy) {
    const long long album = table[C::ListBox3].height;
    const long long song = table[C::ListBox4].height - 32;
    return split(dy, album * dy <= song * dy).first;
}

} // namespace

Fit fitWindow(const LayoutTable& table) {
    const Rect& right = table[C::ImgNizPravo];
    const Rect& bottom = table[C::ImgNizCenter];
    Fit fit;
    fit.width = right.right() + 10;
    fit.height = bottom.bottom() + 10;
    const int left = table[C::ImgVerhLEvo].left;
    const int top = table[C::ImgVerhPravo].top;
    fit.clip = {left, top, right.right() - left, right.bottom() - top};
    return fit;
}

void widenBars(LayoutTable& table, int dx) {
    widen(table,
          {C::ImgVerhCenter, C::ImgNizCenter, C::CmdSearch, C::Label3, C::PaintFrame, C::pnlSpectrum,
           C::Gauge1},
          dx);

    const long long timeWidth = table[C::TimeSKRL].width;
    const long long volumeWidth = table[C::VolumeSKRL].width;
    const auto [timeShare, volumeShare] = split(dx, timeWidth * dx <= volumeWidth * dx);
    table[C::TimeSKRL].width += timeShare;
    table[C::VolumeSKRL].width += volumeShare;
    table[C::VolumeSKRL].left += timeShare;

    table[C::StaticText1].left += timeShare;
    table[C::StaticText2].left = table[C::StaticText1].right() + 2;
    table[C::StaticText3].left = table[C::StaticText2].left;
    table[C::StaticText3].width = table[C::StaticText2].width;

    moveRight(table, {C::ImgRepStr,    C::ImgRepeat,    C::ImgUndo,       C::ImgShuffle, C::ImgShuffStr,
                      C::ImgHelp,      C::ImgEqualizer, C::ImgLibrary,    C::ImgPref,    C::ImgNizPravo,
                      C::imgRigthLine, C::ImgVerhPravo, C::ImgCDmp3Libr,  C::ImgTray,    C::ImgMini,
                      C::ImgVniz,      C::ImgClose,     C::ImgFullScreen, C::ImgSleep,   C::ImgOptSleep},
              dx);
}

ColumnShares columnShares(const LayoutTable& table, int dx, int columns) {
    ColumnShares shares;
    for (int i = 0; i < columns; ++i)
        shares.column[i] = dx / columns;
    const int remainder = dx % columns;
    if (remainder == 0)
        return shares;

    // The header strips stand for the columns' widths.
    const int leftArtists = table[C::ImgPolosaLeftArt].width;
    const int albums = table[C::ImgPolosaAlb].width - 14;
    const int playlist = table[C::ImgPolosaPlist].width - 4;
    int start = 1;
    if (albums < leftArtists)
        start = 2;
    if (playlist < albums)
        start = 3;
    if (columns == 4 && playlist > table[C::ImgingCenter].width)
        start = 4;

    const int step = dx > 0 ? 1 : -1;
    if (step < 0)
        start = start == 1 ? columns : start - 1;
    int column = start;
    for (int i = 0; i < std::abs(remainder); ++i) {
        shares.column[column - 1] += step;
        column += step;
        if (column > columns)
            column = 1;
        if (column < 1)
            column = columns;
    }
    return shares;
}

void distributeColumns(LayoutTable& table, int dx, int columns) {
    const ColumnShares shares = columnShares(table, dx, columns);
    const int c1 = shares.column[0];
    const int c12 = c1 + shares.column[1];
    const int c123 = c12 + shares.column[2];
    const int c1234 = c123 + shares.column[3];

    widen(table, {C::ImgPolosaLeftArt, C::ListBox1}, c1);
    moveRight(table,
              {C::ImgLsrtSortBy, C::QelScrollerVr1, C::ImgAlbAlboms, C::ImgPolosaAlb, C::ListBox3,
               C::ListBox4, C::ImgSongSongs, C::ImgPolosaSong},
              c1);

    widen(table, {C::ImgPolosaAlb, C::ImgPolosaSong, C::ListBox3, C::ListBox4}, shares.column[1]);
    moveRight(table,
              {C::ImgAblSortBy, C::ImgSongSortBy, C::QelScrollerVr3, C::QelScrollerVr4, C::QelScrollerVr5,
               C::ImgPlayListAZ, C::ImgPolosaPlist, C::ImgLeftPlist, C::ImgCenterPlist, C::ListBox5},
              c12);

    widen(table, {C::ImgPolosaPlist, C::ListBox5, C::ImgCenterPlist}, shares.column[2]);
    moveRight(
        table,
        {C::ImgPlistSortBy, C::ImgRigthPlist, C::QelScrollerVr2, C::ImgEng, C::ImgingCenter, C::ListBox2},
        c123);
    const Rect& playlist = table[C::ListBox5];
    const int tabLeft = playlist.left + (playlist.width - table[C::Img2Pl1].width) / 2;
    for (Control tab : {C::Img2Pl1, C::Img2CD, C::Img2PL2})
        table[tab].left = tabLeft;

    widen(table, {C::ImgingCenter, C::ListBox2}, shares.column[3]);
    table[C::ImgEngSortBy].left += c1234;
}

void heighten(LayoutTable& table, int dy) {
    const int album = albumShare(table, dy);
    const int song = dy - album;
    heightenBy(table,
               {C::ListBox1, C::QelScrollerVr1, C::ListBox2, C::QelScrollerVr2, C::ListBox5,
                C::QelScrollerVr5, C::imgLeftLine, C::imgRigthLine},
               dy);
    heightenBy(table, {C::ListBox3, C::QelScrollerVr3}, album);
    heightenBy(table, {C::ListBox4, C::QelScrollerVr4}, song);
    moveDown(table, {C::ImgSongSongs, C::ImgPolosaSong, C::ImgSongSortBy, C::ListBox4, C::QelScrollerVr4},
             album);
    moveDown(table, {C::ImgNizLevo, C::ImgNizCenter, C::ImgNizPravo, C::ImgPlayPause, C::ImgStop,
                     C::ImgPrev,    C::ImgNext,      C::ImgAnStr,    C::ImgAn,        C::ImgVis,
                     C::ImgVisStr,  C::ImgCmdPref,   C::ImgRepStr,   C::ImgRepeat,    C::ImgUndo,
                     C::ImgShuffle, C::ImgShuffStr,  C::ImgHelp,     C::ImgEqualizer, C::ImgLibrary,
                     C::ImgPref,    C::pnlSpectrum,  C::CmdSearch,   C::PaintFrame,   C::Gauge1},
             dy);
}

int listScrollerMaximum(int itemCount, int listHeight) {
    const auto visible = text::roundHalfEven(double(listHeight) / kRowHeight);
    const auto maximum = itemCount - visible + 1;
    return maximum < 0 ? 0 : int(maximum);
}

bool leftArtistStripClosed(const LayoutTable& table) {
    return table[C::ImgPolosaLeftArt].width < 1;
}

bool albumListAtMinimum(const LayoutTable& table) {
    return 2 * kRowHeight + 1 >= table[C::ListBox3].height;
}

// The first shrink of 1, 2, ... pixels that reaches the stop: where a drag in one-pixel steps ends.
int clampWidthStep(const LayoutTable& table, int dx, int columns) {
    const int strip = table[C::ImgPolosaLeftArt].width;
    for (int step = -1; step > dx; --step)
        if (strip + columnShares(table, step, columns).column[0] <= 0)
            return step;
    return dx;
}

int clampHeightStep(const LayoutTable& table, int dy) {
    const int album = table[C::ListBox3].height;
    for (int step = -1; step > dy; --step)
        if (album + albumShare(table, step) <= 2 * kRowHeight + 1)
            return step;
    return dy;
}

} // namespace kavrel::ui::layout
