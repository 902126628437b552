#pragma once
// A folder replaced as a whole. The new contents are built in a hidden sibling, the staging folder
// ".NAME.XXXXXX", which then trades places with the folder. While a StagingFolder lives it holds its
// folder (an flock on the folder itself), so another process never removes a live one. The kernel drops
// the hold when the process ends, however it ends: a staging folder left by a killed or failed process
// is stale, and removeStaleStagingFolders() clears it.
#include <filesystem>
#include <functional>
#include <string_view>
#include <sys/types.h>

#include "platform/fs/posix_file.h"

namespace kavrel::fs {

class StagingFolder {
public:
    // Creates an empty staging folder (mode 0700) beside `target`, creating target's parent when missing.
    // Throws std::system_error naming target on failure.
    explicit StagingFolder(std::filesystem::path target);
    // Lets go of the hold; whatever is still at path() stays there (see removeTree()).
    ~StagingFolder() = default;
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& target() const { return target_; }

    // Creates or truncates a file in the staging folder. Not durable by itself: see makeDurable().
    // Throws std::system_error naming the file; the file may then be left part-written.
    void writeFile(std::string_view name, std::string_view bytes) const;

    // Throws std::system_error naming the folder; nothing changes then.
    void setMode(mode_t mode) const;

    // Everything written so far to the staging folder's file system is on disk when this returns: one
    // syncfs, far cheaper than an fsync per file for thousands of files. Throws std::system_error naming
    // the folder.
    void makeDurable() const;

    // The staging folder and target trade places: afterwards target holds what path() held, and path()
    // holds the old target (nothing when there was none). Atomic where the file system can exchange two
    // names; elsewhere three renames through path() + ".old", and a process killed between them leaves
    // target missing and its old contents in that folder, which removeStaleStagingFolders() puts back.
    // Throws std::system_error naming target; both folders are then as they were. Not durable until
    // syncSwap(). Whatever is at path() afterwards is held, so it can be swapped back.
    void swapWithTarget();

    // Makes the last swap survive a power loss (an fsync of the parent folder). Throws std::system_error
    // naming the parent; the swap has happened all the same.
    void syncSwap() const;

    // Removes path() and everything in it. Best effort and never throws: what cannot be removed stays,
    // and is stale once this object is gone.
    void removeTree() const noexcept;

private:
    std::filesystem::path target_;
    std::filesystem::path path_;
    detail::FileDescriptor hold_;
};

// Gives a folder entry a new name on the same file system in one atomic rename, never replacing an
// existing entry. Throws std::system_error naming `to`; nothing changes then.
void moveEntry(const std::filesystem::path& from, const std::filesystem::path& to);

// Clears the stale staging folders of `target` (see StagingFolder), leaving those that a live process
// holds. An interrupted swap is undone first: when target is missing, the old contents go back to it.
// `salvage` is called with each stale folder, held, before it is removed: it moves out whatever must
// survive, and a false return (or a throw) keeps the folder. On a file system that cannot hold folders
// (no flock) nothing is removed. Never throws.
void removeStaleStagingFolders(const std::filesystem::path& target,
                               const std::function<bool(const std::filesystem::path&)>& salvage);

} // namespace kavrel::fs
