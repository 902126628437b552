#pragma once
// What a build searches, from what the user gave: the build window's folder field, the files a library
// already holds (a refresh), or what was dropped on the player.
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::library {

// The pieces of a folder field separated by ";", each without the blanks around it. A piece left empty
// ("a;;b", a trailing ";") names no folder: an empty path would mean the program's own folder.
std::vector<std::string> foldersOfField(std::string_view field);

// The folders holding `paths` (absolute file paths), each given once, in ordinal order.
std::vector<std::string> foldersOfFiles(const std::vector<std::string>& paths);

// Blocking (reads the folders). The files matching `masks` right in `folders`, not in their subfolders,
// in ordinal order: a refresh finds the library's files again and the new ones beside them, and a song
// once dropped from a large folder never brings in the whole folder.
std::vector<std::string> filesIn(const std::vector<std::string>& folders,
                                 const std::vector<std::string>& masks);

// Blocking (asks the file system). `folders` parted into those that are there and those that are gone
// (deleted, renamed, or on a disk that is not mounted), each in the given order.
struct FolderPresence {
    std::vector<std::string> present;
    std::vector<std::string> missing;
};
FolderPresence folderPresence(const std::vector<std::string>& folders);

struct DroppedItems {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

// Blocking (asks the file system). Paths dropped on the player: a folder when the file system says so,
// else a file; a path it cannot see is a file when its name has an extension ("x.mp3"), else a folder.
DroppedItems sortDroppedPaths(const std::vector<std::string>& paths);

} // namespace kavrel::library
