#pragma once
// The command box's Enter: "///address" opens a web address, "//program" starts a program (or opens a
// document), "/word" runs a player command; the line is emptied whatever it held. Main thread.
#include "platform/shell/desktop_shell.h"
#include "playlist/playback_control.h"
#include "playlist/playlist_commands.h"

#include <functional>
#include <string>

namespace kavrel::playlist {

class CommandLineView {
public:
    virtual ~CommandLineView() = default;
    // Empties the line (which also clears the library search).
    virtual void clearCommandLine() = 0;
};

class CommandBox {
public:
    // `close` runs the save-state operation and closes the main window.
    CommandBox(CommandLineView& line, shell::DesktopShell& shell, shell::PowerService& power,
               PlaybackControl& control, PlaylistCommands& commands, std::function<void()> close);

    void Enter(const std::string& text);

private:
    void runPlayerCommand(const std::string& word);

    CommandLineView& line_;
    shell::DesktopShell& shell_;
    shell::PowerService& power_;
    PlaybackControl& control_;
    PlaylistCommands& commands_;
    std::function<void()> close_;
};

} // namespace kavrel::playlist
