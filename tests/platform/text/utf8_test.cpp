#include "platform/text/letters.h"
#include "platform/text/utf8.h"

#include <gtest/gtest.h>

namespace kavrel::text {
namespace {

TEST(LegacyText, DecodesByTheCyrillicRule) {
    struct Case {
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"Caf\xC3\xA9", "Café"},                           // valid UTF-8 is kept
        {"Caf\xE9", "Café"},                               // one high byte beside letters: Windows-1252
        {"\xC9t\xE9", "Été"},                              // ASCII letter, no run of three: Latin
        {"\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"},            // a run of three or more: Windows-1251
        {"ABC \xE0\xE1\xE2", "ABC абв"},                   // the run decides even beside Latin letters
        {"\xC0\xC1 1", "АБ 1"},                            // no ASCII letter and a byte 0xC0..0xFF
        {"\xA8", "Ё"},                                     // 0xA8 alone counts as Cyrillic
        {"12 \xB8", "12 ё"},
        {"\x80\x99", "€™"},                                // Windows-1252 punctuation
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeLegacyText(c.bytes), c.expected) << c.expected;
}

TEST(Utf8, RejectsMalformedSequences) {
    EXPECT_TRUE(isValidUtf8("Ж€😀"));
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80", "\xFF"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
}

TEST(Utf8, ConvertsUtf16IncludingSurrogatePairs) {
    EXPECT_EQ(fromUtf16(u"Жук 😀"), "Жук 😀");
    const char16_t unpaired[] = {u'a', 0xD800, u'b', 0};
    EXPECT_EQ(fromUtf16(unpaired), "a\xEF\xBF\xBD" "b");
}

TEST(Utf8, TruncatesOnlyAtCharacterBoundaries) {
    EXPECT_EQ(truncateUtf8("абв", 5), "аб");
    EXPECT_EQ(truncateUtf8("абв", 6), "абв");
    EXPECT_EQ(truncateUtf8("a€", 3), "a");
    EXPECT_EQ(truncateUtf8("abc", 0), "");
}

TEST(Utf8, BlanksLineBreaksAndNul) {
    EXPECT_EQ(blankLineBreaks(std::string("a\r\nb\0c", 6)), "a  b c");
}

TEST(Letters, FirstLetterDecidesTheClass) {
    EXPECT_EQ(firstLetterClass("5ive Абв"), LetterClass::Latin);
    EXPECT_EQ(firstLetterClass("12 Ёлка"), LetterClass::Cyrillic); // Ё is outside the class, л decides
    EXPECT_EQ(firstLetterClass("-- 42 --"), std::nullopt);
    EXPECT_EQ(firstLetterClass("Éa"), LetterClass::Latin); // É is neither; a decides
}

} // namespace
} // namespace kavrel::text
