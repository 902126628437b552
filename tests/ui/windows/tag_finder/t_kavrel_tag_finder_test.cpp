// Starting, stopping, suspending and the end of a build in the library build window.
#include "tag_finder_fixture.h"

namespace kavrel::ui::tag_finder::test {
namespace {

using testing::ElementsAre;

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
        EXPECT_EQ(dialogs.messages[0].filesShown, QString::number(files))
            << "the figures stay while it is open";
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
    expectSaved(300);
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
    expectSaved(300);
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
} // namespace kavrel::ui::tag_finder::test
