#pragma once
// A language file: line N holds the text of one fixed control. Standard C++ only, so it is fuzzed and
// tested without a display.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::ui::lang {

// The lines of one language file, line 1 first, as UTF-8.
class LanguageText {
public:
    LanguageText() = default;
    explicit LanguageText(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // 1-based; a line the file lacks is empty text.
    const std::string& line(int number) const;
    int lineCount() const { return static_cast<int>(lines_.size()); }

private:
    std::vector<std::string> lines_;
};

// CR LF, LF and CR each end a line. Leading white space and control characters (and a byte-order mark)
// are removed from each line; trailing blanks are part of the text. The bytes are decoded by the
// program's one rule for outside text, applied to the file as a whole: a file is written in one code
// page, and a whole file tells Cyrillic from Latin far better than one short line does.
LanguageText parseLanguageText(std::string_view bytes);

// Raised when a language file cannot be opened or read; what() names the file and the system's reason.
class LanguageFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads and parses one file; throws LanguageFileError.
LanguageText readLanguageFile(const std::filesystem::path& file);

} // namespace kavrel::ui::lang
