// The preferences window bound to the real main window and the whole player: each immediate action has
// its effect on the main window and the engine, and what a user changes is in Conf.pcf after a quit and
// back after the next start.
#include "core/application.h"
#include "core/conf_record_codec.h"
#include "core/design_defaults.h"
#include "engine/engine_sync.h"
#include "platform/bass/audio_rig.h"
#include "platform/dispatch/task_queue.h"
#include "playlist/playlist_fakes.h"
#include "playlist/ppl_file.h"
#include "preferences_fakes.h"
#include "support/temp_dir.h"
#include "ui/lang/language_text.h"
#include "ui/windows/main/main_window_binding.h"
#include "ui/windows/main/main_window_fixture.h"
#include "ui/windows/messages/player_messages.h"
#include "ui/windows/preferences/preferences_binding.h"
#include "ui/windows/welcome/welcome_binding.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace kavrel::ui::preferences {
namespace {

using fakes::choice;
using fakes::control;

class NoPower final : public shell::PowerService {
public:
    bool requestShutdown() override { return false; }
};

// One run of the player on a program folder: the application, the main window and the preferences.
struct Player {
    Player(const std::filesystem::path& folder, PlayerMessages& messages, test::RecordingShell& shell,
           NoPower& power, dispatch::TaskQueue& loop, PreferencesDialogs& dialogs) {
        audio::EngineOptions output;
        output.sink = audio::SinkKind::Capture;
        application = std::make_unique<core::Application>(
            core::ApplicationOptions{fs::ProgramFolder(folder), "", output},
            core::ShellServices{messages, shell, power}, loop);
        application->setQuitAction([] {});
        window = std::make_unique<TForm1>(application->programFolder(), messages);
        binding = std::make_unique<MainWindowBinding>(*window, *application, shell);
        preferences =
            std::make_unique<PreferencesBinding>(*window, *application, dialogs, messages, messages);
        application->startUp([this] {
            binding->applySettings();
            preferences->applyLanguage(application->settings().GLanguage);
        });
    }
    TKavrelPreferences& dialog() { return preferences->window(); }

    std::unique_ptr<core::Application> application;
    std::unique_ptr<TForm1> window;
    std::unique_ptr<MainWindowBinding> binding;
    std::unique_ptr<PreferencesBinding> preferences;
};

class PreferencesBindingTest : public ::testing::Test {
protected:
    PreferencesBindingTest() {
        for (const char* shipped : {"Pictures", "Lang", "help"})
            std::filesystem::create_directory_symlink(std::filesystem::path(KAVREL_DATA_DIR) / shipped,
                                                      dir / shipped);
        core::TConfRecord defaults = core::designDefaults();
        defaults.O_Run_Playlist = 1; // the saved list, not playing
        test::writeFile(dir / "PlSysFile/DefaultConf.pcf", core::encodeConfRecord(defaults));
        core::saveEqualizerPreset(dir / "PlSysFile" / defaults.PresetFileName.text, core::EqualizerValues{});
        playlist::TPlist pl1;
        playlist::TrackRow row = test::songRow(1, 2038);
        row[library::kPathColumn] = test::engineFixture("tone_1k.mp3").string();
        pl1.Rows.push_back(row);
        std::filesystem::create_directories(dir / "PlayLists");
        playlist::writePlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl", pl1);
        start();
    }

    void start() { player = std::make_unique<Player>(dir.path(), messages, shell, power, loop, dialogs); }
    TForm1& window() { return *player->window; }
    core::Application& application() { return *player->application; }
    TKavrelPreferences& dialog() { return player->dialog(); }
    void click(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(2, 2)); }
    void type(const char* edit, const QString& text) {
        auto& field = control<QLineEdit>(dialog(), edit);
        field.selectAll();
        field.del();
        QTest::keyClicks(&field, text);
        QMetaObject::invokeMethod(&field, "editingFinished");
    }

    test::TempDir dir;
    PlayerMessages messages;
    test::RecordingShell shell;
    NoPower power;
    dispatch::TaskQueue loop;
    fakes::FakeDialogs dialogs;
    std::unique_ptr<Player> player;
};

