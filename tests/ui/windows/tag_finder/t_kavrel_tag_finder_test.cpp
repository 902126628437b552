// The library build window over real builds of generated music folders, with its questions answered by
// the test.
#include "ui/windows/tag_finder/t_kavrel_tag_finder.h"

#include "core/design_defaults.h"
#include "library/library_files.h"
#include "platform/dispatch/qt/qt_dispatcher.h"
#include "support/temp_dir.h"
#include "ui/lang/language_applier.h"
#include "ui/lang/language_tables.h"
#include "ui/lang/language_text.h"
#include "ui/windows/tag_finder/tag_finder_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>

namespace kavrel::ui::tag_finder {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::HasSubstr;

struct Message {
    MessageIcon icon;
    QString caption, text;
    QString filesShown; // FilesCounter while the message was open
};

struct FakeDialogs final : TagFinderDialogs {
    QString chooseFolder(QWidget&) override {
        ++folderDialogs;
        return folder;
    }
    bool ask(QWidget&, MessageIcon icon, const QString& caption, const QString& text) override {
        messages.push_back({icon, caption, text, files()});
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void tell(QWidget&, MessageIcon icon, const QString& caption, const QString& text) override {
        messages.push_back({icon, caption, text, files()});
    }
    QString files() const { return window ? window->FilesCounter->text() : QString(); }
    std::vector<QString> captions() const {
        std::vector<QString> result;
        for (const auto& message : messages)
            result.push_back(message.caption);
        return result;
    }

    QString folder;
    std::deque<bool> answers;
    int folderDialogs = 0;
    std::vector<Message> messages;
    const TKavrelTagFinder* window = nullptr;
};

const QString kFinished = QStringLiteral("Addition of files in library is finished successfully");

class TagFinderTest : public ::testing::Test {
protected:
    TagFinderTest() {
        copyFixture("library/tree/first", "music/a");
        copyFixture("library/tree/second", "music/b");
        std::filesystem::create_directories(dir / "program");
        settings.ActiveLibrary.text = "LB1";
    }

    void open(std::string cdSource = {}) {
        builds = std::make_unique<core::LibraryBuilds>(
            dispatcher, fs::ProgramFolder(dir / "program"), std::move(cdSource),
            [this](const std::string& library) { saved.push_back(library); },
            [this](const std::string& source) { return cdLookup ? cdLookup(source) : fs::findCdFiles(source); });
        window = std::make_unique<TKavrelTagFinder>(*builds, settings, dialogs, [this] { ++reloads; });
        dialogs.window = window.get();
        window->openIn(OpenMode::Rebuild);
    }

    void copyFixture(const char* fixture, const char* to) const {
        std::filesystem::create_directories(dir / to);
        std::filesystem::copy(test::fixture(fixture), dir / to, std::filesystem::copy_options::recursive);
    }
    // Enough files that a build lasts while the test acts on it.
    std::string bigTree() const {
        for (int i = 0; i < 60; ++i)
            copyFixture("library/tree/second", ("music/big/" + std::to_string(i)).c_str());
        return path("music/big");
    }
    std::string path(const char* relative) const { return (dir / relative).string(); }
    std::filesystem::path library(const char* name) const { return dir / "program/Library" / name; }
    std::vector<std::string> paths(const char* libraryName) const {
        return library::readTextLines(library(libraryName) / "path.pan");
    }

    // Every file of a library folder with its bytes.
    std::vector<std::pair<std::string, std::string>> libraryBytes(const char* name) const {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& entry : test::entryNames(library(name)))
            files.emplace_back(entry, test::readFile(library(name) / entry));
        return files;
    }
    void start(const std::string& field) {
        window->Edit1->setText(QString::fromStdString(field));
        window->Button1->click();
    }
    // Waits until `count` messages were shown (the builds report through the event loop).
    bool waitForMessages(std::size_t count) {
        return QTest::qWaitFor([&] { return dialogs.messages.size() >= count; }, 30000);
    }
    void expectIdle() const {
        EXPECT_FALSE(window->building());
        EXPECT_EQ(window->Button1->text(), "Start");
        EXPECT_EQ(window->FilesCounter->text(), "0");
        EXPECT_EQ(window->ProgressBar1->value(), 0);
        EXPECT_TRUE(window->mp3->isEnabled());
        EXPECT_TRUE(window->RadioButton1->isEnabled());
        for (const auto* box : window->stageBoxes)
            EXPECT_FALSE(box->isChecked() || box->isEnabled()) << box->objectName().toStdString();
    }

