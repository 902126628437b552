#pragma once
// Where the outside player is. The preferences' path box, the open-file dialog that fills it (a window,
// supplied by the caller) and the start-up that asks nothing.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kavrel::engine {

// The stand-in player the program folder ships.
inline constexpr const char* kApolloStandInFile = "kavrel-apollo";

// The box is empty or names no existing file.
bool apolloPathNeedsDialog(const std::string& path);

// Asks the user for a file, the dialog opening in `startFolder`; nothing when cancelled. Main thread.
using AskForProgram = std::function<std::optional<std::string>(const std::filesystem::path& startFolder)>;

// The path the engine switch gives the facade: the box's text, or, when it needs the dialog, the file the
// user chose there (the dialog opens in the program folder, where the stand-in is). A cancelled dialog
// keeps the box's text, so starting the player then reports what is wrong with it.
std::string chooseApolloPath(const std::string& boxText, const std::filesystem::path& programFolder,
                             const AskForProgram& ask);

// At start-up nothing is asked: a stored path that names no file gives way to the stand-in of the
// program folder.
std::string startupApolloPath(const std::string& stored, const std::filesystem::path& programFolder);

} // namespace kavrel::engine
