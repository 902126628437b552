#include "metadata/id3v2_text.h"

#include <algorithm>

#include "metadata/tag_text.h"
#include "platform/text/utf8.h"

namespace kavrel::metadata {

namespace {

constexpr char kUtf16WithBom = 1;
constexpr char kUtf16BigEndian = 2;
constexpr char kUtf8 = 3;

bool isUtf16(char encoding) {
    return encoding == kUtf16WithBom || encoding == kUtf16BigEndian;
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        auto unit = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
        if (unit == 0)
            break;
        if (unit == 0xFFFE && units.empty()) {
            // A mark in the other order than assumed: it names the order of what follows.
            bigEndian = !bigEndian;
            continue;
        }
        if (unit == 0xFEFF)
            continue;
        units += unit;
    }
    return text::fromUtf16(trimBlanks(std::u16string_view(units)));
}

} // namespace

std::string decodeId3v2Text(std::string_view raw) {
    if (raw.empty())
        return {};
    const char encoding = raw.front();
    if (isUtf16(encoding))
        return decodeUtf16(raw.substr(1), encoding == kUtf16BigEndian);
    return text::decodeFieldText(trimBlanks(raw), encoding == kUtf8);
}

std::string decodeId3v2DescribedText(std::string_view raw, bool hasLanguage) {
    if (raw.empty())
        return {};
    const char encoding = raw.front();
    std::string_view rest = raw.substr(std::min(raw.size(), std::size_t{hasLanguage ? 4u : 1u}));
    if (isUtf16(encoding)) {
        // The two-byte terminator is looked for on unit boundaries, so a descriptor's last character
        // cannot pair with the terminator and shift the text by one byte.
        for (std::size_t i = 0; i + 1 < rest.size(); i += 2) {
            if (rest[i] == 0 && rest[i + 1] == 0) {
                rest.remove_prefix(i + 2);
                break;
            }
        }
    } else if (const auto end = rest.find('\0'); end != std::string_view::npos) {
        rest.remove_prefix(end + 1);
    }
    std::string text(1, encoding);
    text += rest;
    return decodeId3v2Text(text);
}

} // namespace kavrel::metadata
