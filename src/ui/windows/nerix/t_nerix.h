#pragma once
// TNerix, the mini playlist: a small borderless, always-on-top window under the mini player that shows
// the same entries as the main playlist and lets the user play, delete and reorder them through its port.
#include "platform/fs/program_folder.h"
#include "ui/controls/c_list_box.h"
#include "ui/controls/qel_scroller_vr.h"
#include "ui/windows/nerix/mini_playlist_port.h"

#include <QLabel>
#include <QWidget>

namespace kavrel::ui {

namespace skin {
class SkinErrorReporter;
}

class TNerix : public QWidget {
    Q_OBJECT
public:
    static constexpr int WheelStep = 3;

    TNerix(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors,
           MiniPlaylistPort& port, QWidget* parent = nullptr);

    // The switch from the main window: the list from its top, the range of the main playlist's scroller.
    void resetScroller(int maximum);
    // The row a drag over the list would drop on: 1-based, -1 beyond the last row.
    int dropTargetRow() const { return dropTargetRow_; }
    // A drag over the list at a point of its viewport, and the drop there, from `source`: only the
    // program's own lists are taken. Returns whether the list takes it.
    bool dragOver(QPoint at, const QObject* source);
    bool dropAt(QPoint at, const QObject* source);
    // The mouse wheel over the list; `down` away from the user.
    void wheel(bool down);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void playSelected();
    bool listKey(const QKeyEvent& key);
    void showRowHint(QPoint at);
    bool dragEvent(QDropEvent& event, bool dropped);
    // 1-based row under a point of the list, -1 beyond the last row.
    int rowAt(QPoint at) const;
    void scrollTo(int top);

    MiniPlaylistPort& port_;
    int hintRow_ = -1;
    int dropTargetRow_ = -1;

public:
    QLabel* const ImgFon;
    TCListBox* const ListBox6;
    TQelScrollerVr* const QelScrollerVr6;
};

} // namespace kavrel::ui
