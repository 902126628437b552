#include "library/library_paths.h"

#include <algorithm>
#include <string>

namespace kavrel::library {

std::string_view checkedLibraryName(std::string_view name) {
    const bool known = std::find(kLibraryNames.begin(), kLibraryNames.end(), name) != kLibraryNames.end();
    return known ? name : kLibraryNames[0];
}

std::filesystem::path libraryFolder(const fs::ProgramFolder& programFolder, std::string_view libraryName) {
    return programFolder.resolve("/Library/" + std::string(checkedLibraryName(libraryName)));
}

} // namespace kavrel::library
