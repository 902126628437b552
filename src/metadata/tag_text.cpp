#include "metadata/tag_text.h"

#include <algorithm>

#include "platform/text/numbers.h"
#include "platform/text/utf8.h"

namespace kavrel::metadata {

namespace {

template <class Char> bool isBlank(Char c) {
    return static_cast<std::uint32_t>(c) <= 0x20;
}

template <class View> View trimBoth(View text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string_view trimBlanks(std::string_view text) {
    return trimBoth(text);
}
std::u16string_view trimBlanks(std::u16string_view units) {
    return trimBoth(units);
}

std::string_view trimBlanksRight(std::string_view text) {
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view validUtf8Prefix(std::string_view bytes) {
    std::size_t end = 0;
    while (end < bytes.size()) {
        std::size_t next = end;
        const char32_t c = text::nextCodePoint(bytes, next);
        // A replacement character is only genuine when it was spelled out in the bytes.
        if (c == 0xFFFD && bytes.substr(end, 3) != "\xEF\xBF\xBD")
            break;
        end = next;
    }
    return bytes.substr(0, end);
}

namespace {

// The start of a multi-byte UTF-8 sequence that ends too early.
bool isCutSequence(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest.front());
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || rest.size() >= length)
        return false;
    return std::all_of(rest.begin() + 1, rest.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
}

bool hasMultiByteCharacter(std::string_view utf8) {
    return std::any_of(utf8.begin(), utf8.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

std::string decodeFieldText(std::string_view bytes, bool declaredUtf8) {
    const std::string_view valid = validUtf8Prefix(bytes);
    if (valid.size() < bytes.size() && (declaredUtf8 || hasMultiByteCharacter(valid)) &&
        isCutSequence(bytes.substr(valid.size())))
        return std::string(valid);
    return text::decodeLegacyText(bytes);
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string_view channelCountName(std::uint8_t channels) {
    constexpr std::string_view kNames[] = {"Unknown", "Mono", "Stereo"};
    return kNames[channels <= 2 ? channels : 0];
}

std::int32_t parseTrackNumber(std::string_view text, std::int32_t minValue, std::int32_t maxValue) {
    const auto value = text::parseStrictInt(text.substr(0, text.find('/')));
    return value && *value >= minValue && *value <= maxValue ? *value : 0;
}

} // namespace kavrel::metadata
