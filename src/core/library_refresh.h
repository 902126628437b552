#pragma once
// "Refresh Library": the library is built again from the folders its songs came from, as listed by its
// "path.pan", so new files in them are found and vanished ones drop out. Main thread.
#include "core/library_builds.h"
#include "platform/fs/program_folder.h"

#include <optional>
#include <string>
#include <vector>

namespace kavrel::core {

// The folders holding `filePaths`, without those that lie inside another of them (the scan walks
// subfolders), in the order first seen.
std::vector<std::string> foldersOfFiles(const std::vector<std::string>& filePaths);

// The rebuild of `library` ("LB1", "LB2"; the CD library is read from the disc instead) from those of its
// folders that still exist; nullopt when there is none.
std::optional<LibraryBuildRequest> refreshRequest(const fs::ProgramFolder& programFolder,
                                                  const std::string& library);

} // namespace kavrel::core
