#include "ui/lang/language_paths.h"

#include <string>

namespace kavrel::ui::lang {

std::optional<LanguageFilePaths> languageFilePaths(const fs::ProgramFolder& folder, int languageIndex) {
    std::string languageFolder;
    if (languageIndex == kRussian)
        languageFolder = "\\Lang\\russian\\";
    else if (languageIndex == kEnglish)
        languageFolder = "\\Lang\\english\\";
    else
        return std::nullopt;
    LanguageFilePaths paths;
    const auto& tables = languageFileTables();
    for (std::size_t i = 0; i < tables.size(); ++i)
        paths[i] = folder.resolve(languageFolder + std::string(tables[i].fileName));
    return paths;
}

} // namespace kavrel::ui::lang
