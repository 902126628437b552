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

TEST(Utf8, ValidPrefixEndsBeforeTheFirstMalformedSequence) {
    EXPECT_EQ(validUtf8Prefix("a\xC3\xA9\xEF\xBF\xBDz"), "a\xC3\xA9\xEF\xBF\xBDz"); // a spelled-out U+FFFD
    EXPECT_EQ(validUtf8Prefix("ab\xE2\x82"), "ab");
    EXPECT_EQ(validUtf8Prefix("ab\xC0\xAFxz"), "ab");
    EXPECT_EQ(validUtf8Prefix("\xF8"), "");
}

TEST(FieldText, OnlyAWellFormedStartCutByTheFieldEndIsDropped) {
    struct Case {
        const char* what;
        std::string bytes;
        bool declaredUtf8;
        std::string expected;
    };
    const Case cases[] = {
        {"two-byte start cut", "a\xC3\xA9\xD0", false, "aé"},
        {"three-byte start cut after one byte", "a\xC3\xA9\xE2", false, "aé"},
        {"three-byte start cut after two bytes", "a\xC3\xA9\xE2\x82", false, "aé"},
        {"four-byte start cut after three bytes", "a\xC3\xA9\xF0\x9F\x98", false, "aé"},
        {"declared UTF-8 needs no other multi-byte character", "ab\xE2\x82", true, "ab"},
        {"undeclared plain ASCII then a lead byte is legacy", "Caf\xE9", false, "Café"},
        {"E0 80 starts only an overlong form", "a\xC3\xA9\xE0\x80", false, "aÃ©à€"},
        {"F8 begins no character", "x\xC3\xA9\xF8", false, "xÃ©ø"},
        {"ED A0 starts only a surrogate", "a\xC3\xA9\xED\xA0", false, "aÃ©í\xC2\xA0"},
        {"F4 90 starts only a code point past U+10FFFF", "a\xC3\xA9\xF4\x90", false, "aÃ©ô\xC2\x90"},
        {"F0 80 starts only an overlong form", "a\xC3\xA9\xF0\x80", false, "aÃ©ð€"},
        {"C1 begins only an overlong form", "a\xC3\xA9\xC1", false, "aÃ©Á"},
        {"a lone continuation byte at the end", "a\xC3\xA9\x80", false, "aÃ©€"},
        {"a malformed byte inside, declared or not", "a\xC3\xA9\xFFx\xD0", true, "aÃ©ÿxÐ"},
        {"a complete sequence at the end stays", "a\xC3\xA9", false, "aé"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeFieldText(c.bytes, c.declaredUtf8), c.expected) << c.what;
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
