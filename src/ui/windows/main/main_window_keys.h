#pragma once
// The keys the main window takes before the control with the focus sees them: Ctrl+Delete clears the
// playlist, Ctrl+Z undoes, Ctrl+S and Ctrl+L ask for the playlist save and load, and a character typed
// anywhere else in the window goes to the command line (the analyser giving up its place first), which
// then takes the focus. Main thread.
#include "core/conf_record.h"
#include "playlist/playlist_commands.h"

#include <QKeyEvent>
#include <QObject>

namespace kavrel::ui {

class TForm1;

class MainWindowKeys final : public QObject {
    Q_OBJECT
public:
    // The analyser's state in `settings` follows when typing switches it off.
    MainWindowKeys(TForm1& window, playlist::PlaylistCommands& commands, core::TConfRecord& settings);

    // A key pressed in the window and sent to `receiver`; true when it was taken here.
    bool keyPressed(const QKeyEvent& event, const QObject* receiver);

signals:
    void savePlaylistAsked();
    void loadPlaylistAsked();

private:
    bool typeIntoCommandLine(const QString& text, const QObject* receiver);

    TForm1& window_;
    playlist::PlaylistCommands& commands_;
    core::TConfRecord& settings_;
};

} // namespace kavrel::ui
