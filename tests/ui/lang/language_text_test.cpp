#include "ui/lang/language_text.h"

#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kavrel::ui::lang {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

std::vector<std::string> linesOf(const LanguageText& text) {
    std::vector<std::string> lines;
    for (int n = 1; n <= text.lineCount(); ++n)
        lines.push_back(text.line(n));
    return lines;
}

struct ParseCase {
    const char* name;
    std::string_view bytes;
    std::vector<std::string> lines;
};

void PrintTo(const ParseCase& parseCase, std::ostream* out) {
    *out << parseCase.name;
}

class ParseLanguageText : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseLanguageText, SplitsAndTrimsLines) {
    EXPECT_THAT(linesOf(parseLanguageText(GetParam().bytes)), ElementsAreArray(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseLanguageText,
    ::testing::Values(ParseCase{"Empty", "", {}}, ParseCase{"CrLf", "Tray\r\nClose\r\n", {"Tray", "Close"}},
                      ParseCase{"LastLineUnended", "Tray\r\nClose", {"Tray", "Close"}},
                      ParseCase{"LfAndCrAlone", "a\nb\rc\r\n", {"a", "b", "c"}},
                      ParseCase{"CrBeforeCrLf", "a\r\r\nb", {"a", "", "b"}},
                      ParseCase{"EmptyLinesKept", "\r\n\r\nthird\r\n", {"", "", "third"}},
                      ParseCase{"LeadingBlanksAndTabs", "  \t Stop\r\n", {"Stop"}},
                      ParseCase{"LeadingControls", std::string_view("\x01\x1f\x7f\0 Stop", 9), {"Stop"}},
                      ParseCase{"LeadingNoBreakSpace", "\xC2\xA0Stop", {"Stop"}},
                      ParseCase{"ByteOrderMark", "\xEF\xBB\xBFTray\r\nClose", {"Tray", "Close"}},
                      ParseCase{"TrailingBlanksKept", "From All Library:  \r\n", {"From All Library:  "}},
                      ParseCase{"InnerBlanksKept", "<=№ -  Artist", {"<=№ -  Artist"}},
                      ParseCase{"BlankOnlyLine", "   \r\nx", {"", "x"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageText, LinesTheFileLacksAreEmpty) {
    const LanguageText text = parseLanguageText("one\r\ntwo\r\n");
    EXPECT_EQ(text.line(2), "two");
    EXPECT_EQ(text.line(3), "");
    EXPECT_EQ(text.line(100), "");
    EXPECT_EQ(text.line(0), "");
    EXPECT_EQ(text.line(-1), "");
}

TEST(LanguageText, LegacyWindows1251FileReadsAsCyrillicThroughout) {
    // "Громкость (Win + Up/Down)", "Я (Win)", "№", "Stop" in Windows-1251. The short lines alone would
    // not read as Cyrillic; the file as a whole does.
    const std::string_view bytes = "\xC3\xF0\xEE\xEC\xEA\xEE\xF1\xF2\xFC (Win + Up/Down)\r\n"
                                   "\xDF (Win)\r\n"
                                   "\xB9\r\n"
                                   "Stop\r\n";
    EXPECT_THAT(linesOf(parseLanguageText(bytes)),
                ElementsAreArray({"Громкость (Win + Up/Down)", "Я (Win)", "№", "Stop"}));
}

TEST(LanguageText, LegacyLatinFileReadsAsWindows1252) {
    EXPECT_THAT(linesOf(parseLanguageText("Caf\xE9\r\n\xC9t\xE9\r\n")), ElementsAreArray({"Café", "Été"}));
}

TEST(LanguageText, ReadsFileFromDisk) {
    test::TempDir dir;
    test::writeFile(dir / "mini.plf", "  Play\r\nStop \r\n");
    EXPECT_THAT(linesOf(readLanguageFile(dir / "mini.plf")), ElementsAreArray({"Play", "Stop "}));
}

TEST(LanguageText, UnreadableFileRaisesErrorWithFileAndReason) {
    test::TempDir dir;
    const auto missing = dir / "main.plf";
    try {
        readLanguageFile(missing);
        FAIL() << "no error raised";
    } catch (const LanguageFileError& error) {
        EXPECT_THAT(error.what(), HasSubstr(missing.string()));
        EXPECT_THAT(error.what(), HasSubstr("No such file or directory"));
    }
}

TEST(LanguageText, FolderInPlaceOfFileRaisesError) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "main.plf");
    try {
        readLanguageFile(dir / "main.plf");
        FAIL() << "no error raised";
    } catch (const LanguageFileError& error) {
        EXPECT_THAT(error.what(), HasSubstr("main.plf"));
    }
}

} // namespace
} // namespace kavrel::ui::lang
