#pragma once
// The final paths of one copy run. Two tracks whose names come out the same both survive: the later one
// becomes "Name (2).mp3", "Name (3).mp3" and so on. Names are compared ignoring case, since sticks and
// phones often are. An existing file is replaced, unless it is a source of this run, which is never
// overwritten.
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kavrel::tools {

class CopyTargets {
public:
    // Worker thread, before the first claim.
    explicit CopyTargets(const std::vector<std::string>& sourcePaths);

    struct Target {
        std::filesystem::path path;
        // The source already is this file (the destination holds the sources under these names).
        bool isSource = false;
    };
    Target claim(const std::filesystem::path& folder, const std::string& fileName,
                 const std::string& sourcePath);

private:
    using FileId = std::pair<unsigned long long, unsigned long long>;

    std::set<FileId> sources_;
    std::set<std::string> claimed_;
};

} // namespace kavrel::tools
