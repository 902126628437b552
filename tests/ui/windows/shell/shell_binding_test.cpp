// The main window bound to the whole player with a fake tray and fake system-wide keys: the tray hides
// and restores the real window, the keys and the wheel reach the player, the sleep button and its menu.
#include "core/application_fixture.h"
#include "platform/shell/qt/x11_hotkeys.h"
#include "playlist/ppl_file.h"
#include "ui/controls/picture_swaps.h"
#include "ui/windows/main/main_window_binding.h"
#include "ui/windows/main/main_window_fixture.h"
#include "ui/windows/player/player_windows.h"
#include "ui/windows/shell/shell_binding.h"
#include "widget_events.h"
#include "x_server.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include "x_keyboard.h" // after the Qt headers

namespace kavrel::ui {
namespace {

using shell::Hotkey;

void click(QWidget& widget) {
    test::sendMouse(widget, QEvent::MouseButtonPress, {2, 2});
    test::sendMouse(widget, QEvent::MouseButtonRelease, {2, 2});
}

// One notch of the wheel over `widget`, delivered as the window system does: to the widget, passed on
// to its parents while nobody takes it.
void turnWheel(QWidget& widget, bool down) {
    const QPointF local(2, 2);
    QWheelEvent wheel(local, widget.mapToGlobal(local), QPoint(), QPoint(0, down ? -120 : 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
}

class ShellBindingTest : public core::ApplicationTest {
protected:
    ShellBindingTest() {
        playlist::TPlist pl1 = test::listOf(2);
        playlist::writePlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl", pl1);
        application = makeApplication(audio::CapturePacing::Manual);
        window = std::make_unique<TForm1>(application->programFolder(), skinErrors);
        binding = std::make_unique<MainWindowBinding>(*window, *application, shell);
        shellBinding = std::make_unique<ShellBinding>(*window, *application, hotkeys, tray);
        application->startUp([this] { binding->applySettings(); });
        window->setAnalyserOn(false);
        window->show();
    }

    // The children shown now, to compare after the window came back.
    std::vector<QWidget*> shownChildren() const {
        std::vector<QWidget*> shown;
        for (QWidget* child : window->findChildren<QWidget*>())
            if (child->isVisible())
                shown.push_back(child);
        return shown;
    }

    test::CollectingSkinErrors skinErrors;
    test::FakeTray tray;
    test::FakeHotkeys hotkeys;
    std::unique_ptr<core::Application> application;
    std::unique_ptr<TForm1> window;
    std::unique_ptr<MainWindowBinding> binding;
    std::unique_ptr<ShellBinding> shellBinding;
};

TEST_F(ShellBindingTest, MinimisingHidesBehindTheIconAndADoubleClickBringsTheWindowBack) {
    const auto shownBefore = shownChildren();
    ASSERT_FALSE(shownBefore.empty());
    window->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible()) << "off the task bar";
    EXPECT_TRUE(tray.visible);
    EXPECT_EQ(tray.tip, "Kavrel");

    tray.handlers.restore();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(tray.visible);
    EXPECT_EQ(shownChildren(), shownBefore) << "every control that showed before shows again";
}

TEST_F(ShellBindingTest, TheMiniPlayerGoesToTheTrayAndComesBackInsteadOfTheMainWindow) {
    PlayerWindows windows(*window, binding->playlistView(), *application, skinErrors);
    shellBinding->attachMini(windows);
    windows.setMiniToTray([this] { shellBinding->miniToTray(); });
    TMinFrm& mini = windows.mini();
    TNerix& nerix = windows.nerix();

    hotkeys.press(Hotkey::MiniPlayer);
    EXPECT_TRUE(mini.isVisible());
    EXPECT_FALSE(window->isVisible());
    hotkeys.press(Hotkey::MiniPlayer);
    EXPECT_TRUE(mini.isVisible()) << "already shown: nothing happens";

    mini.togglePlaylist();
    ASSERT_TRUE(nerix.isVisible());
    click(*mini.ImgTray);
    EXPECT_FALSE(mini.isVisible());
    EXPECT_FALSE(nerix.isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(tray.visible);
    tray.handlers.restore();
    QCoreApplication::processEvents();
    EXPECT_TRUE(mini.isVisible()) << "the mini player went to the tray, so it comes back";
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(tray.visible);

    hotkeys.press(Hotkey::Restore);
    EXPECT_FALSE(mini.isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ShellBindingTest, WithoutANotificationAreaTheTrayButtonMinimises) {
    tray.present = false;
    click(*window->ImgTray);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMinimized());
    EXPECT_FALSE(tray.visible);
}

TEST_F(ShellBindingTest, TheSystemWideKeysReachThePlayerAndItsWindow) {
    application->playback().VolumeChanged(995);
    hotkeys.press(Hotkey::VolumeUp);
    EXPECT_EQ(window->VolumeSKRL->Position(), 1000);
    EXPECT_EQ(application->facade().Volume, 1000);
    hotkeys.press(Hotkey::Next);
    EXPECT_EQ(application->playbackState().list().CurrentIndex, 0) << "next from no row plays nothing";
    hotkeys.press(Hotkey::PlayPause);
    EXPECT_EQ(application->playbackState().list().PlayState, playlist::kPlaying);
    hotkeys.press(Hotkey::Next);
    EXPECT_EQ(application->playbackState().list().CurrentIndex, 2);

    hotkeys.press(Hotkey::MiniPlayer);
    EXPECT_TRUE(window->isVisible()) << "no mini player attached: the main window stays";
    hotkeys.press(Hotkey::ToTray);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(tray.visible);
    hotkeys.press(Hotkey::Restore);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(tray.visible);
}

// On an X server of the test's own: Super+Space and Super+Right from another client, while nothing of the
// player has the focus, start the list and skip to the next row.
TEST_F(ShellBindingTest, SuperWithArrowsControlsThePlayerFromAnotherProgram) {
    test::XServer server;
    ASSERT_TRUE(server.started());
    shell::X11Hotkeys x11Keys(server.display().toStdString());
    shellBinding = std::make_unique<ShellBinding>(*window, *application, x11Keys, tray);
    test::Keyboard keyboard(server.display());
    ASSERT_TRUE(keyboard.open());
    const auto& list = application->playbackState().list();
    keyboard.superTap(XK_space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.CurrentIndex == 1; }, 10'000));
    keyboard.superTap(XK_Right);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.CurrentIndex == 2; }, 10'000));
    shellBinding.reset(); // before the keys it listens to
}

TEST_F(ShellBindingTest, TheTraysExitSavesAndQuits) {
    click(*window->ImgTray);
    tray.handlers.exit();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "PlSysFile/Conf.pcf"));
    shellBinding.reset();
    EXPECT_FALSE(tray.visible) << "the icon goes with the player";
}

TEST_F(ShellBindingTest, TheSleepButtonTogglesAndItsMenuKeepsOneOption) {
    auto& session = application->playbackState().session;
    click(*window->ImgSleep);
    EXPECT_EQ(session.sleepButton, playlist::kButtonOn);
    EXPECT_TRUE(isToggleOn(*window->ImgSleep));
    click(*window->ImgSleep);
    EXPECT_EQ(session.sleepButton, playlist::kButtonOff);
    EXPECT_FALSE(isToggleOn(*window->ImgSleep));

    EXPECT_TRUE(shellBinding->Afterendplaylist1->isChecked());
    EXPECT_FALSE(shellBinding->AfterendTimer1->isEnabled());
    shellBinding->Afterendplaylist1->trigger();
    EXPECT_TRUE(shellBinding->Afterendplaylist1->isChecked()) << "the checked option stays checked";
    EXPECT_TRUE(session.sleepAfterEndPlaylist);
}

TEST_F(ShellBindingTest, TheWheelOutsideTheListsSetsTheVolume) {
    application->playback().VolumeChanged(500);
    turnWheel(*window->StaticText1, false);
    EXPECT_EQ(application->settings().VolumePosition, 550);
    turnWheel(*window, true);
    turnWheel(*window, true);
    EXPECT_EQ(application->settings().VolumePosition, 450);
    EXPECT_EQ(window->VolumeSKRL->Position(), 450);
    for (QAbstractItemView* list : std::initializer_list<QAbstractItemView*>{
             window->ListBox1, window->ListBox2, window->ListBox3, window->ListBox4, window->ListBox5}) {
        turnWheel(*list->viewport(), true);
        EXPECT_EQ(application->settings().VolumePosition, 450)
            << list->objectName().toStdString() << " keeps its wheel";
    }
    turnWheel(*window->QelScrollerVr4, true);
    turnWheel(*window->QelScrollerVr5, true);
    EXPECT_EQ(application->settings().VolumePosition, 450) << "the scrollers keep their wheel";
}

} // namespace
} // namespace kavrel::ui
