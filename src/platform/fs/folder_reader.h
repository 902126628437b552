#pragma once
// Reads the entries of one folder, one at a time, for walks over large trees.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kavrel::fs {

// Folder: a folder itself, never a link to one (so a walk cannot loop). File: a regular file, or a
// symbolic link that ends at one. Other: everything else, such as links to folders, dangling links,
// devices and sockets.
enum class EntryKind { Folder, File, Other };

struct FolderEntry {
    std::string path; // the folder as given, then the name
    std::size_t nameStart = 0;
    EntryKind kind = EntryKind::Other;

    std::string_view name() const { return std::string_view(path).substr(nameStart); }
};

class FolderReader {
public:
    // `folder` ends with '/' (entry paths are `folder` + name). A folder that cannot be read (missing,
    // not a folder, no permission) reads as empty; isOpen() tells it apart.
    explicit FolderReader(std::string folder);
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    bool isOpen() const { return dir_ != nullptr; }
    // The errno of a folder that could not be opened, or of the read error that ended next() early; 0
    // when every entry was read.
    int error() const { return error_; }

    // The next entry in the order the file system keeps them, hidden entries included and "." and ".."
    // left out; nullopt at the end. An entry removed while the folder is read may still be given.
    std::optional<FolderEntry> next();

private:
    std::string folder_;
    void* dir_;
    int error_ = 0;
};

} // namespace kavrel::fs