TEST_F(PreferencesBindingTest, ImgPrefOpensTheWindowOnItsFirstPage) {
    dialog().showPage(PreferencesPage::About);
    click(*window().ImgPref);
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(dialog().currentPage(), PreferencesPage::General);
}

TEST_F(PreferencesBindingTest, SwitchingEnginesKeepsTheTrackAndTheAnalyserInTheStateTheyHad) {
    ASSERT_TRUE(window().analyserOn());
    click(*window().ImgPlayPause);
    ASSERT_EQ(application().facade().GetState(), engine::kPlaying);
    dialog().open(PreferencesPage::General);

    control<QRadioButton>(dialog(), "En_Fmod").click();
    EXPECT_EQ(application().facade().EngineName(), engine::kEngineFmod);
    EXPECT_EQ(application().facade().GetState(), engine::kPlaying) << "the track goes on";
    EXPECT_TRUE(application().settings().En_Fmod);
    EXPECT_FALSE(application().settings().En_Bass);
    EXPECT_TRUE(window().analyserOn());
    EXPECT_TRUE(window().PaintFrame->Timer5.isActive());
    EXPECT_TRUE(window().pnlSpectrum->isVisibleTo(&window())) << "FMOD draws on its own panel";
    EXPECT_FALSE(application().poller().Suspended());

    click(*window().ImgAn); // hidden before the next switch: it stays hidden
    control<QRadioButton>(dialog(), "En_Bass").click();
    EXPECT_EQ(application().facade().EngineName(), engine::kEngineBass);
    EXPECT_FALSE(window().analyserOn());
    EXPECT_FALSE(window().PaintFrame->Timer5.isActive());
    EXPECT_TRUE(window().CmdSearch->isVisibleTo(&window()));
    EXPECT_EQ(application().settings().AnalyserStateMinusOne, 0);
}

TEST_F(PreferencesBindingTest,
       ApolloWithAnEmptyPathAsksFirstCancellingStillSwitchesAndTheAnalyserComesBackAfter) {
    application().settings().gPath_Apollo.text.clear();
    dialog().open(PreferencesPage::General);
    control<QRadioButton>(dialog(), "En_Apollo").click();
    EXPECT_EQ(dialogs.programQuestions,
              QStringList{"Specify Path to Apollo in " + QString::fromStdString(dir.path().string())});
    EXPECT_EQ(application().facade().EngineName(), engine::kEngineApollo);
    EXPECT_TRUE(application().settings().En_Apollo);
    EXPECT_EQ(application().settings().gPath_Apollo.text, "");
    EXPECT_EQ(control<QLineEdit>(dialog(), "gPath_Apollo").text(), "");
    EXPECT_FALSE(window().analyserOn()) << "the outside player has no spectrum";

    control<QRadioButton>(dialog(), "En_Bass").click();
    EXPECT_TRUE(window().analyserOn()) << "back as it was before the outside player";
    EXPECT_TRUE(window().PaintFrame->Timer5.isActive());
    EXPECT_EQ(application().settings().AnalyserStateMinusOne, 1);
}

TEST_F(PreferencesBindingTest, TheLanguageChangesTheCaptionsOfEveryWindowAtOnce) {
    dialog().open(PreferencesPage::General);
    const auto russianMain = lang::readLanguageFile(dir / "Lang/russian/main.plf");
    const auto russianPreferences = lang::readLanguageFile(dir / "Lang/russian/Preferences.plf");
    choice(dialog(), "GLanguage", 0).click();
    EXPECT_EQ(window().ImgPref->toolTip().toStdString(), russianMain.line(72));
    EXPECT_EQ(dialog().windowTitle().toStdString(), russianPreferences.line(1));
    EXPECT_EQ(application().settings().GLanguage, 0);
    choice(dialog(), "GLanguage", 1).click();
    EXPECT_EQ(window().ImgPref->toolTip(), "Preferences");
    EXPECT_EQ(dialog().windowTitle(), "KavrelPreferences");
    EXPECT_TRUE(messages.pending().isEmpty()) << messages.pending().join('\n').toStdString();
}

