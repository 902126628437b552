#pragma once
// Where the files of each language live in the program folder.
#include "platform/fs/program_folder.h"
#include "ui/lang/language_tables.h"

#include <array>
#include <filesystem>
#include <optional>

namespace kavrel::ui::lang {

// The values of the preferences' language choice.
inline constexpr int kRussian = 0;
inline constexpr int kEnglish = 1;

using LanguageFilePaths = std::array<std::filesystem::path, kLanguageWindowCount>;

// The five files of a language, in application order; nullopt for any index but kRussian and kEnglish.
std::optional<LanguageFilePaths> languageFilePaths(const fs::ProgramFolder& folder, int languageIndex);

} // namespace kavrel::ui::lang
