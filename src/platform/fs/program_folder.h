#pragma once
// Paths inside the program folder. Names there are resolved ignoring letter case because the same file
// is spelled several ways ("Conf.pcf" and "conf.pcf"); each has one spelling on disk.
#include <filesystem>
#include <string_view>

namespace kavrel::fs {

class ProgramFolder {
public:
    explicit ProgramFolder(std::filesystem::path root);
    // The current directory, taken once at start.
    static ProgramFolder current();

    const std::filesystem::path& root() const { return root_; }

    // A relative path as the program spells it ("\PlSysFile\Conf.pcf" or "/Library/lb1/path.pan"),
    // joined to the root. Each component that exists on disk under another letter case takes the
    // spelling on disk; components that do not exist keep the given spelling.
    std::filesystem::path resolve(std::string_view relativePath) const;

private:
    std::filesystem::path root_;
};

// Joins a program-folder-relative path (either slash) to a folder, resolving existing names ignoring case.
std::filesystem::path resolveIgnoringCase(const std::filesystem::path& folder, std::string_view relativePath);

} // namespace kavrel::fs
