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
