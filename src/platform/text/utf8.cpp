#include "platform/text/utf8.h"

#include <algorithm>
#include <array>

namespace kavrel::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Bytes 0x80..0xBF of Windows-1251; 0xC0..0xFF are U+0410..U+044F. The unassigned 0x98 maps to U+0098.
constexpr std::array<char16_t, 64> kWindows1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

// Bytes 0x80..0x9F of Windows-1252; 0xA0..0xFF equal Latin-1. Unassigned bytes map to their C1 controls.
constexpr std::array<char16_t, 32> kWindows1252Low = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t windows1251(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return 0x0410 + (byte - 0xC0);
    return kWindows1251High[byte - 0x80];
}

char32_t windows1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return kWindows1252Low[byte - 0x80];
    return byte;
}

template <class Map> std::string decodeSingleByte(std::string_view bytes, Map map) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        appendUtf8(out, map(static_cast<unsigned char>(c)));
    return out;
}

bool readsAsCyrillic(std::string_view bytes) {
    int run = 0;
    bool hasAsciiLetter = false;
    bool hasCyrillicByte = false;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool upper = byte >= 0xC0;
        run = upper ? run + 1 : 0;
        if (run >= 3)
            return true;
        hasAsciiLetter = hasAsciiLetter || (byte < 0x80 && ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z'));
        hasCyrillicByte = hasCyrillicByte || upper || byte == 0xA8 || byte == 0xB8;
    }
    return !hasAsciiLetter && hasCyrillicByte;
}

} // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

namespace {

// The shape of a well-formed sequence by its lead byte: its length and the range of its second byte,
// which alone excludes overlong forms, surrogates and code points past U+10FFFF. Length 0: no lead.
struct SequenceShape {
    int length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
};

SequenceShape sequenceShape(unsigned char lead) {
    if (lead < 0x80)
        return {1};
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF)
        return {3};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F};
    if (lead >= 0xF1 && lead <= 0xF3)
        return {4};
    return {};
}

// How many bytes at the start of bytes (at most one sequence) follow the shape of a well-formed sequence.
std::size_t wellFormedBytes(std::string_view bytes, const SequenceShape& shape) {
    const std::size_t length = std::min<std::size_t>(bytes.size(), shape.length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        const bool fits =
            i == 1 ? next >= shape.secondLow && next <= shape.secondHigh : (next & 0xC0) == 0x80;
        if (!fits)
            return i;
    }
    return length;
}

// Decodes one well-formed UTF-8 sequence at bytes[pos]; false (pos unchanged) when it is malformed.
bool decodeWellFormed(std::string_view bytes, std::size_t& pos, char32_t& out) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    const SequenceShape shape = sequenceShape(lead);
    if (shape.length == 0 ||
        wellFormedBytes(bytes.substr(pos), shape) != static_cast<std::size_t>(shape.length))
        return false;
    char32_t c = shape.length == 1 ? lead : lead & (0x7F >> shape.length);
    for (int i = 1; i < shape.length; ++i)
        c = (c << 6) | (static_cast<unsigned char>(bytes[pos + i]) & 0x3F);
    pos += shape.length;
    out = c;
    return true;
}

// The start of a well-formed sequence that the end of the bytes cut short.
bool isCutSequence(std::string_view rest) {
    const SequenceShape shape = sequenceShape(static_cast<unsigned char>(rest.front()));
    return shape.length > 1 && rest.size() < static_cast<std::size_t>(shape.length) &&
           wellFormedBytes(rest, shape) == rest.size();
}

bool hasMultiByteCharacter(std::string_view utf8) {
    return std::any_of(utf8.begin(), utf8.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

char32_t nextCodePoint(std::string_view bytes, std::size_t& pos) {
    char32_t c = 0;
    if (decodeWellFormed(bytes, pos, c))
        return c;
    ++pos;
    return kReplacement;
}

std::string_view validUtf8Prefix(std::string_view bytes) {
    std::size_t end = 0;
    char32_t ignored = 0;
    while (end < bytes.size() && decodeWellFormed(bytes, end, ignored)) {
    }
    return bytes.substr(0, end);
}

bool isValidUtf8(std::string_view bytes) {
    return validUtf8Prefix(bytes).size() == bytes.size();
}

std::string decodeLegacyText(std::string_view bytes) {
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return readsAsCyrillic(bytes) ? fromWindows1251(bytes) : fromWindows1252(bytes);
}

std::string decodeFieldText(std::string_view bytes, bool declaredUtf8) {
    const std::string_view valid = validUtf8Prefix(bytes);
    if (valid.size() < bytes.size() && (declaredUtf8 || hasMultiByteCharacter(valid)) &&
        isCutSequence(bytes.substr(valid.size())))
        return std::string(valid);
    return decodeLegacyText(bytes);
}

std::string fromWindows1251(std::string_view bytes) { return decodeSingleByte(bytes, windows1251); }
std::string fromWindows1252(std::string_view bytes) { return decodeSingleByte(bytes, windows1252); }

std::string fromUtf16(std::u16string_view units) {
    std::string out;
    out.reserve(units.size() * 2);
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::string truncateUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut));
}

std::string blankLineBreaks(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return out;
}

} // namespace kavrel::text