    test::TempDir dir;
    QObject context;
    dispatch::QtDispatcher dispatcher{context};
    core::TConfRecord settings = core::designDefaults();
    std::vector<std::string> saved;
    std::function<fs::CdFiles(const std::string&)> cdLookup;
    FakeDialogs dialogs;
    int reloads = 0;
    std::unique_ptr<core::LibraryBuilds> builds;
    std::unique_ptr<TKavrelTagFinder> window;
};

TEST_F(TagFinderTest, EveryPieceOfTheFolderFieldIsSearched) {
    open();
    EXPECT_EQ(window->focusWidget(), window->Edit1) << "the window opens in the folder field";
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {path("music/a") + ";" + path("music/b"), 7},
        {path("music/a") + ";", 2},
        {path("music/a") + ";;" + path("music/b") + ";", 7},
        {path("music/b"), 5},
    };
    for (const auto& [field, files] : cases) {
        dialogs.messages.clear();
        start(field);
        EXPECT_EQ(window->Button1->text(), "Stop");
        EXPECT_FALSE(window->mp3->isEnabled());
        ASSERT_TRUE(waitForMessages(1)) << field;
        EXPECT_EQ(dialogs.messages[0].caption, kFinished);
        EXPECT_EQ(dialogs.messages[0].filesShown, QString::number(files)) << "the figures stay while it is open";
        EXPECT_EQ(paths("LB1").size(), files) << field;
        expectIdle();
    }
    EXPECT_THAT(saved, ElementsAre("LB1", "LB1", "LB1", "LB1"));
}

TEST_F(TagFinderTest, NothingStartsWithoutAFolderOrAFormat) {
    open();
    struct Case {
        const char* name;
        std::string field;
        std::deque<bool> answers;
        QString chosenFolder;
        bool formats;
        std::vector<QString> captions;
        int folderDialogs;
    };
    const auto question = QStringLiteral("You did not select directory");
    const std::vector<Case> cases = {
        {"empty field, Cancel", "", {false}, {}, true, {question}, 0},
        {"blank field, OK, dialog cancelled", "  ", {true}, {}, true, {question}, 1},
        {"no format", path("music/a"), {}, {}, false, {QStringLiteral("You have not chosen any format ")}, 0},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        dialogs.folderDialogs = 0;
        dialogs.answers = c.answers;
        dialogs.folder = c.chosenFolder;
        for (auto* format : {window->mp3, window->ogg, window->wma})
            format->setChecked(c.formats);
        start(c.field);
        EXPECT_FALSE(window->building()) << c.name;
        EXPECT_FALSE(builds->buildRunning()) << c.name;
        EXPECT_EQ(dialogs.captions(), c.captions) << c.name;
        EXPECT_EQ(dialogs.folderDialogs, c.folderDialogs) << c.name;
    }
    QTest::qWait(100);
    EXPECT_FALSE(std::filesystem::exists(library("LB1") / "path.pan"));

    // The question's OK and a chosen folder start the build.
    dialogs.messages.clear();
    for (auto* format : {window->mp3, window->ogg, window->wma})
        format->setChecked(true);
    dialogs.answers = {true};
    dialogs.folder = QString::fromStdString(path("music/a"));
    start("");
    EXPECT_EQ(window->Edit1->text(), dialogs.folder);
    ASSERT_TRUE(waitForMessages(2));
    EXPECT_EQ(dialogs.messages[1].caption, kFinished);
    EXPECT_EQ(paths("LB1").size(), 2u);
}

TEST_F(TagFinderTest, ReturnInTheFolderFieldStartsButNeverStops) {
    open();
    window->Edit1->setText(QString::fromStdString(bigTree()));
    QTest::keyClick(window->Edit1, Qt::Key_Return);
    ASSERT_TRUE(window->building());
    QTest::keyClick(window->Edit1, Qt::Key_Return);
    EXPECT_TRUE(window->building());
    EXPECT_TRUE(builds->buildRunning());
    ASSERT_TRUE(waitForMessages(1));
    EXPECT_EQ(dialogs.messages[0].caption, kFinished);
    EXPECT_EQ(paths("LB1").size(), 300u);
}

TEST_F(TagFinderTest, StoppingABuildLeavesTheLibraryAsItWas) {
    open();
    start(path("music/a"));
    ASSERT_TRUE(waitForMessages(1));
    const auto before = libraryBytes("LB1");

    dialogs.messages.clear();
    start(bigTree());
    window->Button4->click(); // held at its next file, in the first stage
    EXPECT_EQ(window->Button4->text(), "Resume");
    EXPECT_TRUE(builds->suspended());
    window->Button1->click();
    expectIdle();
    EXPECT_FALSE(builds->buildRunning());
    QTest::qWait(300);
    EXPECT_TRUE(dialogs.messages.empty()) << "a stopped build ends without a word";
    EXPECT_EQ(libraryBytes("LB1"), before);
}

TEST_F(TagFinderTest, ASuspendedBuildHoldsAndGoesOnWhenResumed) {
    open();
    start(bigTree());
    window->Button4->click();
    EXPECT_EQ(window->Button4->text(), "Resume");
    QTest::qWait(300);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(window->building());
    window->Button4->click();
    EXPECT_EQ(window->Button4->text(), "Suspend");
    EXPECT_FALSE(builds->suspended());
    ASSERT_TRUE(waitForMessages(1));
    EXPECT_EQ(dialogs.messages[0].caption, kFinished);
    EXPECT_EQ(paths("LB1").size(), 300u);
}

TEST_F(TagFinderTest, AFolderWithoutMusicIsReported) {
    open();
    std::filesystem::create_directories(dir / "music/empty");
    start(path("music/empty"));
    ASSERT_TRUE(waitForMessages(1));
    EXPECT_EQ(dialogs.messages[0].caption, "Error");
    EXPECT_EQ(dialogs.messages[0].text, "No file found");
    expectIdle();
    EXPECT_TRUE(saved.empty());
}

} // namespace
} // namespace kavrel::ui::tag_finder
