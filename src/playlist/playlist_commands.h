#pragma once
// The playlist menu's list-wide commands: clear, undo, save to and load from a ".ppl" file. Main thread.
#include "playlist/playback_control.h"

#include <filesystem>

namespace kavrel::playlist {

class PlaylistCommands {
public:
    explicit PlaylistCommands(PlaybackControl& control) : control_(control) {}

    void Clear();
    // Swaps the list and its undo copy, so a second undo redoes. Nothing happens before the first copy.
    void Undo();
    // Writes the active list to `chosenName` (".ppl" appended unless present); returns the name written.
    // Throws std::system_error naming the file.
    std::filesystem::path Save(const std::string& chosenName);
    // Reads the file into a separate record first: a file that is missing, foreign or empty leaves the list
    // as it was (after the undo copy), and an unreadable header throws PlaylistFileError before anything
    // visible changes. Plays the stored row when the start-up mode is 0 and the file's state is not stopped.
    void Load(const std::filesystem::path& file);
    // Runs after a load has replaced the list (the tabs mark their records playing).
    void setLoadedAction(std::function<void()> action) { onLoaded_ = std::move(action); }

private:
    PlaybackState& state() { return control_.state(); }
    TMasPLayList& list() { return control_.state().list(); }

    PlaybackControl& control_;
    std::function<void()> onLoaded_;
};

} // namespace kavrel::playlist