TEST_F(PreferencesBindingTest, DistributionAndOrientationChangeTheArtistColumns) {
    dialog().open(PreferencesPage::ArtistPanel);
    const int width = window().width();
    ASSERT_TRUE(window().ListBox2->isVisibleTo(&window()));
    choice(dialog(), "Art_Pnl_Distribution", 1).click();
    EXPECT_FALSE(window().ListBox2->isVisibleTo(&window()));
    EXPECT_LT(window().width(), width);
    choice(dialog(), "Art_Pnl_Distribution", 0).click();
    EXPECT_TRUE(window().ListBox2->isVisibleTo(&window()));
    EXPECT_EQ(window().width(), width);

    const QImage russianLeft = window().ImgRusArt->pixmap().toImage();
    choice(dialog(), "Art_Pnl_Orientation", 1).click();
    EXPECT_EQ(window().ImgEng->pixmap().toImage(), russianLeft) << "the headers change sides";
    EXPECT_EQ(application().settings().Art_Pnl_Orientation, 1);
}

TEST_F(PreferencesBindingTest, AChosenFontAndColourReachTheLists) {
    dialog().open(PreferencesPage::ArtistPanel);
    dialogs.font = QFont(QStringLiteral("DejaVu Serif"), 13);
    control<QPushButton>(dialog(), "BitBtn7").click();
    EXPECT_EQ(window().ListBox1->font().family(), "DejaVu Serif");
    EXPECT_EQ(window().ListBox1->font().pointSize(), 13);
    dialogs.colour = QColor(10, 200, 30);
    control<QPushButton>(dialog(), "BitBtn5").click();
    EXPECT_EQ(window().ListBox2->palette().color(QPalette::Text), QColor(10, 200, 30));
}

TEST_F(PreferencesBindingTest, ThePlaylistOptionsRewriteItsRows) {
    ASSERT_EQ(window().ListBox5->count(), 1);
    const QString numbered = window().ListBox5->item(0)->text();
    dialog().open(PreferencesPage::OtherPanels);
    control<QCheckBox>(dialog(), "PlayList_Indexin").click();
    EXPECT_EQ("1. " + window().ListBox5->item(0)->text(), numbered);
    control<QRadioButton>(dialog(), "Name_PlayList_A_T").click();
    EXPECT_NE(window().ListBox5->item(0)->text(), numbered.mid(3));
    EXPECT_TRUE(window().ListBox5->item(0)->text().startsWith(
        QString::fromStdString(test::songRow(1)[library::kArtistColumn])));
}

TEST_F(PreferencesBindingTest, WhatTheUserChangesIsInConfPcfAfterAQuitAndBackAfterAStart) {
    dialog().open(PreferencesPage::LoadPleer);
    choice(dialog(), "O_Run_Playlist", 2).click();
    choice(dialog(), "O_Run_Position", 1).click();
    dialog().showPage(PreferencesPage::QuickPlay);
    type("Interval_Len_2", "9");
    dialog().showPage(PreferencesPage::Shuffle);
    type("S_Eng_A", "30");
    dialog().showPage(PreferencesPage::OtherPanels);
    control<QRadioButton>(dialog(), "Albom_OnDb_A").click();
    dialogs.colour = QColor(1, 2, 3);
    control<QPushButton>(dialog(), "BitBtn13").click();
    dialog().hide();

    application().quit();
    core::TConfRecord saved;
    ASSERT_TRUE(core::decodeConfRecord(test::readFile(dir / "PlSysFile/Conf.pcf"), saved));
    EXPECT_EQ(saved.O_Run_Playlist, 2);
    EXPECT_EQ(saved.O_Run_Position, 1);
    EXPECT_EQ(saved.Interval_Len_2.text, "9");
    EXPECT_EQ(saved.S_Eng_A.text, "30");
    EXPECT_TRUE(saved.Albom.OnDb_A);
    EXPECT_FALSE(saved.Albom.OnDb_E_P);
    EXPECT_EQ(saved.ListBox5Font.Color, 1 | 2 << 8 | 3 << 16);

    player.reset();
    start();
    dialog().open(PreferencesPage::Shuffle);
    EXPECT_TRUE(choice(dialog(), "O_Run_Playlist", 2).isChecked());
    EXPECT_TRUE(choice(dialog(), "O_Run_Position", 1).isChecked());
    EXPECT_EQ(control<QLineEdit>(dialog(), "Interval_Len_2").text(), "9");
    EXPECT_EQ(control<QLineEdit>(dialog(), "S_Eng_A").text(), "30");
    EXPECT_TRUE(control<QRadioButton>(dialog(), "Albom_OnDb_A").isChecked());
    EXPECT_EQ(window().ListBox5->palette().color(QPalette::Text), QColor(1, 2, 3));
}

