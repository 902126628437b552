#include "ui/layout/main_window_layout.h"

#include "ui/layout/screen_placement.h"

#include <cstdlib>

namespace kavrel::ui::layout {

namespace {
using C = Control;
} // namespace

MainWindowLayout::MainWindowLayout()
    : baseWidth_(table_[C::ImgNizCenter].width), baseHeight_(table_[C::imgLeftLine].height) {
    fit();
}

void MainWindowLayout::setWindowPosition(Point topLeft) {
    window_.left = topLeft.x;
    window_.top = topLeft.y;
}

void MainWindowLayout::leaveFullScreenSilently() {
    fullScreen_ = false;
    beforeFullScreen_.reset();
}

void MainWindowLayout::fit() {
    const Fit fitted = fitWindow(table_);
    window_.width = fitted.width;
    window_.height = fitted.height;
    clip_ = fitted.clip;
}

// A single step never crosses a stop, however far a fast drag moved the pointer in one event.
void MainWindowLayout::applyWidth(int dx) {
    dx = clampWidthStep(table_, dx, columns());
    distributeColumns(table_, dx, columns());
    widenBars(table_, dx);
}

void MainWindowLayout::applyHeight(int dy) {
    heighten(table_, clampHeightStep(table_, dy));
}

bool MainWindowLayout::dragTo(ResizePiece piece, Point pointer) {
    switch (piece) {
    case ResizePiece::RightEdge:
        return dragRightEdge(pointer);
    case ResizePiece::BottomCentre:
        return dragBottomCentre(pointer);
    case ResizePiece::Corner:
        return dragCorner(pointer);
    }
    return false;
}

bool MainWindowLayout::dragRightEdge(Point pointer) {
    if (!lastX_)
        lastX_ = pointer.x;
    const int dx = pointer.x - *lastX_;
    if (dx == 0)
        return false;
    lastX_ = pointer.x;
    if (dx < 0 && leftArtistStripClosed(table_))
        return false;
    applyWidth(dx);
    fit();
    leaveFullScreenSilently();
    return true;
}

bool MainWindowLayout::dragBottomCentre(Point pointer) {
    leaveFullScreenSilently();
    if (!lastY_)
        lastY_ = pointer.y;
    const int dy = pointer.y - *lastY_;
    if (dy == 0)
        return false;
    lastY_ = pointer.y;
    if (dy < 0 && albumListAtMinimum(table_))
        return false;
    applyHeight(dy);
    fit();
    return true;
}

bool MainWindowLayout::dragCorner(Point pointer) {
    leaveFullScreenSilently();
    if (!lastX_)
        lastX_ = pointer.x;
    if (!lastY_)
        lastY_ = pointer.y;
    const int dx = pointer.x - *lastX_;
    const int dy = pointer.y - *lastY_;
    lastX_ = pointer.x;
    lastY_ = pointer.y;

    const bool widthStopped = dx < 0 && leftArtistStripClosed(table_);
    const bool heightStopped = dy < 0 && albumListAtMinimum(table_);
    if ((dx == 0 && dy == 0) || (widthStopped && heightStopped))
        return false;
    if (heightStopped) {
        if (dx == 0)
            return false;
        applyWidth(dx);
    } else if (widthStopped) {
        if (dy == 0)
            return false;
        applyHeight(dy);
    } else {
        applyWidth(dx);
        applyHeight(dy);
    }
    fit();
    return true;
}

void MainWindowLayout::forgetPointer(ResizePiece piece) {
    if (piece != ResizePiece::BottomCentre)
        lastX_.reset();
    if (piece != ResizePiece::RightEdge)
        lastY_.reset();
}

void MainWindowLayout::toggleFullScreen(const Rect& screen) {
    fullScreen_ = !fullScreen_;
    if (fullScreen_) {
        normal_ = window_;
        beforeFullScreen_ = table_;
    } else if (beforeFullScreen_) {
        // The odd-pixel rule of the bars breaks ties the same way growing and shrinking, so the arithmetic
        // alone can leave the time and volume bars a pixel off; the layout from before is exact.
        table_ = *beforeFullScreen_;
        beforeFullScreen_.reset();
        window_ = normal_;
        fit();
        return;
    }
    const Rect& leftLine = table_[C::imgLeftLine];
    const Rect& rightLine = table_[C::imgRigthLine];
    const int topMargin = table_[C::ImgVerhCenter].top;
    const int bottomMargin = window_.height - table_[C::ImgNizCenter].bottom();
    int dx = 0;
    int dy = 0;
    if (fullScreen_) {
        window_.left = screen.left - leftLine.left;
        window_.top = screen.top - topMargin;
        dx = std::abs(screen.width + leftLine.left - rightLine.right());
        dy = std::abs(screen.height - window_.height) + topMargin + bottomMargin;
    } else {
        window_.left = normal_.left;
        window_.top = normal_.top;
        dx = -std::abs(screen.width - normal_.width + leftLine.left + (window_.width - rightLine.right()));
        dy = -(std::abs(screen.height - normal_.height) + topMargin + bottomMargin);
    }
    distributeColumns(table_, dx, columns());
    widenBars(table_, dx);
    heighten(table_, dy);
    fit();
}

bool MainWindowLayout::setSeparateArtists(bool separate) {
    if (separate == separateArtists_)
        return false;
    separateArtists_ = separate;
    beforeFullScreen_.reset();
    const int rightColumn = table_[C::ListBox2].width + table_[C::QelScrollerVr2].width;
    table_[C::ListBox5].height += separate ? kRowHeight : -kRowHeight;
    widenBars(table_, separate ? rightColumn : -rightColumn);
    fit();
    return true;
}

void MainWindowLayout::restore(const SavedLayout& saved, StartSize size, StartPosition position,
                               const Rect& primaryScreen, std::span<const Rect> screens) {
    const bool lastSize = size == StartSize::LastPosition;
    int dx = lastSize ? saved.extraWidth : 0;
    const int dy = lastSize ? saved.extraHeight : 0;
    // The incorporated mode took the right column and its scroller away; the saved width counts both.
    if (!separateArtists_)
        dx += table_[C::ListBox2].width + table_[C::QelScrollerVr2].width;
    distributeColumns(table_, dx, columns());
    widenBars(table_, dx);
    heighten(table_, dy);
    fit();

    const Point topLeft =
        position == StartPosition::LastPosition
            ? reachablePosition(saved.position, window_.width, window_.height, screens, primaryScreen)
            : centredOn(primaryScreen, window_.width, window_.height);
    setWindowPosition(topLeft);
    normal_ = saved.normal;
    if (normal_.width > 0 && normal_.height > 0) {
        const Point normalTopLeft = reachablePosition({normal_.left, normal_.top}, normal_.width,
                                                      normal_.height, screens, primaryScreen);
        normal_.left = normalTopLeft.x;
        normal_.top = normalTopLeft.y;
    }
    fullScreen_ = saved.fullScreen;
    beforeFullScreen_.reset();
}

SavedLayout MainWindowLayout::saved() const {
    return {table_[C::ImgNizCenter].width - baseWidth_,
            table_[C::imgLeftLine].height - baseHeight_,
            {window_.left, window_.top},
            normal_,
            fullScreen_};
}

} // namespace kavrel::ui::layout
