#include "library/staged_library.h"

#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

#include "library/library_paths.h"
#include "platform/fs/folder_reader.h"

namespace kavrel::library {

namespace {

// The sub-folders of a folder, by name (none when it is not there). Throws naming the folder when it
// cannot be read to its end: a sub-folder missed here would be removed with the old set.
std::vector<std::string> subFolders(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    fs::FolderReader reader(folder.string() + '/');
    while (const auto entry = reader.next())
        if (entry->kind == fs::EntryKind::Folder)
            names.emplace_back(entry->name());
    if (reader.error() != 0 && reader.error() != ENOENT)
        throw std::system_error(reader.error(), std::generic_category(), folder.string());
    return names;
}

// Every sub-folder of `staging` goes back into the library; false when one cannot.
bool returnSubFolders(const std::filesystem::path& staging, const std::filesystem::path& library) noexcept {
    try {
        for (const auto& name : subFolders(staging))
            fs::moveEntry(staging / name, library / name);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

fs::StagingFolder cleanedStaging(const std::filesystem::path& libraryFolder) {
    removeStaleStagingFolders(libraryFolder);
    return fs::StagingFolder(libraryFolder);
}

} // namespace

StagedLibrary::StagedLibrary(std::filesystem::path libraryFolder, SaveStepHook beforeStep)
    : beforeStep_(std::move(beforeStep)), staging_(cleanedStaging(libraryFolder)) {}

StagedLibrary::~StagedLibrary() {
    if (!returnSubFolders(staging_.path(), staging_.target()))
        return; // kept whole; stale once released, and a later sweep tries again
    try {
        step(SaveStep::RemoveStaging);
    } catch (...) {
        return;
    }
    staging_.removeTree();
}

void StagedLibrary::writeFile(std::string_view name, std::string_view bytes) {
    staging_.writeFile(name, bytes);
}

void StagedLibrary::step(SaveStep which) const {
    if (beforeStep_)
        beforeStep_(which);
}

void StagedLibrary::install() {
    const auto& library = staging_.target();
    std::error_code error;
    if (std::filesystem::is_directory(library, error))
        for (const auto& name : subFolders(library)) {
            step(SaveStep::MoveSubFolder);
            fs::moveEntry(library / name, staging_.path() / name);
        }
    step(SaveStep::SetMode);
    staging_.setMode(0755);
    step(SaveStep::Sync);
    staging_.makeDurable();
    step(SaveStep::Swap);
    staging_.swapWithTarget();
    try {
        step(SaveStep::SyncSwap);
        staging_.syncSwap();
    } catch (...) {
        // Not known to be durable, so not saved: the old set goes back in place.
        staging_.swapWithTarget();
        throw;
    }
}

void removeStaleStagingFolders(const std::filesystem::path& libraryFolder) {
    fs::removeStaleStagingFolders(libraryFolder, [&libraryFolder](const std::filesystem::path& stale) {
        return returnSubFolders(stale, libraryFolder);
    });
}

void removeStaleStagingFolders(const fs::ProgramFolder& programFolder) {
    for (const std::string_view name : kLibraryNames)
        removeStaleStagingFolders(libraryFolder(programFolder, name));
}

} // namespace kavrel::library
