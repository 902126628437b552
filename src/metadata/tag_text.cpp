#include "metadata/tag_text.h"

#include "platform/text/numbers.h"

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
