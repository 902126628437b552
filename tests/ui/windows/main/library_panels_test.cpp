// The library panels of the main window bound to the whole player, on a library the real build tool
// made from the fixture tree, driven by mouse and key events: artists, albums and songs, the add modes,
// the search scopes, typing into the command line, the song hint and its menu, the order menus and the
// wheel.
#include "bound_main_window.h"
#include "engine/engine.h"
#include "ui/windows/main/list_wheel.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <optional>

namespace kavrel::ui {
namespace {

using Items = std::vector<std::string>;
using library::browser::Panel;

// The library of the fixture tree: Кино on the left; ABBA (Gold, Arrival), AC DC and Unknown on the right.
void builtLibrary(const std::filesystem::path& folder, core::TConfRecord& settings) {
    const auto tree = test::fixture("library/tree");
    const std::string command = std::string(KAVREL_LIBRARY_TOOL) + " build --library '" +
                                (folder / "Library/LB1").string() + "' '" + (tree / "first").string() +
                                "' '" + (tree / "second").string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    settings.ActiveLibrary.text = "LB1";
    // Unnumbered, so the rows read as the names (the searches of songs number their matches anyway).
    for (core::TListOptions* options : {&settings.Left, &settings.Right, &settings.Albom, &settings.Song})
        options->Indexin = false;
}

// One add mode of a list, the other three off.
void setAddMode(core::TListOptions& options, bool core::TListOptions::*mode) {
    options.OnDb_E = options.OnDb_E_P = options.OnDb_A_P = options.OnDb_A = false;
    options.*mode = true;
}

Items rows(const TCListView& list) {
    Items texts;
    for (int row = 0; row < list.count(); ++row)
        texts.push_back(list.rowText(row).toStdString());
    return texts;
}

QPoint centreOf(const TCListView& list, int row) {
    return list.visualRect(list.model()->index(row, 0)).center();
}

class LibraryPanelsTest : public ::testing::Test, public test::BoundMainWindow {
protected:
    LibraryPanelsTest() : BoundMainWindow(builtLibrary) {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void press(TCListView& list, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(list.viewport(), button, {}, centreOf(list, row));
    }
    void doubleClick(TCListView& list, int row) {
        press(list, row);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centreOf(list, row));
    }
    QAction& item(const char* name) {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return *action;
    }
    Items playlistTitles() { return test::titles(application->playbackState().list()); }
    TCListView& listOf(Panel panel) {
        const std::array lists{window->ListBox1, window->ListBox2, window->ListBox3, window->ListBox4};
        return *lists[static_cast<std::size_t>(panel) - 1];
    }
};

TEST_F(LibraryPanelsTest, PressingAnArtistInEitherPanelFillsTheAlbumsAndSongs) {
    EXPECT_EQ(rows(*window->ListBox1), Items{"Кино"});
    EXPECT_EQ(rows(*window->ListBox2), (Items{"ABBA", "AC DC", "Unknown"}));
    EXPECT_EQ(window->ImgCDmp3Libr->picture(), window->ImgCDmp3Libr->slot(1)) << "the LB1 strip is lit";

    press(*window->ListBox2, 0);
    EXPECT_EQ(rows(*window->ListBox3), (Items{"Gold", "Arrival"}));
    EXPECT_EQ(rows(*window->ListBox4), (Items{"Dancing Queen", "Waterloo"}));

    press(*window->ListBox1, 0);
    EXPECT_EQ(rows(*window->ListBox4), Items{"Песня без слов"});
    EXPECT_EQ(window->ListBox2->currentRow(), -1) << "the other artist panel lets go";
    EXPECT_EQ(window->ListBox1->currentRow(), 0);

    press(*window->ListBox2, 1);
    press(*window->ListBox3, 0);
    EXPECT_EQ(rows(*window->ListBox4), (Items{"One", "Two", "Three"})) << "the album by track number";

    // Below the rows and with the right button nothing changes.
    QTest::mouseClick(window->ListBox2->viewport(), Qt::LeftButton, {}, {20, 300});
    QTest::mouseClick(window->ListBox2->viewport(), Qt::RightButton, {}, centreOf(*window->ListBox2, 0));
    EXPECT_EQ(window->ListBox2->currentRow(), 1);
    EXPECT_EQ(rows(*window->ListBox4), (Items{"One", "Two", "Three"}));
}

TEST_F(LibraryPanelsTest, ArrowKeysWalkTheArtistsAndCtrlLetsGo) {
    press(*window->ListBox2, 0);
    QTest::keyClick(window->ListBox2, Qt::Key_Down);
    EXPECT_EQ(window->ListBox2->currentRow(), 1);
    EXPECT_EQ(rows(*window->ListBox4), (Items{"One", "Three", "Two"})) << "AC DC by title";
    QTest::keyClick(window->ListBox2, Qt::Key_Up);
    EXPECT_EQ(rows(*window->ListBox4), (Items{"Dancing Queen", "Waterloo"}));
    QTest::keyClick(window->ListBox2, Qt::Key_Up);
    EXPECT_EQ(window->ListBox2->currentRow(), 0) << "nothing above the first";
    QTest::keyClick(window->ListBox2, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(window->ListBox2->currentRow(), -1);
    EXPECT_EQ(rows(*window->ListBox4), (Items{"Dancing Queen", "Waterloo"}));
}

// Each add mode, from a playlist of ABBA's two songs with nothing playing: a double click on "Waterloo".
TEST_F(LibraryPanelsTest, DoubleClickAddsTheSongByTheListsAddMode) {
    struct Case {
        bool core::TListOptions::*mode;
        Items playlist;
        int playing; // the current row, 0 for none
    };
    const std::vector<Case> cases = {
        {&core::TListOptions::OnDb_E, {"Dancing Queen", "Waterloo", "Waterloo"}, 0},
        {&core::TListOptions::OnDb_E_P, {"Dancing Queen", "Waterloo", "Waterloo"}, 3},
        {&core::TListOptions::OnDb_A_P, {"Waterloo", "Dancing Queen", "Waterloo"}, 1},
        {&core::TListOptions::OnDb_A, {"Waterloo", "Dancing Queen", "Waterloo"}, 0},
    };
    auto& settings = application->settings();
    for (const Case& c : cases) {
        application->playlistCommands().Clear();
        setAddMode(settings.Right, &core::TListOptions::OnDb_E);
        press(*window->ListBox2, 0);
        window->ListBox2->setFocus();
        QTest::keyClick(window->ListBox2, Qt::Key_Return);
        ASSERT_EQ(playlistTitles(), (Items{"Dancing Queen", "Waterloo"}));

        setAddMode(settings.Song, c.mode);
        doubleClick(*window->ListBox4, 1);
        EXPECT_EQ(playlistTitles(), c.playlist);
        EXPECT_EQ(window->ListBox5->count(), 3);
        const auto& list = application->playbackState().list();
        EXPECT_EQ(list.CurrentIndex, c.playing);
        EXPECT_EQ(application->facade().GetState(), c.playing ? engine::kPlaying : engine::kStopped);
        application->playback().Stop(true);
    }
}

TEST_F(LibraryPanelsTest, EnterOnTheAlbumListSendsTheAlbum) {
    setAddMode(application->settings().Albom, &core::TListOptions::OnDb_E);
    press(*window->ListBox2, 1);
    press(*window->ListBox3, 0);
    QTest::keyClick(window->ListBox3, Qt::Key_Enter);
    EXPECT_EQ(playlistTitles(), (Items{"One", "Two", "Three"}));
}

// The scope is chosen from the search options menu, then the text is typed into the line.
TEST_F(LibraryPanelsTest, SearchesInEachScope) {
    struct Case {
        const char* scope;
        const char* match;
        int artistPanel; // the artist pressed first, in ListBox2, or -1
        int album;       // the album pressed then, or -1
        QString typed;
        Panel panel;
        Items shown;
    };
    const std::vector<Case> cases = {
        {"mArtist", "mStartAt", -1, -1, "ab", Panel::Right, {"ABBA"}},
        {"mArtist", "mConsistof", -1, -1, "no", Panel::Right, {"Unknown"}},
        {"mArtist", "mConsistof", -1, -1, "кИ", Panel::Left, {"Кино"}},
        {"mAlbomInAllLibrary", "mConsistof", -1, -1, "rri", Panel::Albums, {"Arrival"}},
        {"mAlbomInActivArtist", "mStartAt", 0, -1, "g", Panel::Songs, {"Waterloo"}},
        {"mSongInAllLibrary", "mConsistof", -1, -1, "СЛОВ", Panel::Songs, {"1. Песня без слов"}},
        {"mSongInActivArtist", "mConsistof", 0, -1, "wat", Panel::Songs, {"1. Waterloo"}},
        {"mSongInActiveAlbum", "mConsistof", 1, 0, "t", Panel::Songs, {"1. Three", "2. Two"}},
    };
    for (const Case& c : cases) {
        window->CmdSearch->clear();
        if (c.artistPanel >= 0)
            press(*window->ListBox2, c.artistPanel);
        if (c.album >= 0)
            press(*window->ListBox3, c.album);
        QTest::mouseClick(window->ImgCmdPref, Qt::LeftButton);
        auto* options = window->findChild<QMenu*>("SearchOpt");
        ASSERT_TRUE(options && options->isVisible()) << "the options open at the pointer";
        item(c.scope).trigger();
        item(c.match).trigger();
        options->close();
        EXPECT_TRUE(item(c.scope).isChecked());
        for (const QChar typed : c.typed)
            QTest::sendKeyEvent(QTest::Click, window->CmdSearch, Qt::Key_unknown, QString(typed),
                                Qt::NoModifier);
        EXPECT_EQ(rows(listOf(c.panel)), c.shown) << c.scope << " " << c.typed.toStdString();
    }
}

TEST_F(LibraryPanelsTest, TypingInAListGoesToTheCommandLineAndEnterRunsIt) {
    ASSERT_TRUE(window->analyserOn());
    window->ListBox2->setFocus();
    QTest::keyClick(window->ListBox2, 'a');
    QTest::keyClick(QApplication::focusWidget(), 'c');
    EXPECT_FALSE(window->analyserOn()) << "the analyser gives the line its place";
    EXPECT_EQ(application->settings().AnalyserStateMinusOne, 0);
    EXPECT_EQ(window->CmdSearch->text(), "ac");
    EXPECT_TRUE(window->CmdSearch->hasFocus());
    EXPECT_EQ(rows(*window->ListBox2), Items{"AC DC"}) << "the artist search ran";

    window->ListBox1->setFocus();
    QTest::keyClick(window->ListBox1, Qt::Key_Backspace);
    EXPECT_EQ(window->CmdSearch->text(), "a");
    EXPECT_EQ(rows(*window->ListBox2), (Items{"ABBA", "AC DC"}));

    setAddMode(application->settings().Right, &core::TListOptions::OnDb_E);
    press(*window->ListBox2, 0);
    QTest::keyClick(window->ListBox2, Qt::Key_Return);
    ASSERT_EQ(playlistTitles().size(), 2u) << "Enter in a list adds; it is not typed";
    EXPECT_EQ(window->CmdSearch->text(), "a");

    QTest::mouseClick(window->ImgCmdPref, Qt::LeftButton);
    auto* options = window->findChild<QMenu*>("SearchOpt");
    QTest::keyClick(options, 'x');
    EXPECT_EQ(window->CmdSearch->text(), "a") << "an open menu keeps its letters";
    options->close();

    window->CmdSearch->setText("/cp");
    QTest::keyClick(window->CmdSearch, Qt::Key_Return);
    EXPECT_TRUE(playlistTitles().empty()) << "the command cleared the playlist";
    EXPECT_EQ(window->CmdSearch->text(), "");
    EXPECT_EQ(rows(*window->ListBox2), (Items{"ABBA", "AC DC", "Unknown"}))
        << "the empty line searched again";
}

TEST_F(LibraryPanelsTest, CtrlKeysActOnThePlaylistFromAnyList) {
    setAddMode(application->settings().Right, &core::TListOptions::OnDb_E);
    press(*window->ListBox2, 0);
    QTest::keyClick(window->ListBox2, Qt::Key_Return);
    ASSERT_EQ(playlistTitles().size(), 2u);
    QTest::keyClick(window->ListBox4, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(playlistTitles().empty());
    QTest::keyClick(window->ListBox3, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(playlistTitles().size(), 2u) << "undone";
    EXPECT_EQ(window->CmdSearch->text(), "") << "no control character is typed";
}

TEST_F(LibraryPanelsTest, TheSongHintSitsOverItsRowAndItsMenuShowsTheFile) {
    press(*window->ListBox2, 0);
    TCListView& songs = *window->ListBox4;
    const QPoint over = centreOf(songs, 1);
    QTest::mouseMove(songs.viewport(), over);
    const auto& hint = binding->libraryPanels().view().songHint();
    EXPECT_FALSE(hint.isVisible()) << "shown after the hint pause";
    QTRY_VERIFY_WITH_TIMEOUT(hint.isVisible(), 3000);
    // The song's own tag, not the artist list's merged spelling.
    EXPECT_TRUE(hint.text().startsWith("Abba - Gold - Waterloo - ")) << hint.text().toStdString();
    EXPECT_TRUE(hint.text().endsWith(" kbps"));
    const QPoint rowTop =
        songs.viewport()->mapToGlobal(songs.visualRect(songs.model()->index(1, 0)).topLeft());
    EXPECT_EQ(hint.pos(), QPoint(songs.mapToGlobal(QPoint(0, 0)).x() - 1, rowTop.y() - 3));

    // The wheel would move other rows under the pointer.
    QWheelEvent wheel(over, songs.viewport()->mapToGlobal(over), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(songs.viewport(), &wheel);
    EXPECT_FALSE(hint.isVisible()) << "the wheel takes the hint away";

    QContextMenuEvent menu(QContextMenuEvent::Mouse, over, songs.viewport()->mapToGlobal(over));
    QApplication::sendEvent(songs.viewport(), &menu);
    EXPECT_FALSE(hint.isVisible());
    QAction& show = item("SHowfilelocation1");
    ASSERT_TRUE(show.isEnabled());
    show.trigger();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_TRUE(shell.calls[0].starts_with("show /")) << shell.calls[0];
    EXPECT_TRUE(std::filesystem::exists(shell.calls[0].substr(5)));

    QContextMenuEvent below(QContextMenuEvent::Mouse, {20, 200},
                            songs.viewport()->mapToGlobal(QPoint(20, 200)));
    QApplication::sendEvent(songs.viewport(), &below);
    EXPECT_FALSE(show.isEnabled()) << "no song under the pointer";
    window->findChild<QMenu*>("PopupMenu1")->close();
}

TEST_F(LibraryPanelsTest, OrderMenusOpenAtThePointerAndReorder) {
    press(*window->ListBox2, 1);
    press(*window->ListBox3, 0);
    QTest::mouseClick(window->ImgSongSortBy, Qt::LeftButton);
    auto* order = window->findChild<QMenu*>("SortSong");
    ASSERT_TRUE(order && order->isVisible());
    EXPECT_TRUE(item("mByNomSong").isChecked());
    item("mByAZsong").trigger();
    order->close();
    EXPECT_EQ(rows(*window->ListBox4), (Items{"One", "Three", "Two"}));
    EXPECT_TRUE(application->settings().mByAZsong);

    press(*window->ListBox2, 0);
    QTest::mouseClick(window->ImgAblSortBy, Qt::LeftButton);
    ASSERT_TRUE(window->findChild<QMenu*>("AlbSort")->isVisible());
    item("mByAz").trigger();
    window->findChild<QMenu*>("AlbSort")->close();
    EXPECT_EQ(rows(*window->ListBox3), (Items{"Arrival", "Gold"}));
}

TEST(ListWheel, SevenRowsANotchWithinTheScrollersRange) {
    struct Case {
        int position, maximum, notches, expected;
    };
    const Case cases[] = {
        {0, 18, -1, 7},   {7, 18, -1, 14}, {11, 18, -1, 18}, {12, 18, -1, 18},
        {18, 18, -1, 18}, {0, 18, -3, 18}, {0, -5, -1, 0},   {18, 18, 1, 11},
        {7, 18, 1, 0},    {6, 18, 1, 0},   {18, 18, 2, 4},   {18, 18, 4, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wheelPosition(c.position, c.maximum, c.notches), c.expected)
            << c.position << " of " << c.maximum << ", " << c.notches << " notches";
}

// The same rule over all five lists: the list and its scroller move together, the scroller up to its
// maximum (a row past the list's last full page), fine wheels adding up to whole notches.
TEST_F(LibraryPanelsTest, TheWheelScrollsEveryListAndItsScrollerBySevenRows) {
    LibraryPanelsView& view = binding->libraryPanels().view();
    std::vector<std::string> many;
    for (int i = 0; i < 40; ++i)
        many.push_back("Row " + std::to_string(i));
    while (window->ListBox5->count() < 40)
        window->ListBox5->addItem(QStringLiteral("extra"));
    struct Case {
        QAbstractItemView* list;
        TQelScrollerVr* bar;
        std::function<int()> top;
        std::optional<Panel> panel; // none for the playlist
    };
    const auto listView = [](TCListView* list) { return [list] { return list->topIndex(); }; };
    const Case cases[] = {
        {window->ListBox1, window->QelScrollerVr1, listView(window->ListBox1), Panel::Left},
        {window->ListBox2, window->QelScrollerVr2, listView(window->ListBox2), Panel::Right},
        {window->ListBox3, window->QelScrollerVr3, listView(window->ListBox3), Panel::Albums},
        {window->ListBox4, window->QelScrollerVr4, listView(window->ListBox4), Panel::Songs},
        {window->ListBox5, window->QelScrollerVr5, [this] { return window->ListBox5->topIndex(); },
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list->objectName().toStdString());
        const int visible = c.list->viewport()->height() / TCListBox::RowHeight;
        const int maximum = 40 - visible + 1;
        ASSERT_GT(maximum, 14);
        if (c.panel) {
            view.setItems(*c.panel, std::make_shared<const std::vector<std::string>>(many));
            view.setScroller(*c.panel, 0, maximum);
        } else {
            c.bar->setMax(maximum);
        }
        const auto wheel = [&](int delta) {
            QWheelEvent event({10, 10}, c.list->viewport()->mapToGlobal(QPoint(10, 10)), {}, {0, delta},
                              Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(c.list->viewport(), &event);
            EXPECT_TRUE(event.isAccepted());
        };
        wheel(-120);
        EXPECT_EQ(c.top(), 7);
        EXPECT_EQ(c.bar->Position(), 7);
        wheel(-240);
        wheel(-240);
        EXPECT_EQ(c.bar->Position(), maximum) << "to the scroller's end";
        EXPECT_EQ(c.top(), 40 - visible) << "the list at its last page";
        wheel(60);
        EXPECT_EQ(c.bar->Position(), maximum) << "half a notch waits for the other half";
        wheel(60);
        EXPECT_EQ(c.bar->Position(), maximum - 7);
        EXPECT_EQ(c.top(), maximum - 7);
        wheel(480);
        EXPECT_EQ(c.bar->Position(), 0) << "to the top";
        EXPECT_EQ(c.top(), 0);
    }
}

} // namespace
} // namespace kavrel::ui
