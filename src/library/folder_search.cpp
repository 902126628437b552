#include "library/folder_search.h"

#include <array>
#include <filesystem>
#include <string_view>

#include "platform/fs/folder_reader.h"

namespace kavrel::library {

namespace {

constexpr std::array<std::string_view, 3> kSystemFolders = {"/proc", "/sys", "/dev"};

bool isSystemFolder(const std::string& path) {
    for (std::string_view system : kSystemFolders)
        if (path.starts_with(system) && (path.size() == system.size() || path[system.size()] == '/'))
            return true;
    return false;
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
    fs::FolderReader reader(folder);
    if (!reader.isOpen())
        return gate_.pass();
    while (auto entry = reader.next()) {
        switch (entry->kind) {
        case fs::EntryKind::Folder:
            if (isFileSystemRoot && isSystemFolder(entry->path))
                break;
            if (!searchFolder(entry->path + '/', false, found))
                return false;
            break;
        case fs::EntryKind::File:
            if (masks_.matches(entry->name())) {
                found.push_back(std::move(entry->path));
                onFound_(found.back());
                if (!gate_.pass())
                    return false;
            }
            break;
        case fs::EntryKind::Other:
            break;
        }
    }
    return gate_.pass();
}

} // namespace kavrel::library
