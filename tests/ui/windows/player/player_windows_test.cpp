// The windows beside the main one in the whole player on a program folder: the ways between the main
// window and the mini player, quitting from the mini player, the equalizer button and the equalizer's
// start-up and saving, the playlist in both lists, the language of both windows.
#include "core/application.h"
#include "core/conf_record_codec.h"
#include "core/design_defaults.h"
#include "platform/bass/audio_rig.h"
#include "platform/dispatch/task_queue.h"
#include "playlist/playlist_fakes.h"
#include "playlist/ppl_file.h"
#include "support/temp_dir.h"
#include "ui/controls/scroller_parts.h"
#include "ui/windows/main/main_window_binding.h"
#include "ui/windows/messages/player_messages.h"
#include "ui/windows/player/player_windows.h"
#include "widget_events.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <functional>

namespace kavrel::ui {
namespace {

class NoPower final : public shell::PowerService {
public:
    bool requestShutdown() override { return false; }
};

constexpr int kRows = 30;

void click(QWidget& widget) {
    test::sendMouse(widget, QEvent::MouseButtonPress, {2, 2});
    test::sendMouse(widget, QEvent::MouseButtonRelease, {2, 2});
}

void sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&widget, &press);
}

QStringList rowsOf(const TCListBox& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i)
        rows << list.item(i)->text();
    return rows;
}

// The player as main() puts it together, on a program folder with a saved list of kRows tracks.
struct Player {
    explicit Player(core::TConfRecord conf = core::designDefaults(),
                    const core::EqualizerValues& preset = {}) {
        for (const char* shipped : {"Pictures", "Lang"})
            std::filesystem::create_directory_symlink(std::filesystem::path(KAVREL_DATA_DIR) / shipped,
                                                      dir / shipped);
        conf.O_Run_Playlist = 1; // the saved list, not playing
        test::writeFile(dir / "PlSysFile/DefaultConf.pcf", core::encodeConfRecord(conf));
        core::saveEqualizerPreset(presetFile(conf), preset);
        playlist::TPlist pl1;
        for (int n = 1; n <= kRows; ++n) {
            playlist::TrackRow row = test::songRow(n, 2038);
            row[library::kPathColumn] = test::engineFixture("tone_1k.mp3").string();
            pl1.Rows.push_back(row);
        }
        std::filesystem::create_directories(dir / "PlayLists");
        playlist::writePlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl", pl1);

        audio::EngineOptions output;
        output.sink = audio::SinkKind::Capture;
        application = std::make_unique<core::Application>(
            core::ApplicationOptions{fs::ProgramFolder(dir.path()), "", output},
            core::ShellServices{messages, shell, power}, loop);
        application->setQuitAction([this] { ++quits; });
        main = std::make_unique<TForm1>(application->programFolder(), messages);
        binding = std::make_unique<MainWindowBinding>(*main, *application, shell);
        windows = std::make_unique<PlayerWindows>(*main, binding->playlistView(), *application, messages);
        application->startUp([this] {
            binding->applySettings();
            windows->applySettings(messages);
        });
        windows->showAtStart();
    }

    std::filesystem::path presetFile(const core::TConfRecord& conf) const {
        return dir / "PlSysFile" / conf.PresetFileName.text;
    }
    core::TConfRecord savedConf() const {
        core::TConfRecord saved;
        EXPECT_TRUE(core::decodeConfRecord(test::readFile(dir / "PlSysFile/Conf.pcf"), saved));
        return saved;
    }
    TMinFrm& mini() const { return windows->mini(); }
    TNerix& nerix() const { return windows->nerix(); }

    test::TempDir dir;
    PlayerMessages messages;
    test::RecordingShell shell;
    NoPower power;
    dispatch::TaskQueue loop;
    int quits = 0;
    std::unique_ptr<core::Application> application;
    std::unique_ptr<TForm1> main;
    std::unique_ptr<MainWindowBinding> binding;
    std::unique_ptr<PlayerWindows> windows;
};

