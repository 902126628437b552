#pragma once
// The recursive folder search of stage 1: depth first, entries in the order the file system gives
// them, hidden entries included. Symbolic links to folders are not followed (a loop would never end),
// and /proc, /sys and /dev are never entered.
#include <functional>
#include <string>
#include <vector>

#include "library/file_mask.h"
#include "library/stage_gate.h"

namespace kavrel::library {

class FolderSearch {
public:
    // `onFound` is called after each path is appended.
    FolderSearch(const FileMasks& masks, StageGate& gate, std::function<void(const std::string&)> onFound);

    // Appends folder + "/" + relative name of every matching file under `folder`. A folder that cannot
    // be entered is skipped silently. Returns false when the build was stopped.
    bool search(const std::string& folder, std::vector<std::string>& found);

private:
    bool searchFolder(const std::string& folder, bool isFileSystemRoot, std::vector<std::string>& found);

    const FileMasks& masks_;
    StageGate& gate_;
    std::function<void(const std::string&)> onFound_;
};

} // namespace kavrel::library
