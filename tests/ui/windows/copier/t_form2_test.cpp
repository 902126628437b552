#include "ui/windows/copier/t_form2.h"

#include "../../../tools/copy_run.h"
#include "platform/dispatch/task_queue.h"
#include "support/temp_dir.h"
#include "tools/file_renamer.h"
#include "ui/lang/language_applier.h"
#include "ui/lang/language_tables.h"
#include "ui/lang/language_text.h"
#include "ui/windows/copier/copier_dialogs.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kavrel::ui::copier {
namespace {

using testing::HasSubstr;

struct FakeDialogs : CopierDialogs {
    QString chooseFolder(QWidget&) override {
        ++folderDialogs;
        return folder;
    }
    bool askToChooseFolder(QWidget&) override {
        ++questions;
        return answerOk;
    }
    void information(QWidget&, const QString& title, const QString& text) override {
        messages.push_back({"information", title, text});
    }
    void warning(QWidget&, const QString& title, const QString& text) override {
        messages.push_back({"warning", title, text});
    }

    struct Message {
        QString kind, title, text;
    };
    QString folder;
    bool answerOk = true;
    int folderDialogs = 0;
    int questions = 0;
    std::vector<Message> messages;
};

struct FakeJob : tools::CopyJob {
    void pause() override { isPaused = true; }
    void resume() override { isPaused = false; }
    bool paused() const override { return isPaused; }
    void stop() override { *stopped = true; }
    bool isPaused = false;
    std::shared_ptr<bool> stopped = std::make_shared<bool>(false);
};

struct FakeStarter : tools::CopyJobStarter {
    std::unique_ptr<tools::CopyJob> start(tools::CopyRequest request,
                                          tools::CopyListener& listener) override {
        requests.push_back(std::move(request));
        this->listener = &listener;
        auto job = std::make_unique<FakeJob>();
        lastJob = job.get();
        stopped = job->stopped;
        return job;
    }
    std::vector<tools::CopyRequest> requests;
    tools::CopyListener* listener = nullptr;
    FakeJob* lastJob = nullptr;
    std::shared_ptr<bool> stopped;
};

template <typename T> T& control(QWidget& window, const char* name) {
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(name);
    return *found;
}

QRadioButton& choice(QWidget& window, const char* group, int index) {
    return *control<QGroupBox>(window, group).findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)[index];
}

QString text(QWidget& window, const char* name) {
    return control<QLineEdit>(window, name).text();
}

class CopierWindowTest : public testing::Test {
protected:
    CopierWindowTest() {
        settings.ePath_Copy.text = "/media/stick";
        settings.S_Copy_Artist = 1;
        settings.S_Copy_Albom = 2;
        settings.S_Copy_Title = 4;
    }

    void click(const char* button) { control<QPushButton>(window, button).click(); }

    core::TConfRecord settings;
    FakeStarter starter;
    FakeDialogs dialogs;
    std::vector<tools::CopyEntry> playlist = {{"A", "B", "T", "2001", "1", "/music/a.mp3", "100"}};
    TForm2 window{settings, starter, [this] { return playlist; }, dialogs};
};

TEST_F(CopierWindowTest, ShowsTheStoredChoicesAndStoresWhatTheUserChanges) {
    window.show();
    EXPECT_EQ(text(window, "ePath_Copy"), "/media/stick");
    EXPECT_TRUE(choice(window, "S_Copy_Artist", 1).isChecked());
    EXPECT_TRUE(choice(window, "S_Copy_Albom", 2).isChecked());
    EXPECT_TRUE(choice(window, "S_Copy_Title", 4).isChecked());
    choice(window, "S_Copy_Title", 1).click();
    choice(window, "S_Copy_Artist", 0).click();
    control<QLineEdit>(window, "ePath_Copy").setText("/media/phone");
    EXPECT_EQ(settings.S_Copy_Title, 1);
    EXPECT_EQ(settings.S_Copy_Artist, 0);
    EXPECT_EQ(settings.ePath_Copy.text, "/media/phone");

    click("Button2");
    ASSERT_EQ(starter.requests.size(), 1u);
    const auto& request = starter.requests[0];
    EXPECT_EQ(request.destination, "/media/phone");
    EXPECT_EQ(request.choices.artist, tools::ArtistFolders::PerArtist);
    EXPECT_EQ(request.choices.album, tools::AlbumFolders::None);
    EXPECT_EQ(request.choices.fileName, tools::FileNames::NumberTitle);
    EXPECT_EQ(request.entries.size(), 1u);
}

TEST_F(CopierWindowTest, AnEmptyDestinationAsksFirst) {
    settings.ePath_Copy.text.clear();
    window.show();
    dialogs.answerOk = false;
    click("Button2");
    EXPECT_EQ(dialogs.questions, 1);
    EXPECT_EQ(dialogs.folderDialogs, 0);
    dialogs.answerOk = true;
    click("Button2");
    EXPECT_EQ(dialogs.folderDialogs, 1);
    EXPECT_TRUE(starter.requests.empty());
    dialogs.folder = "/media/chosen";
    click("Button2");
    ASSERT_EQ(starter.requests.size(), 1u);
    EXPECT_EQ(starter.requests[0].destination, "/media/chosen");
    EXPECT_EQ(settings.ePath_Copy.text, "/media/chosen");
}