TEST(PlayerWindowsTest, TheMiniButtonSwapsTheWindowsAndBothWaysBackRestoreTheMainOne) {
    Player player;
    ASSERT_TRUE(player.messages.pending().isEmpty()) << player.messages.pending().join("\n").toStdString();
    const std::pair<const char*, std::function<void(TMinFrm&)>> waysBack[] = {
        {"ImgNormal", [](TMinFrm& mini) { click(*mini.ImgNormal); }},
        {"Alt+Up", [](TMinFrm& mini) { sendKey(mini, Qt::Key_Up, Qt::AltModifier); }},
    };
    for (const auto& [name, goBack] : waysBack) {
        SCOPED_TRACE(name);
        player.nerix().QelScrollerVr6->setMax(5);
        player.nerix().QelScrollerVr6->setPosition(4);
        click(*player.main->ImgMini);
        EXPECT_FALSE(player.main->isVisible());
        ASSERT_TRUE(player.mini().isVisible());
        EXPECT_EQ(player.mini().y(), 0) << "at the top edge of the screen";
        EXPECT_GT(player.main->QelScrollerVr5->Max(), 0);
        EXPECT_EQ(player.nerix().QelScrollerVr6->Max(), player.main->QelScrollerVr5->Max());
        EXPECT_EQ(player.nerix().QelScrollerVr6->Position(), 0);

        click(*player.mini().ImgPls);
        ASSERT_TRUE(player.nerix().isVisible());
        goBack(player.mini());
        EXPECT_TRUE(player.main->isVisible());
        EXPECT_FALSE(player.mini().isVisible());
        EXPECT_FALSE(player.nerix().isVisible());
    }
}

