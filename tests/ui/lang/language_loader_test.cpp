#include "ui/lang/language_loader.h"
#include "ui/lang/message_box_error_reporter.h"

#include "support/temp_dir.h"
#include "test_windows.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kavrel::ui::lang {
namespace {

using test::control;
using ::testing::HasSubstr;

struct RecordingReporter : LanguageErrorReporter {
    QStringList messages;
    void reportLanguageError(const QString& message) override { messages << message; }
};

class LanguageLoader : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureApplication(); }

    void writeLanguage(const char* language) {
        const std::string folder = std::string("Lang/") + language + "/";
        for (const LanguageFileTable& table : languageFileTables())
            kavrel::test::writeFile(dir / (folder + std::string(table.fileName)),
                                    test::numberedLines(language, table.lineCount));
    }

    LanguageWindows windows() const {
        return {main.get(), mini.get(), preferences.get(), copier.get(), libraryBuild.get()};
    }

    kavrel::test::TempDir dir;
    fs::ProgramFolder folder{dir.path()};
    std::unique_ptr<QWidget> main = test::makeMainWindow();
    std::unique_ptr<QWidget> mini = test::makeMiniWindow();
    std::unique_ptr<QWidget> preferences = test::makePreferencesWindow();
    std::unique_ptr<QWidget> copier = test::makeCopierWindow();
    std::unique_ptr<QWidget> libraryBuild = test::makeLibraryBuildWindow();
    RecordingReporter errors;
};

TEST_F(LanguageLoader, EachFileGoesToItsWindow) {
    writeLanguage("russian");
    applyLanguage(folder, kRussian, windows(), errors);
    EXPECT_TRUE(errors.messages.isEmpty());
    EXPECT_EQ(control<QPushButton>(*main, "ImgTray").toolTip(), "russian 1");
    EXPECT_EQ(control<QPushButton>(*mini, "ImgPlayPause").toolTip(), "russian 1");
    EXPECT_EQ(preferences->windowTitle(), "russian 1");
    EXPECT_EQ(control<QPushButton>(*copier, "Button2").text(), "russian 18");
    EXPECT_EQ(control<QLabel>(*libraryBuild, "FindingFiles").text(), "russian 24");
}

TEST_F(LanguageLoader, SwitchingLanguageReplacesTextsInPlace) {
    writeLanguage("russian");
    writeLanguage("english");
    applyLanguage(folder, kRussian, windows(), errors);
    applyLanguage(folder, kEnglish, windows(), errors);
    EXPECT_TRUE(errors.messages.isEmpty());
    EXPECT_EQ(control<QPushButton>(*main, "ImgClose").toolTip(), "english 5");
    EXPECT_EQ(control<QGroupBox>(*libraryBuild, "GroupBox3").title(), "english 2");
}

TEST_F(LanguageLoader, IndexOtherThanRussianOrEnglishChangesNothing) {
    writeLanguage("russian");
    writeLanguage("english");
    for (int index : {-1, 2, 7}) {
        applyLanguage(folder, index, windows(), errors);
        EXPECT_EQ(control<QPushButton>(*main, "ImgTray").toolTip(), "Tray") << index;
        EXPECT_EQ(preferences->windowTitle(), "KavrelPreferences") << index;
        EXPECT_EQ(control<QPushButton>(*copier, "Button2").text(), "Start") << index;
    }
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(LanguageLoader, UnreadableFileIsReportedAndTheFilesAfterItAreNotApplied) {
    writeLanguage("english");
    std::filesystem::remove(dir / "Lang/english/Preferences.plf");
    applyLanguage(folder, kEnglish, windows(), errors);

    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_THAT(errors.messages[0].toStdString(), HasSubstr("Preferences.plf"));
    EXPECT_THAT(errors.messages[0].toStdString(), HasSubstr("No such file or directory"));
    EXPECT_EQ(control<QPushButton>(*main, "ImgTray").toolTip(), "english 1");
    EXPECT_EQ(control<QPushButton>(*mini, "ImgPlayPause").toolTip(), "english 1");
    EXPECT_EQ(preferences->windowTitle(), "KavrelPreferences");
    EXPECT_EQ(control<QPushButton>(*copier, "Button2").text(), "Start");
    EXPECT_EQ(control<QLabel>(*libraryBuild, "FindingFiles").text(), "1) Finding Files");
}

TEST_F(LanguageLoader, FileNamesResolveIgnoringCaseAndMissingWindowsAreSkipped) {
    writeLanguage("english");
    std::filesystem::rename(dir / "Lang/english/Tager.plf", dir / "Lang/english/tager.PLF");
    LanguageWindows some = windows();
    some.mini = nullptr;
    applyLanguage(folder, kEnglish, some, errors);
    EXPECT_TRUE(errors.messages.isEmpty());
    EXPECT_EQ(control<QPushButton>(*mini, "ImgPlayPause").toolTip(), "Play/Pause");
    EXPECT_EQ(control<QLabel>(*libraryBuild, "FindingFiles").text(), "english 24");
}

TEST_F(LanguageLoader, PlayerShowsTheErrorInAMessageBox) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    const QString message = QStringLiteral("Cannot open file \"main.plf\". No such file or directory");
    MessageBoxLanguageErrorReporter(nullptr).reportLanguageError(message);
    EXPECT_EQ(shown, message);
}

} // namespace
} // namespace kavrel::ui::lang
