// The mini playlist over the real playlist logic, through the one view of the player's windows.
#include "core/design_defaults.h"
#include "engine/engine_sync.h"
#include "playlist/fake_library.h"
#include "playlist/playback_control.h"
#include "playlist/playlist_display.h"
#include "playlist/playlist_editor.h"
#include "playlist/row_hint.h"
#include "ui/controls/c_list_view.h"
#include "ui/controls/widget_events.h"
#include "ui/skin/skin_error_reporter.h"
#include "ui/windows/mini/player_windows_view.h"
#include "ui/windows/mini/t_min_frm.h"
#include "ui/windows/nerix/playlist_mini_port.h"
#include "ui/windows/nerix/t_nerix.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using ui::TNerix;

class NoSkinErrors final : public ui::skin::SkinErrorReporter {
public:
    void reportSkinError(const QString& message) override { ADD_FAILURE() << message.toStdString(); }
};

class IdleMiniPort final : public ui::MiniPlayerPort {
public:
    int trackCount() const override { return 0; }
    void playPause() override {}
    void pauseResume() override {}
    void stop() override {}
    void next() override {}
    void previous() override {}
    void timeSliderChanged() override {}
    void timeSliderReleased(std::int32_t) override {}
    void setVolume(std::int32_t) override {}
};

void sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&widget, &press);
}

// Rows are 16 pixels; the middle of 0-based `row` below the list's top row.
QPoint rowPoint(const TNerix& nerix, int row) {
    return {20, (row - nerix.ListBox6->topIndex()) * 16 + 8};
}

class MiniPlaylistTest : public ::testing::Test {
protected:
    NoSkinErrors skinErrors;
    core::TConfRecord settings = core::designDefaults();
    playlist::PlaybackState state{settings};
    RecordingView mainView;
    FakeEngine engine;
    engine::SharedPlayback shared;
    FakeLibrary library;
    IdleMiniPort miniPort;
    // Bound before the logic it drives exists; nothing calls it until the window is used.
    std::unique_ptr<ui::PlaylistMiniPort> port;
    ui::TMinFrm mini{fs::ProgramFolder(KAVREL_DATA_DIR), skinErrors, miniPort};
    std::unique_ptr<TNerix> nerix;
    std::unique_ptr<ui::PlayerWindowsView> view;
    std::unique_ptr<playlist::PlaylistDisplay> display;
    std::unique_ptr<playlist::PlaybackControl> control;
    std::unique_ptr<playlist::PlaylistEditor> editor;

    MiniPlaylistTest() {
        struct Forward final : ui::MiniPlaylistPort {
            explicit Forward(MiniPlaylistTest& t) : t(t) {}
            void playTrack(std::int32_t n) override { t.port->playTrack(n); }
            void deleteSelected(std::int32_t s) override { t.port->deleteSelected(s); }
            std::string rowHint(std::int32_t r) const override { return t.port->rowHint(r); }
            void beginDrag(std::int32_t r) override { t.port->beginDrag(r); }
            void drop(std::int32_t i) override { t.port->drop(i); }
            MiniPlaylistTest& t;
        };
        forward = std::make_unique<Forward>(*this);
        nerix = std::make_unique<TNerix>(fs::ProgramFolder(KAVREL_DATA_DIR), skinErrors, *forward);
        view = std::make_unique<ui::PlayerWindowsView>(mainView, mini, *nerix);
        display = std::make_unique<playlist::PlaylistDisplay>(*view, settings);
        control = std::make_unique<playlist::PlaybackControl>(state, engine, *display, shared);
        editor = std::make_unique<playlist::PlaylistEditor>(*control, library);
        port = std::make_unique<ui::PlaylistMiniPort>(*control, *editor);
        nerix->show();
    }

    void load(int count) {
        static_cast<playlist::TPlist&>(state.list()) = listOf(count);
        display->showAllRows(state.list());
    }
    std::vector<std::string> nerixRows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < nerix->ListBox6->count(); ++i)
            rows.push_back(nerix->ListBox6->item(i)->text().toStdString());
        return rows;
    }
    std::string titleOf(int row) { return state.list().row(row)[library::kTitleColumn]; }

    std::unique_ptr<ui::MiniPlaylistPort> forward;
};

