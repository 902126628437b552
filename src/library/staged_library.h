#pragma once
// A library save that never leaves a folder which is neither the old library nor the complete new
// one: the new files go into a staging folder beside the library (see fs::StagingFolder), are made
// durable with one sync, and the two folders then trade places in one atomic exchange. Sub-folders of the
// library are the user's: they travel into the new set before the exchange and back into the library
// whenever a save does not complete, so no failure or kill loses them.
#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/fs/program_folder.h"
#include "platform/fs/staging_folder.h"

namespace kavrel::library {

// The file-system steps of a save, in their order.
enum class SaveStep { MoveSubFolder, SetMode, Sync, Swap, SyncSwap, RemoveStaging };

// Runs before each step (once per sub-folder for MoveSubFolder). A test makes that step fail by throwing,
// or ends the process there.
using SaveStepHook = std::function<void(SaveStep)>;

class StagedLibrary {
public:
    // Clears the stale staging folders of `libraryFolder` (removeStaleStagingFolders), then creates its
    // own beside it (the parent is created when missing). Throws std::system_error naming the folder on
    // failure.
    explicit StagedLibrary(std::filesystem::path libraryFolder, SaveStepHook beforeStep = {});
    // Returns any sub-folder still in the staging folder to the library, then removes the staging folder:
    // the unused new set, or after install() the old one.
    ~StagedLibrary();
    StagedLibrary(const StagedLibrary&) = delete;
    StagedLibrary& operator=(const StagedLibrary&) = delete;

    // Throws std::system_error naming the file on failure.
    void writeFile(std::string_view name, std::string_view bytes);

    // The new set, with the library's sub-folders, replaces the old one, durably. Throws
    // std::system_error naming the file or folder on failure; the old library is then whole in place.
    void install();

private:
    void step(SaveStep) const;

    SaveStepHook beforeStep_;
    fs::StagingFolder staging_;
};

// Removes the staging folders that killed or failed saves of `libraryFolder` left beside it, returning
// any sub-folder found in one to the library; folders of saves still running (in any process) stay. Safe
// at any time, from any thread, and never throws. A save calls it before it starts.
void removeStaleStagingFolders(const std::filesystem::path& libraryFolder);
// The same for each of the three library folders: the player's start-up calls this.
void removeStaleStagingFolders(const fs::ProgramFolder& programFolder);

} // namespace kavrel::library
