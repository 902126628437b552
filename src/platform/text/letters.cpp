#include "platform/text/letters.h"

#include "platform/text/utf8.h"

namespace kavrel::text {

std::optional<LetterClass> firstLetterClass(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = nextCodePoint(utf8, pos);
        if (isCyrillicLetter(c))
            return LetterClass::Cyrillic;
        if (isLatinLetter(c))
            return LetterClass::Latin;
    }
    return std::nullopt;
}

} // namespace kavrel::text