struct NoTrust final : tools::LauncherTrust {
    void trust(const std::string&) override {}
};

// A second after start, with no library built, the welcome window; Enter finishes it through the
// preferences and ends in the build window, set for a new library.
TEST_F(PreferencesBindingTest, AFirstRunShowsTheWelcomeWindowAfterASecondAndFinishingEndsInTheBuildWindow) {
    test::TempDir home;
    NoTrust trust;
    TWelcome welcome(application().programFolder(), messages);
    tag_finder::LibraryBuildWindow& build = player->binding->libraryBuildWindow();
    WelcomeBinding firstRun(
        welcome, playerWelcomeActions(dialog(), shell, application().programFolder(), build),
        {{"/opt/kavrel/kavrel", dir.path().string()},
         {home.path().string(), (home / ".config").string(), (home / ".share").string(), ""},
         trust},
        messages);
    player->binding->setFirstRunAction([&firstRun] { firstRun.run(); });
    build.window().RadioButton2->setChecked(true); // "Add Files", as a user may have left it
    welcome.Rus->setChecked(true);
    welcome.Classic->setChecked(true);
    welcome.Deckt->setChecked(false);

    QElapsedTimer clock;
    qint64 shownAfter = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (welcome.isVisible() && shownAfter < 0) {
            shownAfter = clock.elapsed();
            QTest::keyClick(&welcome, Qt::Key_Return);
        }
    });
    watch.start(10);
    clock.start();
    player->binding->startFirstRunCheck();
    ASSERT_TRUE(QTest::qWaitFor([&build] { return build.window().isVisible(); }, 5000));
    EXPECT_FALSE(welcome.isVisible());
    EXPECT_TRUE(build.window().RadioButton1->isChecked()) << "a new library: clear and add";
    EXPECT_GE(shownAfter, 950);
    EXPECT_LT(shownAfter, 3000);
    EXPECT_EQ(application().settings().GLanguage, 0);
    EXPECT_EQ(application().settings().Art_Pnl_Distribution, 1);
    EXPECT_FALSE(application().settings().O_Run_ScanAndClearLibrury);
    EXPECT_FALSE(window().ListBox2->isVisibleTo(&window())) << "one artist column at once";
    EXPECT_EQ(window().ImgPref->toolTip().toStdString(),
              lang::readLanguageFile(dir / "Lang/russian/main.plf").line(72));
    EXPECT_NE(
        std::find(shell.calls.begin(), shell.calls.end(), "document " + (dir / "help/help.htm").string()),
        shell.calls.end());
    EXPECT_TRUE(std::filesystem::exists(home / ".share/applications/kavrel.desktop"));
    build.window().hide();
}

TEST_F(PreferencesBindingTest, NoWelcomeOnceALibraryHasBeenBuilt) {
    test::writeFile(dir / "Library/LB2/path.pan", "/music\r\n");
    bool welcomed = false;
    player->binding->setFirstRunAction([&welcomed] { welcomed = true; });
    player->binding->startFirstRunCheck();
    QTest::qWait(1300);
    EXPECT_FALSE(welcomed);
}

} // namespace
} // namespace kavrel::ui::preferences
