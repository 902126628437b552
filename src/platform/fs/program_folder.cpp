#include "platform/fs/program_folder.h"

#include "platform/text/collation.h"

#include <algorithm>
#include <vector>

namespace kavrel::fs {

namespace stdfs = std::filesystem;

namespace {

std::vector<std::string> components(std::string_view relativePath) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : relativePath) {
        if (c == '/' || c == '\\') {
            if (!current.empty())
                parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(std::move(current));
    return parts;
}

// The entry of folder whose name equals name ignoring case; the exact spelling wins, then the first in
// byte order so the choice never depends on directory order.
std::string spellingOnDisk(const stdfs::path& folder, const std::string& name) {
    std::error_code error;
    if (stdfs::exists(folder / name, error))
        return name;
    std::vector<std::string> matches;
    for (const auto& entry : stdfs::directory_iterator(folder, error)) {
        std::string candidate = entry.path().filename().string();
        if (text::equalsIgnoreCase(candidate, name))
            matches.push_back(std::move(candidate));
    }
    if (matches.empty())
        return name;
    return *std::min_element(matches.begin(), matches.end());
}

} // namespace

stdfs::path resolveIgnoringCase(const stdfs::path& folder, std::string_view relativePath) {
    stdfs::path result = folder;
    for (const std::string& part : components(relativePath)) {
        if (part == "." || part == "..")
            result /= part;
        else
            result /= spellingOnDisk(result, part);
    }
    return result;
}

ProgramFolder::ProgramFolder(stdfs::path root) : root_(std::move(root)) {}

ProgramFolder ProgramFolder::current() { return ProgramFolder(stdfs::current_path()); }

stdfs::path ProgramFolder::resolve(std::string_view relativePath) const {
    return resolveIgnoringCase(root_, relativePath);
}

} // namespace kavrel::fs
