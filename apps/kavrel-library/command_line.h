#pragma once
// kavrel-library build [--add] [--mask M]... --library DIR FOLDER...
#include <optional>
#include <string>
#include <vector>

struct BuildCommand {
    bool addMode = false;
    std::vector<std::string> masks;
    std::string library;
    std::vector<std::string> folders;
};

inline constexpr const char* kUsage =
    "usage: kavrel-library build [--add] [--mask MASK]... --library DIR FOLDER...\n"
    "  Builds the library in DIR from the music files under each FOLDER.\n"
    "  --add          add to the library in DIR instead of replacing it\n"
    "  --mask MASK    file mask such as \"*.mp3\" (repeatable; default *.mp3, *.ogg and *.wma)\n"
    "  --library DIR  the library folder, such as Library/LB1 in the program folder\n";

// nullopt with `error` set on wrong usage. Folders and the library become absolute paths.
std::optional<BuildCommand> parseBuildCommand(const std::vector<std::string>& arguments, std::string& error);
