#include "core/library_refresh.h"

#include "library/library_files.h"
#include "library/library_paths.h"

#include <algorithm>
#include <filesystem>

namespace kavrel::core {

namespace {

bool inside(const std::filesystem::path& folder, const std::filesystem::path& outer) {
    auto [end, _] = std::mismatch(outer.begin(), outer.end(), folder.begin(), folder.end());
    return end == outer.end();
}

} // namespace

std::vector<std::string> foldersOfFiles(const std::vector<std::string>& filePaths) {
    std::vector<std::filesystem::path> folders;
    for (const std::string& file : filePaths) {
        const std::filesystem::path folder = std::filesystem::path(file).parent_path().lexically_normal();
        if (folder.empty())
            continue;
        if (std::ranges::any_of(folders, [&](const auto& known) { return inside(folder, known); }))
            continue;
        std::erase_if(folders, [&](const auto& known) { return inside(known, folder); });
        folders.push_back(folder);
    }
    std::vector<std::string> result;
    for (const auto& folder : folders)
        result.push_back(folder.string());
    return result;
}

std::optional<LibraryBuildRequest> refreshRequest(const fs::ProgramFolder& programFolder,
                                                  const std::string& library) {
    const auto name = std::string(library::checkedLibraryName(library));
    const auto files = library::readTextLines(
        library::libraryFile(library::libraryFolder(programFolder, name), library::kPathListFile));
    LibraryBuildRequest request;
    request.library = name;
    std::error_code error;
    for (std::string& folder : foldersOfFiles(files))
        if (std::filesystem::is_directory(folder, error))
            request.folders.push_back(std::move(folder));
    if (request.folders.empty())
        return std::nullopt;
    return request;
}

} // namespace kavrel::core
