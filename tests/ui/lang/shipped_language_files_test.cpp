#include "ui/lang/language_loader.h"
#include "ui/lang/language_text.h"

#include "platform/text/utf8.h"
#include "support/temp_dir.h"
#include "test_windows.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace kavrel::ui::lang {
namespace {

const fs::ProgramFolder shippedFolder{KAVREL_DATA_DIR};

std::string shippedBytes(const char* language, std::string_view fileName) {
    return kavrel::test::readFile(
        shippedFolder.resolve(std::string("Lang/") + language + "/" + std::string(fileName)));
}

// Every line of the shipped files is ended by CR LF, and no CR or LF stands alone.
bool endsEveryLineWithCrLf(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    }
    return bytes.ends_with("\r\n");
}

TEST(ShippedLanguageFiles, HaveTheTableLineCountsInUtf8WithCrLf) {
    for (const char* language : {"english", "russian"}) {
        for (const LanguageFileTable& table : languageFileTables()) {
            SCOPED_TRACE(std::string(language) + "/" + std::string(table.fileName));
            const std::string bytes = shippedBytes(language, table.fileName);
            EXPECT_TRUE(text::isValidUtf8(bytes));
            EXPECT_TRUE(endsEveryLineWithCrLf(bytes));
            EXPECT_EQ(parseLanguageText(bytes).lineCount(), table.lineCount);
        }
    }
}

// A slip in the tables (a line skipped, repeated or past the end) would put every later text on the
// wrong control. Page-tree labels repeat page captions, so they are counted only on a line of their own.
TEST(LanguageTables, EveryLineHasOneTargetExceptTheCopiersReservedLines) {
    for (const LanguageFileTable& table : languageFileTables()) {
        std::vector<int> controls(static_cast<std::size_t>(table.lineCount) + 1);
        std::vector<int> pageLabels(controls.size());
        for (const LineTarget& target : table.targets) {
            ASSERT_GE(target.line, 1) << table.fileName;
            ASSERT_LE(target.line, table.lineCount) << table.fileName;
            auto& count = target.kind == TargetKind::PageTreeLabel ? pageLabels : controls;
            ++count[static_cast<std::size_t>(target.line)];
        }
        for (std::size_t n = 1; n < controls.size(); ++n) {
            const bool reserved = table.window == LanguageWindow::Copier && n >= 33;
            const int targets = controls[n] > 0 ? controls[n] : pageLabels[n];
            EXPECT_EQ(targets, reserved ? 0 : 1) << table.fileName << " line " << n;
        }
    }
}

TEST(ShippedLanguageFiles, RussianTranslatesEveryEnglishLine) {
    for (const LanguageFileTable& table : languageFileTables()) {
        const LanguageText english = parseLanguageText(shippedBytes("english", table.fileName));
        const LanguageText russian = parseLanguageText(shippedBytes("russian", table.fileName));
        for (int n = 1; n <= table.lineCount; ++n)
            EXPECT_EQ(english.line(n).empty(), russian.line(n).empty()) << table.fileName << " line " << n;
    }
}

TEST(ShippedLanguageFiles, SwitchBetweenRussianAndEnglish) {
    test::ensureApplication();
    auto main = test::makeMainWindow();
    struct : LanguageErrorReporter {
        void reportLanguageError(const QString& message) override { ADD_FAILURE() << message.toStdString(); }
    } errors;
    const LanguageWindows windows{main.get()};
    const auto& tray = test::control<QPushButton>(*main, "ImgTray");

    applyLanguage(shippedFolder, kRussian, windows, errors);
    EXPECT_EQ(tray.toolTip(), "Свернуть в трей");
    applyLanguage(shippedFolder, kEnglish, windows, errors);
    EXPECT_EQ(tray.toolTip(), "Tray");
}

} // namespace
} // namespace kavrel::ui::lang
