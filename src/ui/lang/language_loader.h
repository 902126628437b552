#pragma once
// Applying a language: the five files, read and applied in order, each to its window.
#include "platform/fs/program_folder.h"
#include "ui/lang/language_paths.h"

#include <QString>

class QWidget;

namespace kavrel::ui::lang {

// Shows a language file that could not be read. Main thread; may block while the user reads it.
class LanguageErrorReporter {
public:
    virtual ~LanguageErrorReporter() = default;
    virtual void reportLanguageError(const QString& message) = 0;
};

// The windows that take language files. A window left null is skipped; its file is still read, so a
// broken file is reported all the same.
struct LanguageWindows {
    QWidget* main = nullptr;
    QWidget* mini = nullptr;
    QWidget* preferences = nullptr;
    QWidget* copier = nullptr;
    QWidget* libraryBuild = nullptr;

    QWidget* of(LanguageWindow window) const;
};

// Main thread. Reads and applies the files in order (main, mini, preferences, copier, library build). The
// first file that cannot be read is reported once and neither it nor any file after it is applied; the
// windows before it keep their new texts. Nothing remembers the previous language.
void applyLanguageFiles(const LanguageFilePaths& files, const LanguageWindows& windows,
                        LanguageErrorReporter& errors);

// The language of the preferences' choice (kRussian or kEnglish); any other index changes nothing.
void applyLanguage(const fs::ProgramFolder& folder, int languageIndex, const LanguageWindows& windows,
                   LanguageErrorReporter& errors);

} // namespace kavrel::ui::lang
