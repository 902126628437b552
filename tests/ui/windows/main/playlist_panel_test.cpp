// The playlist column with real mouse and key events: dragging songs in and rows around (the playing
// row keeps playing and stays marked), Delete, Enter, the header's menu press and the hint.
#include "playlist_panel_fixture.h"

#include "playlist/row_hint.h"
#include "ui/controls/row_hint_popup.h"

#include <QDrag>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace kavrel::ui {
namespace {

using library::browser::Panel;
using Titles = std::vector<std::string>;

QPoint rowCentre(const QAbstractItemView& list, int item) {
    return list.visualRect(list.model()->index(item, 0)).center();
}

// What a window system does with a drag that ends over the playlist at `item` (-1: under the rows).
void dropOnPlaylist(TForm1& window, QDrag& drag, int item) {
    QWidget& target = *window.ListBox5->viewport();
    const QPoint at = item < 0 ? QPoint(5, target.height() - 2) : rowCentre(*window.ListBox5, item);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, drag.mimeData(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, actions, drag.mimeData(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    EXPECT_TRUE(drop.isAccepted());
}

// Presses `item` of `list`, drags it past the start distance and lets it go over the playlist's `dropAt`.
void dragOntoPlaylist(test::PlaylistPanelFixture& f, QAbstractItemView& list, int item, int dropAt) {
    bool ran = false;
    f.panel().drag().setDragRunner([&](QDrag& drag) {
        ran = true;
        dropOnPlaylist(*f.window, drag, dropAt);
    });
    const QPoint from = rowCentre(list, item);
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(list.viewport(), from + QPoint(0, 12));
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, from + QPoint(0, 12));
    EXPECT_TRUE(ran) << "no drag started";
}

struct PlayingRowTwo : test::PlaylistPanelFixture {
    PlayingRowTwo() {
        application->playback().PlayRow(2);
        application->browser().selectArtist("Alpha");
    }
    // "Alpha" is a Latin name: the English panel, on the right by default.
    TCListView& artists() { return window->ListBox2->count() > 0 ? *window->ListBox2 : *window->ListBox1; }
    void expectStillPlaying(int row) {
        EXPECT_EQ(list().CurrentIndex, row);
        EXPECT_EQ(list().row(row)[library::kTitleColumn], "Title 2");
        EXPECT_EQ(window->ListBox5->markedRow(), row - 1);
        EXPECT_EQ(window->ListBox5->markedState(), "Play");
        EXPECT_EQ(application->facade().GetState(), engine::kPlaying);
    }
};

TEST(PlaylistPanel, DraggedLibraryRowsGoInAtTheDropRow) {
    struct Case {
        const char* what;
        Panel from;
        int item;
        int dropAt;
        Titles expected;
        int current;
    };
    const Case cases[] = {
        {"a song onto the first row", Panel::Songs, 1, 0, {"A2", "Title 1", "Title 2", "Title 3"}, 3},
        {"a song onto the playing row", Panel::Songs, 0, 1, {"Title 1", "A1", "Title 2", "Title 3"}, 3},
        {"a song after the playing row", Panel::Songs, 0, 2, {"Title 1", "Title 2", "A1", "Title 3"}, 2},
        {"a song under the rows", Panel::Songs, 2, -1, {"Title 1", "Title 2", "Title 3", "B1"}, 2},
        {"the artist", Panel::Left, 0, 0, {"A1", "A2", "B1", "Title 1", "Title 2", "Title 3"}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayingRowTwo f;
        TCListView& source = c.from == Panel::Songs ? *f.window->ListBox4 : f.artists();
        ASSERT_GT(source.count(), c.item);
        dragOntoPlaylist(f, source, c.item, c.dropAt);
        EXPECT_EQ(f.titles(), c.expected);
        ASSERT_EQ(f.shownRows().size(), c.expected.size());
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_TRUE(
                QString::fromStdString(f.shownRows()[i]).endsWith(QString::fromStdString(c.expected[i])));
        f.expectStillPlaying(c.current);
    }
}

TEST(PlaylistPanel, DraggedAlbumBringsItsSongs) {
    PlayingRowTwo f;
    f.application->browser().selectAlbum("Two", library::browser::SelectedBy::Mouse);
    TCListView& albums = *f.window->ListBox3;
    int two = 0;
    while (two < albums.count() && !albums.rowText(two).endsWith(QStringLiteral("Two")))
        ++two;
    ASSERT_LT(two, albums.count());
    dragOntoPlaylist(f, albums, two, -1);
    EXPECT_EQ(f.titles(), (Titles{"Title 1", "Title 2", "Title 3", "B1"}));
}

TEST(PlaylistPanel, ASongDraggedFromSearchMatchesIsTheMatchShown) {
    PlayingRowTwo f;
    auto& browser = f.application->browser();
    browser.setSearchScope(library::browser::SearchScope::SongInAllLibrary);
    browser.setMatchMode(library::browser::MatchMode::ConsistOf);
    browser.searchTextChanged("b1");
    TCListView& songs = *f.window->ListBox4;
    ASSERT_EQ(songs.count(), 1);
    dragOntoPlaylist(f, songs, 0, -1);
    EXPECT_EQ(f.titles(), (Titles{"Title 1", "Title 2", "Title 3", "B1"}));
}

TEST(PlaylistPanel, MovingARowKeepsThePlayingRowPlayingAndMarked) {
    struct Case {
        const char* what;
        int from; // 0-based items
        int dropAt;
        Titles expected;
        int current;
    };
    // Title 2 plays.
    const Case cases[] = {
        {"the playing row down", 1, 2, {"Title 1", "Title 3", "Title 2"}, 3},
        {"the playing row to the top", 1, 0, {"Title 2", "Title 1", "Title 3"}, 1},
        {"the playing row under the rows", 1, -1, {"Title 1", "Title 3", "Title 2"}, 3},
        {"a row from above to below it", 0, 2, {"Title 2", "Title 3", "Title 1"}, 1},
        {"a row from above onto it", 0, 1, {"Title 2", "Title 1", "Title 3"}, 1},
        {"a row from below onto it", 2, 1, {"Title 1", "Title 3", "Title 2"}, 3},
        {"a row from below to the top", 2, 0, {"Title 3", "Title 1", "Title 2"}, 3},
        {"a row onto itself", 2, 2, {"Title 1", "Title 2", "Title 3"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayingRowTwo f;
        dragOntoPlaylist(f, *f.window->ListBox5, c.from, c.dropAt);
        EXPECT_EQ(f.titles(), c.expected);
        f.expectStillPlaying(c.current);
        const int moved = c.dropAt < 0 ? 2 : c.dropAt;
        EXPECT_EQ(f.window->ListBox5->currentRow(), moved) << "the moved row stays selected";
    }
}

TEST(PlaylistPanel, DropsFromOutsideTheListsAreLeftToTheWindow) {
    test::PlaylistPanelFixture f;
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/music/x.mp3")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window->ListBox5->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted()) << "passed on to the window, which takes files for the library";
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QMimeData forged;
    forged.setData(kListDragMimeType, "4");
    QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &forged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window->ListBox5->viewport(), &drop);
    EXPECT_EQ(f.list().Count(), 3) << "a drop no drag of ours began";
}

TEST(PlaylistPanel, DeleteRefusesThePlayingRowAndEnterPlaysTheSelectedOne) {
    PlayingRowTwo f;
    TCListBox& list = *f.window->ListBox5;
    list.setFocus();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 1));
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(f.titles(), (Titles{"Title 1", "Title 2", "Title 3"})) << "the playing row stays";

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 2));
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(f.titles(), (Titles{"Title 1", "Title 2"}));
    EXPECT_EQ(list.currentRow(), 1) << "the new last entry is selected";
    f.expectStillPlaying(2);

