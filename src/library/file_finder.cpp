#include "library/file_finder.h"

#include <string_view>
#include <unordered_set>

#include "library/folder_search.h"
#include "library/library_files.h"
#include "library/scaner.h"
#include "library/tag_and_lib.h"

namespace kavrel::library {

namespace {

// Keeps the known paths as they are and each later path only once.
void dropRepeatedNewPaths(std::vector<std::string>& paths, std::size_t knownCount) {
    std::unordered_set<std::string_view> seen;
    seen.reserve(paths.size());
    for (std::size_t i = 0; i < knownCount; ++i)
        seen.insert(paths[i]);
    std::size_t kept = knownCount;
    for (std::size_t i = knownCount; i < paths.size(); ++i) {
        if (seen.contains(paths[i]))
            continue;
        if (kept != i)
            paths[kept] = std::move(paths[i]);
        seen.insert(paths[kept]);
        ++kept;
    }
    paths.resize(kept);
}

} // namespace

void TFileFinder::Execute() {
    auto& progress = builder_.progress();
    progress.stageRunning(BuildStage::FindingFiles);

    const auto knownPaths = libraryFile(builder_.LibraryPath, "Path.pan");
    if (!std::filesystem::is_regular_file(knownPaths))
        builder_.AddMode = false;
    std::vector<std::string> paths;
    if (builder_.AddMode)
        paths = readTextLines(knownPaths);
    builder_.KnownFileCount = static_cast<std::int32_t>(paths.size());
    const std::size_t knownCount = paths.size();
    paths.insert(paths.end(), builder_.FileList.begin(), builder_.FileList.end());

    const FileMasks masks(builder_.Masks);
    FolderSearch search(masks, builder_.gate(), [&](const std::string& path) {
        progress.foundFiles(static_cast<int>(paths.size() - knownCount));
        progress.fileNameLine(path);
    });
    for (const auto& folder : builder_.Folders)
        if (!search.search(folder, paths))
            return;

    if (builder_.AddMode)
        dropRepeatedNewPaths(paths, knownCount);
    builder_.FileList = std::move(paths);
    progress.stageDone(BuildStage::FindingFiles);

    if (builder_.FileList.empty()) {
        progress.noFilesFound();
        return;
    }
    if (builder_.ScanTags)
        builder_.handOver(std::make_unique<TScaner>(builder_));
}

} // namespace kavrel::library
