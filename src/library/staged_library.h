#pragma once
// A library save that never leaves a folder which is neither the old library nor the complete new
// one: the new files go into a fresh sibling folder, are made durable with one sync, and the two
// folders then trade places in one atomic exchange. The old set is deleted afterwards.
#include <filesystem>
#include <string_view>

namespace kavrel::library {

class StagedLibrary {
public:
    // Creates the staging folder beside `libraryFolder` (whose parent is created when missing).
    // Throws std::system_error naming the folder on failure.
    explicit StagedLibrary(std::filesystem::path libraryFolder);
    // Removes the staging folder: the unused new set, or after install() the old one.
    ~StagedLibrary();
    StagedLibrary(const StagedLibrary&) = delete;
    StagedLibrary& operator=(const StagedLibrary&) = delete;

    // Throws std::system_error naming the file on failure.
    void writeFile(std::string_view name, std::string_view bytes);

    // Sub-folders of the old library move into the new one; then the new set replaces the old.
    void install();

private:
    std::filesystem::path libraryFolder_;
    std::filesystem::path stagingFolder_;
};

} // namespace kavrel::library