    QTest::keyClick(&list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.titles(), (Titles{"Title 1", "Title 2", "Title 3"})) << "Ctrl+Z brings it back";

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(f.list().CurrentIndex, 1);
    EXPECT_EQ(list.markedRow(), 0);

    QTest::keyClick(&list, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(list.selectedItems().isEmpty()) << "Ctrl clears the selection";
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(f.list().Count(), 3) << "nothing selected, nothing deleted";

    // Before the focused control: the command box, where Ctrl+Delete would cut a word, never sees it.
    QLineEdit& command = *f.window->CmdSearch;
    command.setText(QStringLiteral("two words"));
    command.setCursorPosition(0);
    command.setFocus();
    QTest::keyClick(&command, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f.list().Count(), 0) << "Ctrl+Delete clears the list";
    EXPECT_EQ(command.text(), "two words");
}

TEST(PlaylistPanel, DoubleClickPlaysTheRow) {
    test::PlaylistPanelFixture f;
    TCListBox& list = *f.window->ListBox5;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 2));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 2));
    EXPECT_EQ(f.list().CurrentIndex, 3);
    EXPECT_EQ(f.application->facade().GetState(), engine::kPlaying);
}

TEST(PlaylistPanel, TheTabPicturesSwitchThePlaylist) {
    test::PlaylistPanelFixture f;
    TForm1& w = *f.window;
    ASSERT_EQ(w.Img2Pl1->width(), 109);
    QTest::mouseClick(w.Img2Pl1, Qt::LeftButton, {}, QPoint(80, 10)); // the right third
    EXPECT_TRUE(w.Img2PL2->isVisible());
    EXPECT_FALSE(w.Img2Pl1->isVisible());
    EXPECT_EQ(w.ListBox5->count(), 0) << "PL2 has no saved list";
    QTest::mouseClick(w.Img2PL2, Qt::LeftButton, {}, QPoint(36, 10)); // the left third
    EXPECT_TRUE(w.Img2Pl1->isVisible());
    EXPECT_EQ(f.titles(), (Titles{"Title 1", "Title 2", "Title 3"}));
    EXPECT_EQ(w.ListBox5->count(), 3);
}