TEST_F(CopierWindowTest, CancellingTheFolderDialogKeepsTheFolder) {
    window.show();
    click("bSetPathToCopy");
    EXPECT_EQ(text(window, "ePath_Copy"), "/media/stick");
    dialogs.folder = "/media/other";
    click("bSetPathToCopy");
    EXPECT_EQ(text(window, "ePath_Copy"), "/media/other");
}

TEST_F(CopierWindowTest, TheButtonsShowTheLanguageFilesStateTexts) {
    const auto& table = lang::languageFileTables()[static_cast<int>(lang::LanguageWindow::Copier)];
    const auto missing = lang::applyLanguageText(
        lang::readLanguageFile(KAVREL_DATA_DIR "/Lang/english/File_Coper.plf"), table, window);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u',').toStdString();
    window.show();
    auto& start = control<QPushButton>(window, "Button2");
    auto& pause = control<QPushButton>(window, "Button1");
    EXPECT_EQ(start.text(), "Start");
    start.click();
    EXPECT_EQ(start.text(), "Stop");
    pause.click();
    EXPECT_TRUE(starter.lastJob->paused());
    EXPECT_EQ(pause.text(), "Resume");
    pause.click();
    EXPECT_FALSE(starter.lastJob->paused());
    EXPECT_EQ(pause.text(), "Suspend");
}

TEST_F(CopierWindowTest, StartDuringACopyStopsItAndClearsTheStatistics) {
    window.show();
    click("Button2");
    starter.listener->copyStarted(4, 12.5);
    starter.listener->copyProgress({1, 3.25, 2, "/music/a.mp3"});
    EXPECT_EQ(text(window, "Edit1"), "4");
    EXPECT_EQ(text(window, "Edit3"), "12.50");
    EXPECT_EQ(text(window, "Edit4"), "3.25");
    EXPECT_EQ(control<QProgressBar>(window, "ProgressBar1").value(), 2);
    click("Button2");
    EXPECT_TRUE(*starter.stopped);
    EXPECT_FALSE(window.copying());
    for (const char* field : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"})
        EXPECT_EQ(text(window, field), "") << field;
    EXPECT_EQ(control<QProgressBar>(window, "ProgressBar1").value(), 0);
    EXPECT_EQ(control<QPushButton>(window, "Button2").text(), "Start");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CopierWindowTest, ARunThatEndsEarlyKeepsItsStatisticsAndSaysWhy) {
    window.show();
    click("Button2");
    starter.listener->copyStarted(3, 1);
    starter.listener->copyProgress({1, 0.5, 1, "/music/a.mp3"});
    starter.listener->copyFailed("The folder \"/media/stick/A\" could not be created");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_THAT(dialogs.messages[0].text.toStdString(), HasSubstr("/media/stick/A"));
    EXPECT_FALSE(window.copying());
    EXPECT_EQ(text(window, "Edit2"), "1");
    EXPECT_EQ(control<QPushButton>(window, "Button2").text(), "Start");
}

TEST_F(CopierWindowTest, ClosingTheWindowStopsTheCopy) {
    window.show();
    click("Button2");
    window.reject();
    EXPECT_TRUE(*starter.stopped);
    EXPECT_FALSE(window.copying());
}

// The window over the real worker, its reports run by the test's main thread.
class CopierEndToEndTest : public testing::Test {
protected:
    void runCopy() {
        window.show();
        control<QPushButton>(window, "Button2").click();
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (dialogs.messages.empty() && std::chrono::steady_clock::now() < limit)
            queue.runFor(std::chrono::milliseconds(5));
    }

    kavrel::test::TempDir temp;
    core::TConfRecord settings;
    dispatch::TaskQueue queue;
    tools::FileRenamerStarter starter{queue};
    FakeDialogs dialogs;
    std::vector<tools::CopyEntry> playlist;
    TForm2 window{settings, starter, [this] { return playlist; }, dialogs};
};

TEST_F(CopierEndToEndTest, AnEmptyPlaylistCompletesAtOnce) {
    settings.ePath_Copy.text = (temp / "stick").string();
    runCopy();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, "information");
    EXPECT_EQ(dialogs.messages[0].title, "Copyring files is finished successfully");
    EXPECT_EQ(dialogs.messages[0].text, "Familiarize with statistics and press OK");
    EXPECT_FALSE(window.copying());
    EXPECT_EQ(text(window, "Edit1"), "");
}

TEST_F(CopierEndToEndTest, AFailedCopyIsNamedInTheCompletion) {
    kavrel::test::writeFile(temp / "music/good.mp3", "good");
    std::filesystem::create_directories(temp / "music/bad.mp3");
    playlist = {{"A", "B", "Good", "", "1", (temp / "music/good.mp3").string(), "4"},
                {"A", "B", "Bad", "", "2", (temp / "music/bad.mp3").string(), "0"}};
    settings.ePath_Copy.text = (temp / "stick").string();
    runCopy();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, "warning");
    EXPECT_THAT(dialogs.messages[0].text.toStdString(), HasSubstr("1 of 2 files could not be copied"));
    EXPECT_THAT(dialogs.messages[0].text.toStdString(), HasSubstr((temp / "music/bad.mp3").string()));
    EXPECT_EQ(kavrel::test::readFile(temp / "stick/A/B/Good.mp3"), "good");
}

} // namespace
} // namespace kavrel::ui::copier
