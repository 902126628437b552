#include "platform/fs/staging_folder.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/fs/folder_reader.h"

namespace kavrel::fs {

using detail::fail;
using detail::FileDescriptor;

namespace {

constexpr std::string_view kAsideSuffix = ".old";
constexpr std::size_t kUniqueLength = 6; // the XXXXXX of mkdtemp

bool isFolder(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool isPresent(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

// A target reached through a symbolic link is swapped where the link leads, so the link stays.
std::filesystem::path resolvedTarget(std::filesystem::path folder) {
    if (!folder.has_filename())
        folder = folder.parent_path();
    std::error_code error;
    if (std::filesystem::is_symlink(folder, error)) {
        auto resolved = std::filesystem::canonical(folder, error);
        if (!error)
            return resolved;
    }
    return folder;
}

std::string stagingPrefix(const std::filesystem::path& target) {
    std::string prefix = ".";
    prefix += target.filename().string();
    prefix += '.';
    return prefix;
}

enum class Hold { Held, Busy, Gone, Unsupported };

// An exclusive flock on the folder now at `folder`. Gone when nothing is there, or the folder that was
// locked has since been moved or removed (so the lock guards nothing at that path).
Hold holdFolder(const std::filesystem::path& folder, bool wait, FileDescriptor& held) {
    FileDescriptor fd = detail::openFolder(folder);
    if (!fd.isOpen())
        return Hold::Gone;
    int locked;
    do
        locked = ::flock(fd.get(), LOCK_EX | (wait ? 0 : LOCK_NB));
    while (locked != 0 && errno == EINTR);
    if (locked != 0)
        return errno == EWOULDBLOCK ? Hold::Busy : Hold::Unsupported;
    struct stat opened {
    }, atPath{};
    if (::fstat(fd.get(), &opened) != 0 || ::lstat(folder.c_str(), &atPath) != 0 ||
        opened.st_dev != atPath.st_dev || opened.st_ino != atPath.st_ino)
        return Hold::Gone;
    held = std::move(fd);
    return Hold::Held;
}

void renameOrFail(const std::filesystem::path& from, const std::filesystem::path& to,
                  const std::filesystem::path& named) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        fail(named, errno);
}

// False when the file system cannot exchange two names.
bool exchange(const std::filesystem::path& a, const std::filesystem::path& b) {
#ifdef RENAME_EXCHANGE
    if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        fail(b, errno);
#endif
    return false;
}

// Each step that fails undoes the ones before it, so both folders are as they were.
void swapByRenames(const std::filesystem::path& staging, const std::filesystem::path& target) {
    const std::filesystem::path aside = staging.string() + std::string(kAsideSuffix);
    renameOrFail(target, aside, target);
    if (::rename(staging.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::rename(aside.c_str(), target.c_str());
        fail(target, error);
    }
    if (::rename(aside.c_str(), staging.c_str()) != 0) {
        const int error = errno;
        ::rename(target.c_str(), staging.c_str());
        ::rename(aside.c_str(), target.c_str());
        fail(target, error);
    }
}

// Unlinking files whose blocks are on disk waits on the journal; several unlinks in flight overlap
// those waits (ten times faster for a library of thousands of artist files).
void removeFolderTree(const std::filesystem::path& folder) noexcept {
    constexpr std::size_t kThreads = 4;
    std::vector<std::string> files;
    {
        FolderReader reader(folder.string() + '/');
        while (auto entry = reader.next())
            if (entry->kind != EntryKind::Folder)
                files.push_back(std::move(entry->path));
    }
    try {
        std::vector<std::jthread> removers;
        for (std::size_t first = 0; first < kThreads && first < files.size(); ++first)
            removers.emplace_back([&files, first] {
                for (std::size_t i = first; i < files.size(); i += kThreads)
                    ::unlink(files[i].c_str());
            });
    } catch (const std::system_error&) {
        // No thread to spare: remove_all below does the work alone.
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

} // namespace

StagingFolder::StagingFolder(std::filesystem::path target) : target_(resolvedTarget(std::move(target))) {
    std::error_code ignored;
    std::filesystem::create_directories(target_.parent_path(), ignored);
    const std::string pattern =
        (target_.parent_path() / (stagingPrefix(target_) + std::string(kUniqueLength, 'X'))).string();
    // A stale-folder sweep in another process may take a folder made here before it is held; then a
    // fresh one is made.
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string made = pattern;
        if (::mkdtemp(made.data()) == nullptr)
            fail(target_, errno);
        const Hold hold = holdFolder(made, true, hold_);
        if (hold == Hold::Held || hold == Hold::Unsupported) {
            path_ = std::move(made);
            return;
        }
    }
    fail(target_, EAGAIN);
}

void StagingFolder::writeFile(std::string_view name, std::string_view bytes) const {
    const auto file = path_ / name;
    FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.isOpen())
        fail(file, errno);
    detail::writeAll(fd.get(), bytes, file);
    if (::close(fd.release()) != 0)
        fail(file, errno);
}

void StagingFolder::setMode(mode_t mode) const {
    if (::chmod(path_.c_str(), mode) != 0)
        fail(path_, errno);
}

void StagingFolder::makeDurable() const {
    const FileDescriptor fd = detail::openFolder(path_);
    if (!fd.isOpen())
        fail(path_, errno);
#ifdef __linux__
    if (::syncfs(fd.get()) != 0)
        fail(path_, errno);
#else
    ::sync();
#endif
}

void StagingFolder::swapWithTarget() {
    const bool hadTarget = isPresent(target_);
    if (hadTarget && !isFolder(target_))
        fail(target_, ENOTDIR);
    FileDescriptor oldTarget;
    if (hadTarget)
        holdFolder(target_, true, oldTarget);
    if (!hadTarget)
        renameOrFail(path_, target_, target_);
    else if (!isPresent(path_))
        renameOrFail(target_, path_, target_);
    else if (!exchange(path_, target_))
        swapByRenames(path_, target_);
    hold_ = std::move(oldTarget);
}

void StagingFolder::syncSwap() const {
    if (const int error = detail::syncFolder(target_.parent_path()); error != 0)
        fail(target_.parent_path(), error);
}

void StagingFolder::removeTree() const noexcept {
    removeFolderTree(path_);
}

void moveEntry(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        fail(to, errno);
#endif
    // Without the kernel's check an entry made at `to` in between could still be replaced.
    if (isPresent(to))
        fail(to, EEXIST);
    renameOrFail(from, to, to);
}

void removeStaleStagingFolders(const std::filesystem::path& folder,
                               const std::function<bool(const std::filesystem::path&)>& salvage) {
    const auto target = resolvedTarget(folder);
    const std::string prefix = stagingPrefix(target);
    const auto isUnique = [](std::string_view text) {
        if (text.size() != kUniqueLength)
            return false;
        for (const char c : text)
            if (!(c >= '0' && c <= '9') && !(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z'))
                return false;
        return true;
    };
    std::vector<std::filesystem::path> staging, asides;
    FolderReader reader(target.parent_path().string() + '/');
    while (auto entry = reader.next()) {
        std::string_view name = entry->name();
        if (entry->kind != EntryKind::Folder || !name.starts_with(prefix))
            continue;
        name.remove_prefix(prefix.size());
        if (isUnique(name))
            staging.emplace_back(entry->path);
        else if (name.ends_with(kAsideSuffix) && isUnique(name.substr(0, name.size() - kAsideSuffix.size())))
            asides.emplace_back(entry->path);
    }
    for (const auto& aside : asides) {
        FileDescriptor held;
        if (holdFolder(aside, false, held) != Hold::Held)
            continue;
        if (isPresent(target)) {
            staging.push_back(aside);
            continue;
        }
        try {
            moveEntry(aside, target);
        } catch (const std::system_error&) {
            // Left for a later sweep; the old contents stay whole where they are.
        }
    }
    for (const auto& stale : staging) {
        FileDescriptor held;
        if (holdFolder(stale, false, held) != Hold::Held)
            continue;
        bool salvaged = false;
        try {
            salvaged = salvage(stale);
        } catch (...) {
            salvaged = false;
        }
        if (salvaged)
            removeFolderTree(stale);
    }
}

} // namespace kavrel::fs
