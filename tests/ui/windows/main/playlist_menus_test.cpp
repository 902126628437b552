// The playlist's menus: saving and loading through the file dialogs' path (failures named, nothing
// changed), the shuffle captions, the repeat pair, the language file's captions, the copier and the
// library menu's seams.
#include "playlist_panel_fixture.h"

#include "playlist/ppl_file.h"
#include "ui/lang/language_applier.h"
#include "ui/windows/copier/t_form2.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace kavrel::ui {
namespace {

using Titles = std::vector<std::string>;

TEST(PlaylistMenus, SaveAndLoadGoThroughTheChosenFile) {
    test::PlaylistPanelFixture f;
    f.files.chosen = QString::fromStdString((f.dir / "mine").string());
    QTest::keyClick(f.window->CmdSearch, Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(f.files.errors.isEmpty()) << f.files.errors.join("\n").toStdString();
    const auto saved = playlist::readPlaylistFile(f.dir / "mine.ppl");
    ASSERT_TRUE(saved) << "\".ppl\" is added to the chosen name";
    EXPECT_EQ(saved->Count(), 3);

    f.panel().menus().ClearPlayList1->trigger();
    ASSERT_EQ(f.list().Count(), 0);
    f.files.chosen = QString::fromStdString((f.dir / "mine.ppl").string());
    QTest::keyClick(f.window->ListBox5, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(f.titles(), (Titles{"Title 1", "Title 2", "Title 3"}));
    EXPECT_EQ(f.window->ListBox5->count(), 3);
}

TEST(PlaylistMenus, AFileThatCannotBeLoadedIsNamedAndChangesNothing) {
    struct Case {
        const char* what;
        std::string bytes; // nothing written when empty
        const char* reason;
    };
    const Case cases[] = {
        {"missing", "", "Cannot open"},
        {"foreign", "#EXTM3U\r\n/music/a.mp3\r\n", "is not a Kavrel playlist"},
        {"damaged header", std::string(playlist::kPlaylistMagic) + "\r\nNoEmptyPlayList\r\nx\r\n",
         "is damaged"},
        {"empty", std::string(playlist::kPlaylistMagic) + "\r\nEmptyPlayList\r\n", "holds no tracks"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::PlaylistPanelFixture f;
        f.application->playback().PlayRow(2);
        const auto file = f.dir / "other.ppl";
        if (!c.bytes.empty())
            test::writeFile(file, c.bytes);
        f.files.chosen = QString::fromStdString(file.string());
        f.panel().menus().LoadPlaylist1->trigger();
        ASSERT_EQ(f.files.errors.size(), 1);
        EXPECT_TRUE(f.files.errors[0].startsWith("Load Playlist: ")) << f.files.errors[0].toStdString();
        EXPECT_TRUE(f.files.errors[0].contains(QString::fromStdString(file.string())));
        EXPECT_TRUE(f.files.errors[0].contains(c.reason)) << f.files.errors[0].toStdString();
        EXPECT_EQ(f.titles(), (Titles{"Title 1", "Title 2", "Title 3"}));
        EXPECT_EQ(f.list().CurrentIndex, 2);
        EXPECT_EQ(f.application->facade().GetState(), engine::kPlaying) << "playback goes on";
    }
}

TEST(PlaylistMenus, ASaveThatFailsSaysWhereAndWhy) {
    test::PlaylistPanelFixture f;
    test::writeFile(f.dir / "notafolder", "x");
    const auto file = f.dir / "notafolder/list.ppl";
    f.files.chosen = QString::fromStdString(file.string());
    f.panel().menus().SavePlaylist1->trigger();
    ASSERT_EQ(f.files.errors.size(), 1);
    EXPECT_TRUE(f.files.errors[0].startsWith("Save Playlist: "));
    EXPECT_TRUE(f.files.errors[0].contains(QString::fromStdString(file.string())))
        << f.files.errors[0].toStdString();
    EXPECT_EQ(f.list().Count(), 3);
}

TEST(PlaylistMenus, ShuffleCaptionsShowTheSharesOnce) {
    test::PlaylistPanelFixture f;
    QAction* all = f.panel().menus().shuffleSource(playlist::ShuffleSource::Library);
    for (int opened = 0; opened < 2; ++opened) {
        QTest::mouseClick(f.window->ImgShuffStr, Qt::LeftButton);
        EXPECT_TRUE(f.panel().menus().ShufflMenu->isVisible());
        f.panel().menus().ShufflMenu->hide();
        EXPECT_EQ(all->text(), "From librury (25%)");
    }
    EXPECT_EQ(f.panel().menus().shuffleSource(playlist::ShuffleSource::PlayList)->text(), "PlayList");
    EXPECT_FALSE(f.panel().menus().Options2->isEnabled()) << "no preferences window to open yet";

    int opened = 0;
    f.panel().setPreferencesOpener([&opened] { ++opened; });
    f.panel().menus().Options2->trigger();
    EXPECT_EQ(opened, 1);

    f.panel().menus().shuffleSource(playlist::ShuffleSource::PlayList)->trigger();
    EXPECT_TRUE(f.application->settings().mShuffPlist);
    EXPECT_FALSE(f.application->settings().mShuffLib100);
}

TEST(PlaylistMenus, TheRepeatPairAndTheSortMenu) {
    test::PlaylistPanelFixture f;
    QTest::mouseClick(f.window->ImgRepStr, Qt::LeftButton);
    ASSERT_TRUE(f.panel().menus().REpeatMenu->isVisible());
    f.window->mRepeatAllPlayList->trigger();
    EXPECT_TRUE(f.application->settings().mRepeatAllPlayList);
    EXPECT_FALSE(f.window->mRepeatOneSong->isChecked());
    f.window->mRepeatAllPlayList->trigger();
    EXPECT_FALSE(f.application->settings().mRepeatAllPlayList) << "a checked item unchecks";
    EXPECT_FALSE(f.window->mRepeatAllPlayList->isChecked());

    std::reverse(f.list().Rows.begin() + 1, f.list().Rows.end());
    f.application->playback().PlayRow(1); // "Title 3"
    QTest::mouseClick(f.window->ImgPlistSortBy, Qt::LeftButton);
    QMenu& sort = *f.panel().menus().SortByPList;
    ASSERT_TRUE(sort.isVisible());
    QTest::mouseClick(&sort, Qt::LeftButton, {}, sort.actionGeometry(f.panel().menus().ByTitle1).center());
    EXPECT_EQ(f.titles(), (Titles{"Title 1", "Title 2", "Title 3"}));
    EXPECT_EQ(f.list().CurrentIndex, 3) << "the playing track is followed";
}

TEST(PlaylistMenus, TakeTheirCaptionsFromTheLanguageFile) {
    test::PlaylistPanelFixture f;
    const lang::LanguageText text =
        lang::readLanguageFile(fs::ProgramFolder(KAVREL_DATA_DIR).resolve("\\Lang\\english\\main.plf"));
    const QStringList missing = lang::applyLanguageText(text, lang::languageFileTables()[0], *f.window);
    for (const char* item :
         {"ByTitle1",       "ByArtist1",          "ByAlbom1",       "ByFileName1",
          "ClearPlayList1", "SavePlaylist1",      "LoadPlaylist1",  "Queic1",
          "Enabled1",       "PlayListFileCoper2", "mRepeatOneSong", "mRepeatAllPlayList",
          "mShuffLib",      "mShuffPlist",        "Options2",       "ClearLibraryandAdddir1",
          "Adddirectory1",  "RefreshLibrary1",    "MenuItem1",      "PlayListFileCoper1"})
        EXPECT_FALSE(missing.contains(QLatin1String(item))) << item;
    const PlaylistMenus& menus = f.panel().menus();
    EXPECT_EQ(menus.ClearPlayList1->text().toStdString(), text.line(22));
    EXPECT_EQ(menus.Queic1->title().toStdString(), text.line(25));
    EXPECT_EQ(menus.RefreshLibrary1->text().toStdString(), text.line(71));
    EXPECT_EQ(menus.PlayListFileCoper1->text().toStdString(), text.line(75));
}

TEST(PlaylistMenus, TheCopierOpensOverThePlaylistsTracks) {
    test::PlaylistPanelFixture f;
    QString title;
    std::vector<tools::CopyEntry> tracks = copierEntriesOf(f.list());
    QTimer::singleShot(0, [&title] {
        if (QWidget* copier = QApplication::activeModalWidget()) {
            title = copier->windowTitle();
            static_cast<QDialog*>(copier)->reject();
        }
    });
    f.panel().menus().PlayListFileCoper2->trigger();
    EXPECT_EQ(title, "Copying files from the Playlist");
    ASSERT_EQ(tracks.size(), 3u);
    EXPECT_EQ(tracks[1].title, "Title 2");
    EXPECT_EQ(tracks[1].artist, "Artist 2");
    EXPECT_EQ(tracks[1].trackNumber, "2");
    EXPECT_EQ(tracks[1].sizeText, "1048576");
}

TEST(PlaylistMenus, TheLibraryMenuOpensOnARightClickAndReachesTheBuildWindow) {
    test::PlaylistPanelFixture f;
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(3, 3),
                           f.window->ImgLibrary->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(f.window->ImgLibrary, &menu);
    EXPECT_TRUE(f.panel().menus().LibraryMenu->isVisible());
    f.panel().menus().LibraryMenu->hide();

    std::vector<LibraryBuildMode> opened;
    f.panel().setBuildWindowOpener([&opened](LibraryBuildMode mode) { opened.push_back(mode); });
    f.panel().menus().ClearLibraryandAdddir1->trigger();
    f.panel().menus().Adddirectory1->trigger();
    f.panel().menus().RefreshLibrary1->trigger();
    EXPECT_EQ(opened,
              (std::vector{LibraryBuildMode::ClearAndAdd, LibraryBuildMode::Add, LibraryBuildMode::Refresh}));
}

} // namespace
} // namespace kavrel::ui