TEST(PlaylistPanel, TheHeaderOpensThePlaylistMenuOnItsLeftPart) {
    struct Case {
        int x;
        Qt::MouseButton button;
        bool opens;
    };
    // The header is 66 wide: round(26.4) = 26.
    const Case cases[] = {{0, Qt::LeftButton, true},
                          {26, Qt::LeftButton, true},
                          {27, Qt::LeftButton, false},
                          {65, Qt::LeftButton, false},
                          {10, Qt::RightButton, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        test::PlaylistPanelFixture f;
        ASSERT_EQ(f.window->ImgPlayListAZ->width(), 66);
        QTest::mousePress(f.window->ImgPlayListAZ, c.button, {}, QPoint(c.x, 5));
        EXPECT_EQ(f.panel().menus().PlaylistMenu->isVisible(), c.opens);
        f.panel().menus().PlaylistMenu->hide();
    }
}

TEST(PlaylistPanel, TheRowHintCoversTheRowAfterThePause) {
    test::PlaylistPanelFixture f;
    TCListBox& list = *f.window->ListBox5;
    auto* hint = list.findChild<RowHintPopup*>();
    ASSERT_NE(hint, nullptr);
    QMouseEvent over(QEvent::MouseMove, rowCentre(list, 1), list.viewport()->mapToGlobal(rowCentre(list, 1)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &over);
    EXPECT_FALSE(hint->isVisible()) << "not before the hint pause";
    ASSERT_TRUE(QTest::qWaitFor([hint] { return hint->isVisible(); }, 3000));
    EXPECT_EQ(hint->text().toStdString(), playlist::rowHintText(f.list().row(2)));
    const QPoint rowTop = list.viewport()->mapToGlobal(list.visualRect(list.model()->index(1, 0)).topLeft());
    EXPECT_EQ(hint->pos(), QPoint(list.mapToGlobal(QPoint(0, 0)).x() - 1, rowTop.y() - 3));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(list.viewport(), &leave);
    EXPECT_FALSE(hint->isVisible());
}

} // namespace
} // namespace kavrel::ui
