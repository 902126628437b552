#pragma once
// Dragging inside the player: the selected artist, album or song from the library lists, or a row of the
// playlist, onto the playlist. A drag carries a private type and is taken only while a drag begun in
// the window's lists runs; anything else (files from the desktop) passes on to the window. The playlist
// editor decides what a drop does. Main thread only.
#include "playlist/playlist_editor.h"

#include <QAbstractItemView>
#include <QObject>
#include <QPoint>
#include <array>
#include <functional>
#include <optional>

class QDrag;
class QDropEvent;
class QFrame;

namespace kavrel::ui {

class TForm1;

inline constexpr char kListDragMimeType[] = "application/x-kavrel-list-row";

class ListDrag final : public QObject {
public:
    // Carries a started drag to its end; QDrag::exec unless tests deliver the drop themselves.
    using DragRunner = std::function<void(QDrag&)>;

    // The window and the editor outlive the object.
    ListDrag(TForm1& window, playlist::PlaylistEditor& editor, QObject* parent);
    void setDragRunner(DragRunner runner) { runner_ = std::move(runner); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Source {
        QAbstractItemView* list;
        QWidget* viewport;
        playlist::DragSource kind;
    };
    const Source* sourceOf(QObject* viewport) const;
    bool sourceEvent(const Source& source, QEvent* event);
    void startDrag(const Source& source);
    bool playlistDropEvent(QEvent* event);
    bool fromOurLists(const QDropEvent& event) const;
    Qt::DropAction dropAction() const;
    void showDropLine(QPoint position);

    TForm1& window_;
    playlist::PlaylistEditor& editor_;
    std::array<Source, 5> sources_;
    DragRunner runner_;
    QFrame* dropLine_;
    QAbstractItemView* pressedList_ = nullptr;
    QPoint pressedAt_;
    std::optional<playlist::DragSource> dragging_; // while a drag started here runs
    int playlistRow_ = -1; // the playlist row pressed last, 1-based; -1 below the rows
};

} // namespace kavrel::ui
