#pragma once
// The main window's layout model: the table of rectangles, the window's own place and size, and every
// change the user makes to them (dragging the right edge, the bottom centre or the corner, full screen,
// the artist column modes) plus restoring and saving the layout the configuration keeps. The window
// applies what this reports and never reads a geometry back from its widgets. Main thread only.
#include "ui/layout/layout_arithmetic.h"
#include "ui/layout/layout_table.h"

#include <optional>
#include <span>

namespace kavrel::ui::layout {

// The layout fields of the configuration record.
struct SavedLayout {
    int extraWidth = 0;  // ImgNizCenter width minus its built-in width
    int extraHeight = 0; // imgLeftLine height minus its built-in height
    Point position;      // the window's top-left
    Rect normal;         // the window's bounds before full screen was entered
    bool fullScreen = false;
    bool operator==(const SavedLayout&) const = default;
};

// The start-up preferences "Size" and "Position" (their stored values).
enum class StartSize { LastPosition = 0, Default = 1, FullScreen = 2 };
enum class StartPosition { LastPosition = 0, Centre = 1 };

enum class ResizePiece { RightEdge, BottomCentre, Corner };

class MainWindowLayout {
public:
    // The built-in layout with both artist columns, fitted, at (0, 0).
    MainWindowLayout();

    const LayoutTable& table() const { return table_; }
    // The window's place on the desktop and its size.
    const Rect& window() const { return window_; }
    // The visible area in window coordinates: a rounded rectangle with a Fit::cornerEllipse corner.
    const Rect& clip() const { return clip_; }
    bool fullScreen() const { return fullScreen_; }
    bool separateArtists() const { return separateArtists_; }
    int columns() const { return separateArtists_ ? 4 : 3; }

    // The window system moved the window.
    void setWindowPosition(Point topLeft);

    // One drag-over event of a resize piece with the pointer at `pointer` (screen coordinates). Returns
    // whether the layout changed.
    bool dragTo(ResizePiece piece, Point pointer);
    // The pointer over a piece without dragging, and the release of a piece, start its next drag afresh.
    void forgetPointer(ResizePiece piece);

    // Full screen on or off on the screen the window is on (its full area).
    void toggleFullScreen(const Rect& screen);

    // Both artist columns (true) or one incorporated column. Switching to the mode the window is already in
    // changes nothing and returns false.
    bool setSeparateArtists(bool separate);

    // The layout saved at the last quit, on a fresh layout whose artist column mode is already set.
    void restore(const SavedLayout& saved, StartSize size, StartPosition position, const Rect& primaryScreen,
                 std::span<const Rect> screens);
    SavedLayout saved() const;

private:
    void applyWidth(int dx);
    void applyHeight(int dy);
    void fit();
    void leaveFullScreenSilently();
    bool dragRightEdge(Point pointer);
    bool dragBottomCentre(Point pointer);
    bool dragCorner(Point pointer);

    LayoutTable table_;
    Rect window_;
    Rect clip_;
    bool fullScreen_ = false;
    Rect normal_;
    std::optional<LayoutTable> beforeFullScreen_;
    bool separateArtists_ = true;
    std::optional<int> lastX_;
    std::optional<int> lastY_;
    const int baseWidth_;
    const int baseHeight_;
};

} // namespace kavrel::ui::layout