TEST(PlayerWindowsTest, ClosingTheMiniPlayerQuitsAndSavesEverything) {
    const std::pair<const char*, std::function<void(TMinFrm&)>> closes[] = {
        {"ImgClose", [](TMinFrm& mini) { click(*mini.ImgClose); }},
        {"closed by the window manager", [](TMinFrm& mini) { mini.close(); }},
    };
    for (const auto& [name, close] : closes) {
        SCOPED_TRACE(name);
        Player player;
        const int volume = player.application->settings().VolumePosition;
        ASSERT_GE(volume, TMinFrm::VolumeStep);
        click(*player.main->ImgMini);
        sendKey(player.mini(), Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(player.main->VolumeSKRL->Position(), volume - TMinFrm::VolumeStep) << "both volume bars";

        close(player.mini());
        EXPECT_EQ(player.quits, 1);
        EXPECT_EQ(player.savedConf().VolumePosition, volume - TMinFrm::VolumeStep);
        EXPECT_EQ(playlist::readPlaylistFile(player.dir / "PlayLists/PlayListMainPL1.ppl")->Count(), kRows);
    }
}

TEST(PlayerWindowsTest, TheEqualizerButtonShowsTheEqualizerForBassOnly) {
    for (const auto& [engineName, shown] :
         {std::pair{engine::kEngineBass, true}, {engine::kEngineFmod, false}}) {
        SCOPED_TRACE(engineName);
        Player player;
        player.application->engineSettings().SelectEngine(engineName);
        click(*player.main->ImgEqualizer);
        EXPECT_EQ(player.windows->equalizer().isVisible(), shown);
    }
}

TEST(PlayerWindowsTest, TheEqualizerStartsFromThePresetAndItsChangesAreSaved) {
    core::TConfRecord conf = core::designDefaults();
    conf.EqualizerEnabled = 1;
    core::EqualizerValues preset{};
    preset[0] = 7;
    preset[4] = -12;
    Player player(conf, preset);
    TEqualizer& equalizer = player.windows->equalizer();
    EXPECT_EQ(equalizer.band(1)->Position(), 8);
    EXPECT_EQ(equalizer.band(5)->Position(), 27);
    EXPECT_EQ(equalizer.band(2)->Position(), 15);
    EXPECT_EQ(equalizer.ImgEnabled->picture(), equalizer.ImgEnabled->slot(1)) << "the on picture";
    EXPECT_TRUE(player.application->facade().EqualizerEnabled());

    click(*player.main->ImgEqualizer);
    test::sendKey(*equalizer.band(5), Qt::Key_Home);
    click(*equalizer.ImgEnabled);
    EXPECT_FALSE(player.application->facade().EqualizerEnabled());

    click(*player.main->ImgClose);
    EXPECT_EQ(player.savedConf().EqualizerEnabled, 0) << "the switch the user left";
    core::EqualizerValues saved{};
    core::loadEqualizerPreset(player.presetFile(conf), saved);
    EXPECT_EQ(saved[0], 7);
    EXPECT_EQ(saved[4], 15);
}

TEST(PlayerWindowsTest, BothPlaylistsShowTheSameRowsAfterEveryChange) {
    Player player;
    TCListBox& main = *player.main->ListBox5;
    TCListBox& nerix = *player.nerix().ListBox6;
    ASSERT_EQ(main.count(), kRows);
    EXPECT_EQ(rowsOf(nerix), rowsOf(main));

    nerix.setCurrentRow(2);
    sendKey(nerix, Qt::Key_Delete, Qt::NoModifier);
    ASSERT_EQ(main.count(), kRows - 1) << "deleted from the mini playlist";
    EXPECT_EQ(rowsOf(nerix), rowsOf(main));

    click(*player.main->ImgUndo);
    ASSERT_EQ(main.count(), kRows) << "undone from the main window";
    EXPECT_EQ(rowsOf(nerix), rowsOf(main));
}

TEST(PlayerWindowsTest, TheLanguageReachesTheMiniPlayerAtStartAndOnEverySwitch) {
    Player player; // English by default
    EXPECT_EQ(player.mini().ImgStop->toolTip(), "Stop");
    EXPECT_EQ(player.main->ImgMini->toolTip(), "Mini Panel");
    player.windows->applyLanguage(lang::kRussian, player.messages);
    EXPECT_EQ(player.mini().ImgStop->toolTip(), QString::fromUtf8("Стоп"));
    EXPECT_EQ(player.main->ImgMini->toolTip(), QString::fromUtf8("Мини-панель"));
    EXPECT_TRUE(player.messages.pending().isEmpty()) << player.messages.pending().join("\n").toStdString();
}

TEST(PlayerWindowsTest, TheStartKindMiniIsKeptButThePlayerStartsInTheMainWindow) {
    core::TConfRecord conf = core::designDefaults();
    conf.O_Run_Kiind = 1;
    Player player(conf);
    EXPECT_TRUE(player.main->isVisible());
    EXPECT_FALSE(player.mini().isVisible());
    click(*player.main->ImgClose);
    EXPECT_EQ(player.savedConf().O_Run_Kiind, 1);
}

TEST(PlayerWindowsTest, TheMiniTimeBarSharesTheMainBarsMouseFlag) {
    Player player;
    QWidget& thumb = *player.main->TimeSKRL->scroller()->thumb();
    test::sendMouse(thumb, QEvent::MouseButtonPress, {2, 2});
    EXPECT_TRUE(player.mini().SCRLtimeMIN->MouseUpm());
    test::sendMouse(thumb, QEvent::MouseButtonRelease, {2, 2});
    EXPECT_FALSE(player.mini().SCRLtimeMIN->MouseUpm());
}

TEST(PlayerWindowsTest, ToTheTrayFromTheMiniPlayerLeavesThePlayerInReach) {
    Player player;
    click(*player.main->ImgMini);
    click(*player.mini().ImgPls);
    sendKey(player.mini(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(player.mini().isVisible());
    EXPECT_FALSE(player.nerix().isVisible());
    EXPECT_TRUE(player.main->isMinimized()) << "until the tray is bound: on the task bar";

    int parked = 0;
    player.windows->setMiniToTray([&parked] { ++parked; });
    player.main->hide();
    click(*player.main->ImgMini);
    click(*player.mini().ImgTray);
    EXPECT_EQ(parked, 1) << "the tray's binding takes over";
    EXPECT_FALSE(player.mini().isVisible());
}

} // namespace
} // namespace kavrel::ui
