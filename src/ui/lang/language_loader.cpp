#include "ui/lang/language_loader.h"

#include "ui/lang/language_applier.h"
#include "ui/lang/language_text.h"

namespace kavrel::ui::lang {

QWidget* LanguageWindows::of(LanguageWindow window) const {
    switch (window) {
    case LanguageWindow::Main:
        return main;
    case LanguageWindow::Mini:
        return mini;
    case LanguageWindow::Preferences:
        return preferences;
    case LanguageWindow::Copier:
        return copier;
    case LanguageWindow::LibraryBuild:
        return libraryBuild;
    }
    return nullptr;
}

void applyLanguageFiles(const LanguageFilePaths& files, const LanguageWindows& windows,
                        LanguageErrorReporter& errors) {
    const auto& tables = languageFileTables();
    for (std::size_t i = 0; i < tables.size(); ++i) {
        LanguageText text;
        try {
            text = readLanguageFile(files[i]);
        } catch (const LanguageFileError& error) {
            errors.reportLanguageError(QString::fromStdString(error.what()));
            return;
        }
        if (QWidget* window = windows.of(tables[i].window))
            applyLanguageText(text, tables[i], *window);
    }
}

void applyLanguage(const fs::ProgramFolder& folder, int languageIndex, const LanguageWindows& windows,
                   LanguageErrorReporter& errors) {
    if (const auto files = languageFilePaths(folder, languageIndex))
        applyLanguageFiles(*files, windows, errors);
}

} // namespace kavrel::ui::lang