TEST_F(MiniPlaylistTest, WindowShapeAndControls) {
    EXPECT_EQ(nerix->size(), QSize(213, 291));
    EXPECT_EQ(nerix->windowTitle(), "Nerix");
    EXPECT_EQ(nerix->mask().boundingRect(), QRect(9, 2, 192, 275));
    EXPECT_EQ(nerix->ListBox6->geometry(), QRect(21, 13, 154, 254));
    EXPECT_EQ(nerix->QelScrollerVr6->geometry(), QRect(177, 12, 10, 255));
    EXPECT_EQ(nerix->QelScrollerVr6->Max(), 0);
    EXPECT_TRUE(nerix->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(MiniPlaylistTest, AssistiveToolsFindTheWindowTheListAndItsRows) {
    load(3);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(nerix.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Nerix");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(nerix->ListBox6);
    EXPECT_EQ(list->text(QAccessible::Name), "ListBox6");
    ASSERT_NE(list->tableInterface(), nullptr);
    EXPECT_EQ(list->tableInterface()->rowCount(), 3);
    EXPECT_EQ(list->tableInterface()->cellAt(1, 0)->text(QAccessible::Name).toStdString(), nerixRows()[1]);
}

TEST_F(MiniPlaylistTest, ShowsTheSameEntriesAsTheMainPlaylist) {
    load(4);
    EXPECT_EQ(nerixRows(), mainView.items);
    ASSERT_EQ(nerixRows().size(), 4u);
}

TEST_F(MiniPlaylistTest, EnterAndDoubleClickPlayTheSelectedRowAndHide) {
    load(4);
    nerix->ListBox6->setCurrentRow(2);
    sendKey(*nerix->ListBox6, Qt::Key_Return);
    EXPECT_EQ(state.list().CurrentIndex, 3);
    EXPECT_FALSE(nerix->isVisible());
    nerix->show();
    nerix->ListBox6->setCurrentRow(0);
    emit nerix->ListBox6->itemDoubleClicked(nerix->ListBox6->item(0));
    EXPECT_EQ(state.list().CurrentIndex, 1);
    EXPECT_EQ(nerix->ListBox6->markedRow(), 0) << "the playing row is marked in the mini playlist too";
}

TEST_F(MiniPlaylistTest, DeleteRefusesThePlayingRowAndRemovesAnotherFromBothLists) {
    load(4);
    control->PlayRow(2);
    nerix->ListBox6->setCurrentRow(1);
    sendKey(*nerix->ListBox6, Qt::Key_Delete);
    EXPECT_EQ(nerixRows().size(), 4u) << "the playing row stays";

    const std::string fourth = nerixRows()[3];
    nerix->ListBox6->setCurrentRow(3);
    sendKey(*nerix->ListBox6, Qt::Key_Delete);
    EXPECT_EQ(nerixRows(), mainView.items);
    ASSERT_EQ(nerixRows().size(), 3u);
    EXPECT_EQ(nerix->ListBox6->currentRow(), 2) << "the new last row";

    nerix->ListBox6->setCurrentRow(0);
    sendKey(*nerix->ListBox6, Qt::Key_Delete);
    EXPECT_EQ(nerixRows().size(), 2u);
    EXPECT_EQ(nerix->ListBox6->currentRow(), -1) << "deleting the first row leaves no selection";
}

TEST_F(MiniPlaylistTest, CtrlOrAltWithAKeyClearsTheSelection) {
    load(4);
    for (Qt::KeyboardModifier held : {Qt::ControlModifier, Qt::AltModifier}) {
        nerix->ListBox6->setCurrentRow(2);
        sendKey(*nerix->ListBox6, Qt::Key_A, held);
        EXPECT_TRUE(nerix->ListBox6->selectedItems().isEmpty());
    }
}

TEST_F(MiniPlaylistTest, WheelStepsByThreeAndStopsAtTheEnds) {
    load(60);
    nerix->resetScroller(40);
    struct Case {
        int top;
        bool down;
        int expected;
    };
    for (const Case& c : {Case{0, true, 3}, Case{36, true, 39}, Case{37, true, 40}, Case{39, true, 40},
                          Case{40, true, 40}, Case{2, false, 0}, Case{3, false, 0}, Case{10, false, 7}}) {
        nerix->QelScrollerVr6->setPosition(c.top);
        nerix->ListBox6->setTopIndex(c.top);
        ASSERT_EQ(nerix->ListBox6->topIndex(), c.top);
        nerix->wheel(c.down);
        EXPECT_EQ(nerix->ListBox6->topIndex(), c.expected) << c.top << (c.down ? " down" : " up");
        EXPECT_EQ(nerix->QelScrollerVr6->Position(), c.expected);
    }
}

TEST_F(MiniPlaylistTest, DropBelowTheLastRowAppendsTheDraggedRow) {
    load(3);
    const std::vector<std::string> before = nerixRows();
    sendMouse(*nerix->ListBox6->viewport(), QEvent::MouseButtonPress, rowPoint(*nerix, 0));
    const QPoint below = rowPoint(*nerix, 6);
    ASSERT_TRUE(nerix->dragOver(below, nerix->ListBox6));
    EXPECT_EQ(nerix->dropTargetRow(), -1);
    ASSERT_TRUE(nerix->dropAt(below, nerix->ListBox6));
    EXPECT_EQ(titleOf(3), listOf(3).row(1)[library::kTitleColumn]);
    EXPECT_EQ(nerixRows(), mainView.items);
    EXPECT_NE(nerixRows(), before);
}

TEST_F(MiniPlaylistTest, DragsFromTheLibraryListsAreTakenAndOthersRefused) {
    load(3);
    ui::TCListView songs;
    EXPECT_TRUE(nerix->dragOver(rowPoint(*nerix, 1), &songs));
    QWidget stranger;
    EXPECT_FALSE(nerix->dragOver(rowPoint(*nerix, 1), &stranger));
    EXPECT_FALSE(nerix->dropAt(rowPoint(*nerix, 1), nullptr));
    EXPECT_EQ(nerixRows(), mainView.items);
}

TEST_F(MiniPlaylistTest, RowHintIsTheMainPlaylistsAndNothingBeyondTheRows) {
    load(3);
    QWidget& viewport = *nerix->ListBox6->viewport();
    sendMouse(viewport, QEvent::MouseMove, rowPoint(*nerix, 1), Qt::NoButton);
    EXPECT_EQ(viewport.toolTip().toStdString(), playlist::rowHintText(state.list().row(2)));
    sendMouse(viewport, QEvent::MouseMove, rowPoint(*nerix, 8), Qt::NoButton);
    EXPECT_TRUE(viewport.toolTip().isEmpty());
}

TEST_F(MiniPlaylistTest, TimeTextReachesTheMiniPlayerOnlyWhileItShows) {
    load(2);
    control->TimeDisplay();
    EXPECT_EQ(mini.StaticText1->text(), "0:00/0:00...0:00/0:00");
    mini.show();
    control->TimeDisplay();
    EXPECT_EQ(mini.StaticText1->text().toStdString(), mainView.trackTime + "..." + mainView.playlistTime);
}

TEST_F(MiniPlaylistTest, PlayLookBarsAndTitleReachTheMiniPlayerEvenHidden) {
    view->setPlayButton(4, 1);
    view->setTimeSliderMaximum(300);
    view->setTimeSlider(20);
    view->setVolumeSliders(700);
    view->setTickerText("Artist - Title");
    EXPECT_EQ(mini.ImgPlayPause->picture(), mini.ImgPlayPause->slot(4));
    EXPECT_EQ(mini.SCRLtimeMIN->Max(), 300);
    EXPECT_EQ(mini.SCRLtimeMIN->Position(), 20);
    EXPECT_EQ(mini.SCRLvolumeMIN->Position(), 700);
    EXPECT_EQ(mini.Label3->text(), "Artist - Title");
}

TEST_F(MiniPlaylistTest, TheMiniPlayerNamesWhatPlaysAsTheMainWindowDoes) {
    // Its window stands in for the main one on the task bar while the main window is hidden.
    load(2);
    control->PlayRow(2);
    control->TimeDisplay();
    ASSERT_NE(mainView.windowTitle.find(titleOf(2)), std::string::npos);
    EXPECT_EQ(mini.windowTitle().toStdString(), mainView.windowTitle);
    control->Stop(true);
    EXPECT_EQ(mini.windowTitle(), "Kavrel");
}

} // namespace
} // namespace kavrel::test
