#include "tools/copy_targets.h"

#include "platform/text/collation.h"

#include <optional>
#include <sys/stat.h>

namespace kavrel::tools {
namespace {

std::optional<std::pair<unsigned long long, unsigned long long>> fileId(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return std::pair{static_cast<unsigned long long>(info.st_dev),
                     static_cast<unsigned long long>(info.st_ino)};
}

std::string numbered(const std::string& fileName, int number) {
    const std::filesystem::path name(fileName);
    return name.stem().string() + " (" + std::to_string(number) + ")" + name.extension().string();
}

} // namespace

CopyTargets::CopyTargets(const std::vector<std::string>& sourcePaths) {
    for (const auto& path : sourcePaths)
        if (const auto id = fileId(path))
            sources_.insert(*id);
}

CopyTargets::Target CopyTargets::claim(const std::filesystem::path& folder, const std::string& fileName,
                                       const std::string& sourcePath) {
    const auto ownId = fileId(sourcePath);
    for (int number = 1;; ++number) {
        const auto path = folder / (number == 1 ? fileName : numbered(fileName, number));
        if (claimed_.contains(text::toLowerCase(path.string())))
            continue;
        const auto existing = fileId(path);
        const bool isSource = existing && ownId && *existing == *ownId;
        if (existing && !isSource && sources_.contains(*existing))
            continue;
        claimed_.insert(text::toLowerCase(path.string()));
        return {path, isSource};
    }
}

} // namespace kavrel::tools
