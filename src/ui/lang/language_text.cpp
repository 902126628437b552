#include "ui/lang/language_text.h"

#include "platform/fs/atomic_file.h"
#include "platform/text/lines.h"
#include "platform/text/utf8.h"

#include <system_error>

namespace kavrel::ui::lang {

namespace {

// Blanks and controls of every kind, the no-break space and the byte-order mark a text editor may put
// before line 1.
bool isLeadingFiller(char32_t c) {
    return c <= 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xA0 || c == 0xFEFF;
}

std::string withoutLeadingFiller(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t next = start;
        if (!isLeadingFiller(text::nextCodePoint(line, next)))
            break;
        start = next;
    }
    return std::string(line.substr(start));
}

} // namespace

const std::string& LanguageText::line(int number) const {
    static const std::string missing;
    if (number < 1 || number > lineCount())
        return missing;
    return lines_[static_cast<std::size_t>(number - 1)];
}

LanguageText parseLanguageText(std::string_view bytes) {
    const std::string decoded = text::decodeLegacyText(bytes);
    const std::string_view all = decoded;
    std::vector<std::string> lines;
    for (const std::string_view line : text::splitLines(all))
        lines.push_back(withoutLeadingFiller(line));
    return LanguageText(std::move(lines));
}

LanguageText readLanguageFile(const std::filesystem::path& file) {
    try {
        return parseLanguageText(fs::readWholeFile(file));
    } catch (const std::system_error& error) {
        throw LanguageFileError("Cannot open file \"" + file.string() + "\". " + error.code().message());
    }
}

} // namespace kavrel::ui::lang
