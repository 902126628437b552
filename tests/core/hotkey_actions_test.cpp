// The eight system-wide keys and the tray over fake windows, a fake tray and the playback logic with a
// fake engine.
#include "core/hotkey_actions.h"
#include "playlist/playback_fixture.h"
#include "shell_fakes.h"

#include <gtest/gtest.h>

namespace kavrel::core {
namespace {

using shell::Hotkey;

class FakeWindows final : public PlayerWindows {
public:
    bool main = true;
    bool mini = false;
    bool minimised = false;
    bool miniPlaylistReset = false;

    bool mainVisible() const override { return main; }
    bool miniVisible() const override { return mini; }
    void showMain() override {
        main = true;
        minimised = false;
    }
    void hideMain() override { main = false; }
    void minimiseMain() override {
        main = true;
        minimised = true;
    }
    void switchToMini() override {
        miniPlaylistReset = true;
        mini = true;
        main = false;
    }
    void showMini() override { mini = true; }
    void hideMini() override { mini = false; }
};

struct Fixture : test::PlaybackFixture {
    test::FakeTray tray;
    FakeWindows windows;
    int exits = 0;
    TrayControl trayControl{tray, windows, "Kavrel", [this] { ++exits; }};
    HotkeyActions actions{control, windows, trayControl};
};

TEST(HotkeyVolume, KeysStepByTenWithinTheRangeAndTheWheelByFifty) {
    struct Case {
        Hotkey key;
        int before, after;
    };
    for (const Case c : {Case{Hotkey::VolumeUp, 995, 1000},
                         {Hotkey::VolumeUp, 1000, 1000},
                         {Hotkey::VolumeUp, 0, 10},
                         {Hotkey::VolumeDown, 5, 5},
                         {Hotkey::VolumeDown, 9, 9},
                         {Hotkey::VolumeDown, 10, 0},
                         {Hotkey::VolumeDown, 505, 495}}) {
        SCOPED_TRACE(c.before);
        Fixture f;
        f.control.VolumeChanged(c.before);
        f.engine.calls.clear();
        f.actions.press(c.key);
        EXPECT_EQ(f.settings.VolumePosition, c.after);
        EXPECT_EQ(f.view.volume_, c.after) << "the volume bars follow";
        EXPECT_EQ(f.engine.calls, std::vector<std::string>{"SetVolume " + std::to_string(c.after)});
    }
    EXPECT_EQ(wheelVolume(500, true), 450);
    EXPECT_EQ(wheelVolume(500, false), 550);
    EXPECT_EQ(wheelVolume(30, true), 0);
    EXPECT_EQ(wheelVolume(980, false), 1000);
}

TEST(HotkeyPlayback, SpaceStartsAStoppedListThenPausesAndResumesArrowsSkip) {
    Fixture f;
    f.load(3);
    f.actions.press(Hotkey::PlayPause);
    EXPECT_EQ(f.list().CurrentIndex, 1);
    EXPECT_EQ(f.list().PlayState, playlist::kPlaying);
    f.engine.position = 5000;
    f.poll();
    f.actions.press(Hotkey::PlayPause);
    EXPECT_EQ(f.list().PlayState, playlist::kPaused);
    f.actions.press(Hotkey::PlayPause);
    EXPECT_EQ(f.list().PlayState, playlist::kPlaying);
    f.actions.press(Hotkey::Next);
    EXPECT_EQ(f.list().CurrentIndex, 2);
    f.actions.press(Hotkey::Previous);
    f.actions.press(Hotkey::Previous);
    EXPECT_EQ(f.list().CurrentIndex, 3) << "previous from the first row wraps to the last";
}

enum class Step { MiniShown, NoTray, PageUp, PageDown, Home, DoubleClick, TrayLost };

struct Expected {
    bool main, mini, minimised, icon;
};

void run(Fixture& f, Step step) {
    switch (step) {
    case Step::MiniShown:
        f.windows.switchToMini();
        f.windows.miniPlaylistReset = false;
        break;
    case Step::NoTray:
        f.tray.present = false;
        break;
    case Step::PageUp:
        f.actions.press(Hotkey::MiniPlayer);
        break;
    case Step::PageDown:
        f.actions.press(Hotkey::ToTray);
        break;
    case Step::Home:
        f.actions.press(Hotkey::Restore);
        break;
    case Step::DoubleClick:
        f.tray.handlers.restore();
        break;
    case Step::TrayLost:
        f.tray.present = false;
        f.tray.handlers.lost();
        break;
    }
}

TEST(HotkeyWindows, TheMiniPlayerTheTrayAndTheWayBack) {
    using S = Step;
    struct Case {
        const char* what;
        std::vector<Step> steps;
        Expected expected;
    };
    const std::vector<Case> cases = {
        {"Page Up from the main window", {S::PageUp}, {false, true, false, false}},
        {"Page Up while the mini player shows does nothing",
         {S::MiniShown, S::PageUp},
         {false, true, false, false}},
        {"Page Down hides the main window", {S::PageDown}, {false, false, false, true}},
        {"a double-click brings it back", {S::PageDown, S::DoubleClick}, {true, false, false, false}},
        {"Page Down from the mini player hides both",
         {S::MiniShown, S::PageDown},
         {false, false, false, true}},
        {"the mini player comes back",
         {S::MiniShown, S::PageDown, S::DoubleClick},
         {false, true, false, false}},
        {"Page Up out of the tray", {S::MiniShown, S::PageDown, S::PageUp}, {false, true, false, false}},
        {"Home always gives the main window",
         {S::MiniShown, S::PageDown, S::Home},
         {true, false, false, false}},
        {"Home from the mini player", {S::MiniShown, S::Home}, {true, false, false, false}},
        {"a second Page Down keeps the mini player to come back",
         {S::MiniShown, S::PageDown, S::PageDown, S::DoubleClick},
         {false, true, false, false}},
        {"no tray: minimised instead", {S::NoTray, S::PageDown}, {true, false, true, false}},
        {"the tray goes away: back minimised", {S::PageDown, S::TrayLost}, {true, false, true, false}},
        {"the tray goes away behind the mini player",
         {S::MiniShown, S::PageDown, S::TrayLost},
         {false, true, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        for (const Step step : c.steps)
            run(f, step);
        EXPECT_EQ(f.windows.main, c.expected.main);
        EXPECT_EQ(f.windows.mini, c.expected.mini);
        EXPECT_EQ(f.windows.minimised, c.expected.minimised);
        EXPECT_EQ(f.tray.visible, c.expected.icon);
        if (f.tray.visible) {
            EXPECT_EQ(f.tray.tip, "Kavrel");
        }
    }
    Fixture f;
    f.actions.press(Hotkey::MiniPlayer);
    EXPECT_TRUE(f.windows.miniPlaylistReset) << "the mini playlist starts from its top";
}

TEST(HotkeyWindows, TheTraysExitItemQuitsAndTheIconGoesWithTheControl) {
    test::FakeTray tray;
    FakeWindows windows;
    int exits = 0;
    {
        TrayControl control(tray, windows, "Kavrel", [&exits] { ++exits; });
        control.hideFromMain();
        ASSERT_TRUE(tray.visible);
        tray.handlers.exit();
        EXPECT_EQ(exits, 1);
    }
    EXPECT_FALSE(tray.visible);
    EXPECT_FALSE(tray.handlers.restore) << "no handler points into a control that is gone";
}

} // namespace
} // namespace kavrel::core
