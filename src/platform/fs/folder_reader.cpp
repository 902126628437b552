#include "platform/fs/folder_reader.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace kavrel::fs {

namespace {

bool endsAtRegularFile(const std::string& path) {
    struct stat target {};
    return ::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode);
}

// The directory entry's type saves a stat per entry; file systems that do not fill it in get an lstat.
EntryKind kindOf(const std::string& path, unsigned char type) {
    switch (type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_REG:
        return EntryKind::File;
    case DT_LNK:
        return endsAtRegularFile(path) ? EntryKind::File : EntryKind::Other;
    case DT_UNKNOWN: {
        struct stat self {};
        if (::lstat(path.c_str(), &self) != 0)
            return EntryKind::Other;
        if (S_ISDIR(self.st_mode))
            return EntryKind::Folder;
        if (S_ISREG(self.st_mode))
            return EntryKind::File;
        return S_ISLNK(self.st_mode) && endsAtRegularFile(path) ? EntryKind::File : EntryKind::Other;
    }
    default:
        return EntryKind::Other;
    }
}

} // namespace

FolderReader::FolderReader(std::string folder)
    : folder_(std::move(folder)), dir_(::opendir(folder_.c_str())) {
    if (dir_ == nullptr)
        error_ = errno;
}

FolderReader::~FolderReader() {
    if (dir_ != nullptr)
        ::closedir(static_cast<DIR*>(dir_));
}

std::optional<FolderEntry> FolderReader::next() {
    if (dir_ == nullptr)
        return std::nullopt;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(static_cast<DIR*>(dir_));
        if (entry == nullptr) {
            error_ = errno;
            return std::nullopt;
        }
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        FolderEntry result;
        result.path = folder_ + name;
        result.nameStart = folder_.size();
        result.kind = kindOf(result.path, entry->d_type);
        return result;
    }
}

} // namespace kavrel::fs
