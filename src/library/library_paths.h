#pragma once
// The three library folders under the program folder.
#include <array>
#include <filesystem>
#include <string_view>

#include "platform/fs/program_folder.h"

namespace kavrel::library {

inline constexpr std::array<std::string_view, 3> kLibraryNames = {"LB1", "LB2", "LBCD"};

// "LB1", "LB2" or "LBCD" as given; any other name reads as "LB1".
std::string_view checkedLibraryName(std::string_view name);

// Program folder + "/Library/" + name, in the spelling found on disk.
std::filesystem::path libraryFolder(const fs::ProgramFolder& programFolder, std::string_view libraryName);

} // namespace kavrel::library
