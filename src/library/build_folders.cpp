#include "library/build_folders.h"

#include "library/file_mask.h"

#include <algorithm>
#include <filesystem>

namespace kavrel::library {
namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace

std::vector<std::string> foldersOfField(std::string_view field) {
    std::vector<std::string> folders;
    while (true) {
        const auto end = field.find(';');
        if (const auto piece = trimmed(field.substr(0, end)); !piece.empty())
            folders.emplace_back(piece);
        if (end == std::string_view::npos)
            return folders;
        field.remove_prefix(end + 1);
    }
}

std::vector<std::string> foldersOfFiles(const std::vector<std::string>& paths) {
    std::vector<std::string> parents;
    parents.reserve(paths.size());
    for (const auto& path : paths) {
        const auto slash = path.rfind('/');
        if (slash == std::string::npos)
            continue;
        parents.push_back(slash == 0 ? "/" : path.substr(0, slash));
    }
    std::ranges::sort(parents);
    parents.erase(std::unique(parents.begin(), parents.end()), parents.end());
    return parents;
}

std::vector<std::string> filesIn(const std::vector<std::string>& folders,
                                 const std::vector<std::string>& masks) {
    const FileMasks matching(masks);
    std::vector<std::string> files;
    for (const auto& folder : folders) {
        std::error_code error;
        for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            std::error_code ignored;
            if (entry->is_regular_file(ignored) && matching.matches(entry->path().filename().string()))
                files.push_back(entry->path().string());
        }
    }
    std::ranges::sort(files);
    return files;
}

FolderPresence folderPresence(const std::vector<std::string>& folders) {
    FolderPresence presence;
    for (const auto& folder : folders) {
        std::error_code error;
        (std::filesystem::is_directory(folder, error) ? presence.present : presence.missing)
            .push_back(folder);
    }
    return presence;
}

DroppedItems sortDroppedPaths(const std::vector<std::string>& paths) {
    DroppedItems items;
    for (const auto& path : paths) {
        std::error_code error;
        const auto status = std::filesystem::status(path, error);
        const bool folder = std::filesystem::exists(status) ? std::filesystem::is_directory(status)
                                                            : !std::filesystem::path(path).has_extension();
        (folder ? items.folders : items.files).push_back(path);
    }
    return items;
}

} // namespace kavrel::library
