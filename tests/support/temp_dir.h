#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::test {

// A fresh folder under the system temporary folder, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Writes bytes to a file, creating its parent folders.
void writeFile(const std::filesystem::path& file, std::string_view bytes);
// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::filesystem::path& file);
// The names of the entries of a folder (hidden ones included), sorted.
std::vector<std::string> entryNames(const std::filesystem::path& folder);
// A committed fixture under tests/fixtures.
std::filesystem::path fixture(std::string_view relativePath);

} // namespace kavrel::test
