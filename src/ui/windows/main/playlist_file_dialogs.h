#pragma once
// "Save Playlist" and "Load Playlist" through file dialogs: the chosen file is written or read, and a
// failure is shown with the file and the reason, leaving the playlist as it was. The dialogs sit behind
// an interface so tests choose the file. Main thread only.
#include "playlist/playlist_commands.h"

#include <QString>
#include <functional>

class QWidget;

namespace kavrel::ui {

class PlaylistFileDialogs {
public:
    virtual ~PlaylistFileDialogs() = default;
    // The chosen file; empty when the user cancels. Blocks until the user answers.
    virtual QString saveFileName(QWidget& parent, const QString& folder) = 0;
    virtual QString openFileName(QWidget& parent, const QString& folder) = 0;
    virtual void showError(QWidget& parent, const QString& title, const QString& text) = 0;
};

// Qt's file dialogs with a ".ppl" filter (names without it get it), and a warning box.
class QtPlaylistFileDialogs final : public PlaylistFileDialogs {
public:
    QString saveFileName(QWidget& parent, const QString& folder) override;
    QString openFileName(QWidget& parent, const QString& folder) override;
    void showError(QWidget& parent, const QString& title, const QString& text) override;
};

class PlaylistFileActions {
public:
    // The dialogs and the parent outlive the actions.
    PlaylistFileActions(playlist::PlaylistCommands& commands, PlaylistFileDialogs& dialogs, QWidget& parent)
        : commands_(commands), dialogs_(&dialogs), parent_(parent) {}
    void setDialogs(PlaylistFileDialogs& dialogs) { dialogs_ = &dialogs; }

    void save();
    void load();

private:
    QString startFolder() const;

    playlist::PlaylistCommands& commands_;
    PlaylistFileDialogs* dialogs_;
    QWidget& parent_;
    QString lastFolder_;
};

} // namespace kavrel::ui
