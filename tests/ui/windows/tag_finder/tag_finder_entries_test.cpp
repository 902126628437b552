// The build window's other entries: the library selector's CD strip, files dropped from the desktop, the
// refresh from the library's own files, and its language file.
#include "tag_finder_fixture.h"

#include "library/build_folders.h"
#include "ui/lang/language_applier.h"
#include "ui/lang/language_tables.h"
#include "ui/lang/language_text.h"
#include "ui/windows/tag_finder/desktop_drop.h"

#include <QMimeData>
#include <QUrl>

namespace kavrel::ui::tag_finder::test {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;

const QString kQueued = QStringLiteral("At present scanning of CD cannot be executed.");
const QString kRunQueued = QStringLiteral("The application for scanning of CD has been put in turn.");

class TagFinderEntriesTest : public TagFinderTest {
protected:
    // A data disc mounted at "disc".
    void mountDisc() {
        copyFixture("library/tree/first", "disc");
        cdLookup = [this](const std::string&) { return fs::CdFiles{path("disc"), {}}; };
    }
};

TEST_F(TagFinderEntriesTest, TheCdStripDuringABuildQueuesTheCdBuildAndOkRunsItRightAfter) {
    mountDisc();
    open("/dev/sr0");
    start(bigTree());
    dialogs.answers = {true, true};
    builds->queueCdBuild();
    ASSERT_TRUE(waitForMessages(4));
    EXPECT_THAT(dialogs.captions(), ElementsAre(kQueued, kFinished, kRunQueued, kFinished));
    EXPECT_THAT(saved, ElementsAre("LB1", "LBCD"));
    EXPECT_EQ(paths("LB1").size(), 300u);
    EXPECT_EQ(paths("LBCD").size(), 2u);
    EXPECT_EQ(window->Edit1->text().toStdString(), path("disc"));
}

TEST_F(TagFinderEntriesTest, AQueuedCdBuildEndsWithTheBuildBeforeItUnlessThatSaves) {
    mountDisc();
    open("/dev/sr0");
    std::filesystem::create_directories(dir / "music/empty");
    struct Case {
        const char* name;
        std::string field;
        bool stop; // else the build ends by itself, finding nothing
    };
    const std::vector<Case> cases = {
        {"stopped", bigTree(), true},
        {"no files", path("music/empty"), false},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        start(c.field);
        dialogs.answers = {true};
        builds->queueCdBuild();
        if (c.stop)
            window->Button1->click();
        QTest::qWait(300);
        EXPECT_FALSE(window->building()) << c.name;
        // The next build is an ordinary one, into the active library, and no CD build follows it.
        dialogs.messages.clear();
        start(path("music/a"));
        ASSERT_TRUE(waitForMessages(1)) << c.name;
        QTest::qWait(100);
        EXPECT_THAT(dialogs.captions(), ElementsAre(kFinished)) << c.name;
    }
    EXPECT_THAT(saved, ElementsAre("LB1", "LB1"));
    EXPECT_FALSE(std::filesystem::exists(library("LBCD") / "path.pan"));
}

TEST_F(TagFinderEntriesTest, WithoutFilesOnTheCdTheOldCdLibraryStaysAndTheUserIsTold) {
    kavrel::test::writeFile(dir / "disc.cue",
                            "FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n");
    kavrel::test::writeFile(library("LBCD") / "path.pan", "/old/disc/song.mp3\r\n");
    settings.ActiveLibrary.text = "LBCD"; // as the strip leaves it
    const std::vector<std::pair<std::string, const char*>> cases = {
        {path("disc.cue"), "disc image"},
        {"/dev/no-such-drive", "no disc mounted"},
        {"", "No CD drive"},
    };
    for (const auto& [source, problem] : cases) {
        open(source);
        dialogs.messages.clear();
        reloads = 0;
        builds->startCdBuild();
        ASSERT_EQ(dialogs.messages.size(), 1u) << source;
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
        EXPECT_THAT(dialogs.messages[0].text.toStdString(), HasSubstr(problem));
        EXPECT_FALSE(window->building());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(reloads, 1) << "the strip emptied the panels; they show the old CD library again";
    }
    EXPECT_EQ(kavrel::test::readFile(library("LBCD") / "path.pan"), "/old/disc/song.mp3\r\n");
}

TEST_F(TagFinderEntriesTest, TheCdStripWhileIdleBuildsTheMountedDiscIntoItsOwnLibrary) {
    mountDisc();
    open("/dev/sr0");
    start(path("music/a"));
    ASSERT_TRUE(waitForMessages(1));
    window->RadioButton2->setChecked(true);
    builds->startCdBuild();
    EXPECT_TRUE(window->RadioButton1->isChecked());
    ASSERT_TRUE(waitForMessages(2));
    EXPECT_THAT(saved, ElementsAre("LB1", "LBCD"));
    EXPECT_EQ(paths("LBCD").size(), 2u);
}

QMimeData* uriList(const std::vector<QUrl>& urls) {
    auto* data = new QMimeData;
    data->setUrls(QList<QUrl>(urls.begin(), urls.end()));
    return data;
}

// Whether `window` takes the drag, and what it was given when dropped.
bool dragAndDrop(QWidget& target, QMimeData& data) {
    QDragEnterEvent enter({10, 10}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

TEST_F(TagFinderEntriesTest, DroppedFoldersAndFilesReplaceTheRunningBuildAndAreAdded) {
    open();
    start(path("music/a"));
    ASSERT_TRUE(waitForMessages(1));
    copyFixture("library/tree/first", "music/c");
    kavrel::test::writeFile(dir / "loose/x.mp3", kavrel::test::readFile(dir / "music/b/abba.mp3"));

    QWidget mainWindow;
    std::vector<std::vector<std::string>> drops;
    DesktopDrop drop(mainWindow, [&](std::vector<std::string> paths) {
        drops.push_back(paths);
        auto items = library::sortDroppedPaths(paths);
        window->buildFromDroppedItems(std::move(items.files), std::move(items.folders));
    });
    EXPECT_TRUE(mainWindow.acceptDrops());

    std::unique_ptr<QMimeData> internal(new QMimeData);
    internal->setData(QStringLiteral("application/x-kavrel-rows"), "1");
    std::unique_ptr<QMimeData> remote(uriList({QUrl(QStringLiteral("https://example.org/a.mp3"))}));
    EXPECT_FALSE(dragAndDrop(mainWindow, *internal)) << "the player's own drags are not the desktop's";
    EXPECT_FALSE(dragAndDrop(mainWindow, *remote));

    std::unique_ptr<QMimeData> folders(
        uriList({QUrl::fromLocalFile(QString::fromStdString(path("music/b"))),
                 QUrl::fromLocalFile(QString::fromStdString(path("music/c"))),
                 QUrl::fromLocalFile(QString::fromStdString(path("loose/x.mp3"))),
                 QUrl(QStringLiteral("https://example.org/a.mp3"))}));
    dialogs.messages.clear();
    start(bigTree()); // replaced by the drop before it saves anything
    ASSERT_TRUE(dragAndDrop(mainWindow, *folders));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_THAT(drops[0], ElementsAre(path("music/b"), path("music/c"), path("loose/x.mp3")));
    EXPECT_TRUE(window->RadioButton2->isChecked());
    ASSERT_TRUE(waitForMessages(1));
    QTest::qWait(100);
    EXPECT_THAT(dialogs.captions(), ElementsAre(kFinished));
    EXPECT_EQ(paths("LB1").size(), 2u + 5u + 2u + 1u) << "the old files and both folders and the file";
}

TEST_F(TagFinderEntriesTest, ARefreshRebuildsFromTheFoldersOfTheLibrarysFiles) {
    open();
    window->openIn(OpenMode::RefreshFiles);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "The library is empty");
    EXPECT_FALSE(window->building());

    dialogs.messages.clear();
    start(path("music/a") + ";" + path("music/b"));
    ASSERT_TRUE(waitForMessages(1));
    // One song dropped from a folder whose subfolders hold others.
    const std::string song = kavrel::test::readFile(dir / "music/a/acdc.mp3");
    kavrel::test::writeFile(dir / "loose/x.mp3", song);
    kavrel::test::writeFile(dir / "loose/sub/y.mp3", song);
    window->buildFromDroppedItems({path("loose/x.mp3")}, {});
    ASSERT_TRUE(waitForMessages(2));
    std::filesystem::remove(dir / "music/b/abba.mp3");
    std::filesystem::copy_file(dir / "music/a/acdc.mp3", dir / "music/a/new.mp3");
    window->Edit1->clear();
    dialogs.messages.clear();
    window->openIn(OpenMode::RefreshFiles);
    EXPECT_TRUE(window->building());
    EXPECT_TRUE(window->RadioButton1->isChecked());
    ASSERT_TRUE(waitForMessages(1));
    const auto files = paths("LB1");
    EXPECT_EQ(files.size(), 8u);
    EXPECT_NE(std::ranges::find(files, path("music/a/new.mp3")), files.end());
    EXPECT_NE(std::ranges::find(files, path("loose/x.mp3")), files.end());
    EXPECT_EQ(std::ranges::find(files, path("music/b/abba.mp3")), files.end());
    EXPECT_EQ(std::ranges::find(files, path("loose/sub/y.mp3")), files.end());
}

// A folder that is gone (deleted, or on a disk not connected now) would drop its songs without a word: the
// refresh names it and goes on only when the user agrees; with every folder gone it starts nothing.
TEST_F(TagFinderEntriesTest, ARefreshLeavesOutFoldersThatAreGoneOnlyWhenTheUserAgrees) {
    copyFixture("library/tree/first", "music/c");
    struct Case {
        const char* name;
        std::vector<const char*> gone;
        std::deque<bool> answers;
        QString caption;   // of the one message before any build
        std::size_t files; // in the library afterwards
    };
    const std::vector<Case> cases = {
        {"one gone, cancelled",
         {"music/b"},
         {false},
         QStringLiteral("Some folders of the library are gone"),
         9},
        {"one gone, agreed", {"music/b"}, {true}, QStringLiteral("Some folders of the library are gone"), 4},
        {"all gone",
         {"music/a", "music/b", "music/c"},
         {},
         QStringLiteral("The library's folders are gone"),
         9},
    };
    for (const auto& c : cases) {
        const kavrel::test::TempDir hidden;
        open();
        dialogs.messages.clear();
        start(path("music/a") + ";" + path("music/b") + ";" + path("music/c"));
        expectSaved(9);
        const auto before = libraryBytes("LB1");
        for (const char* folder : c.gone)
            std::filesystem::rename(dir / folder, hidden.path() / std::filesystem::path(folder).filename());
        dialogs.messages.clear();
        dialogs.answers = c.answers;
        window->openIn(OpenMode::RefreshFiles);
        ASSERT_FALSE(dialogs.messages.empty()) << c.name;
        EXPECT_EQ(dialogs.messages[0].caption, c.caption) << c.name;
        for (const char* folder : c.gone)
            EXPECT_THAT(dialogs.messages[0].text.toStdString(), HasSubstr(path(folder))) << c.name;
        if (c.files == 9) {
            EXPECT_FALSE(window->building()) << c.name;
            EXPECT_EQ(libraryBytes("LB1"), before) << c.name;
        } else {
            ASSERT_TRUE(waitForMessages(2)) << c.name;
            EXPECT_EQ(dialogs.messages[1].caption, kFinished) << c.name;
            EXPECT_EQ(paths("LB1").size(), c.files) << c.name;
        }
        for (const char* folder : c.gone)
            std::filesystem::rename(hidden.path() / std::filesystem::path(folder).filename(), dir / folder);
    }
}

// The library's folders joined run far past what a line edit holds by default (32767 characters); none
// of them may be cut off.
TEST_F(TagFinderEntriesTest, ARefreshOfALibraryInManyFoldersKeepsEveryOne) {
    const std::string longName(120, 'n');
    const std::string song = kavrel::test::readFile(dir / "music/a/acdc.mp3");
    constexpr int kFolders = 300;
    for (int i = 0; i < kFolders; ++i)
        kavrel::test::writeFile(dir / "many" / (std::to_string(i) + longName) / "song.mp3", song);
    open();
    start(path("many"));
    expectSaved(kFolders);
    dialogs.messages.clear();
    window->openIn(OpenMode::RefreshFiles);
    expectSaved(kFolders);
    EXPECT_GT(window->Edit1->text().size(), 32767);
}

TEST_F(TagFinderEntriesTest, ARefreshOfTheCdLibraryReadsTheDiscInTheDrive) {
    mountDisc();
    settings.ActiveLibrary.text = "LBCD";
    open("/dev/sr0");
    window->openIn(OpenMode::RefreshFiles);
    ASSERT_TRUE(waitForMessages(1));
    EXPECT_THAT(saved, ElementsAre("LBCD"));
    EXPECT_EQ(paths("LBCD").size(), 2u);
}

TEST_F(TagFinderEntriesTest, TheButtonsShowTheLanguageFilesStateTexts) {
    open();
    const auto& table = lang::languageFileTables()[static_cast<int>(lang::LanguageWindow::LibraryBuild)];
    for (const char* language : {"english", "russian"}) {
        const auto missing = lang::applyLanguageText(
            lang::readLanguageFile(std::filesystem::path(KAVREL_DATA_DIR) / "Lang" / language / "Tager.plf"),
            table, *window);
        EXPECT_TRUE(missing.isEmpty()) << missing.join(u',').toStdString();
    }
    lang::applyLanguageText(lang::readLanguageFile(KAVREL_DATA_DIR "/Lang/english/Tager.plf"), table,
                            *window);
    EXPECT_EQ(window->windowTitle(), "Kavrel Tag Finder");
    EXPECT_EQ(window->Button1->text(), "Start");
    start(bigTree());
    EXPECT_EQ(window->Button1->text(), "Stop");
    window->Button4->click();
    EXPECT_EQ(window->Button4->text(), "Resume");
    window->Button4->click();
    EXPECT_EQ(window->Button4->text(), "Suspend");
    window->Button1->click();
    EXPECT_EQ(window->Button1->text(), "Start");
}

} // namespace
} // namespace kavrel::ui::tag_finder::test
