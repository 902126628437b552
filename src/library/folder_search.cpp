#include "library/folder_search.h"

#include <array>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>

namespace kavrel::library {

namespace {

constexpr std::array<std::string_view, 3> kSystemFolders = {"/proc", "/sys", "/dev"};

bool isSystemFolder(const std::string& path) {
    for (std::string_view system : kSystemFolders)
        if (path.starts_with(system) && (path.size() == system.size() || path[system.size()] == '/'))
            return true;
    return false;
}

class FolderReader {
public:
    explicit FolderReader(const std::string& folder) : dir_(::opendir(folder.c_str())) {}
    ~FolderReader() {
        if (dir_ != nullptr)
            ::closedir(dir_);
    }
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;
    bool isOpen() const { return dir_ != nullptr; }
    const dirent* next() { return ::readdir(dir_); }

private:
    DIR* dir_;
};

enum class EntryKind { Folder, File, Other };

EntryKind kindOf(const std::string& path, const dirent& entry) {
    switch (entry.d_type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_REG:
        return EntryKind::File;
    case DT_LNK: {
        // A link to a file is taken; a link to a folder is not followed.
        struct stat target {};
        return ::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode) ? EntryKind::File
                                                                             : EntryKind::Other;
    }
    case DT_UNKNOWN: {
        struct stat self {};
        if (::lstat(path.c_str(), &self) != 0)
            return EntryKind::Other;
        if (S_ISDIR(self.st_mode))
            return EntryKind::Folder;
        if (S_ISREG(self.st_mode))
            return EntryKind::File;
        struct stat target {};
        return S_ISLNK(self.st_mode) && ::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode)
                   ? EntryKind::File
                   : EntryKind::Other;
    }
    default:
        return EntryKind::Other;
    }
}

} // namespace

FolderSearch::FolderSearch(const FileMasks& masks, StageGate& gate,
                           std::function<void(const std::string&)> onFound)
    : masks_(masks), gate_(gate), onFound_(std::move(onFound)) {}

bool FolderSearch::search(const std::string& folder, std::vector<std::string>& found) {
    std::error_code error, ignored;
    const auto canonical = std::filesystem::canonical(folder, error);
    const auto asGiven = std::filesystem::absolute(folder, ignored).lexically_normal();
    if (error || isSystemFolder(canonical.string()) || isSystemFolder(asGiven.string()))
        return gate_.pass();
    const std::string withSlash = folder.ends_with('/') ? folder : folder + '/';
    return searchFolder(withSlash, canonical == "/", found);
}

bool FolderSearch::searchFolder(const std::string& folder, bool isFileSystemRoot,
                                std::vector<std::string>& found) {
    FolderReader reader(folder);
    if (!reader.isOpen())
        return gate_.pass();
    while (const dirent* entry = reader.next()) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        std::string path = folder + name;
        switch (kindOf(path, *entry)) {
        case EntryKind::Folder:
            if (isFileSystemRoot && isSystemFolder(path))
                break;
            if (!searchFolder(path + '/', false, found))
                return false;
            break;
        case EntryKind::File:
            if (masks_.matches(name)) {
                found.push_back(std::move(path));
                onFound_(found.back());
                if (!gate_.pass())
                    return false;
            }
            break;
        case EntryKind::Other:
            break;
        }
    }
    return gate_.pass();
}

} // namespace kavrel::library
