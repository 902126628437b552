// The preferences window against recording actions and dialogs: every control reads and writes its
// field, the number edits follow their rules, and each immediate action is asked for.
#include "core/derived_settings.h"
#include "core/design_defaults.h"
#include "preferences_fakes.h"
#include "ui/lang/language_applier.h"
#include "ui/lang/language_tables.h"
#include "ui/lang/language_text.h"
#include "ui/windows/main/main_window_fixture.h"
#include "ui/windows/preferences/t_kavrel_preferences.h"
#include "ui/windows/preferences/t_up_down.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <tuple>

namespace kavrel::ui::preferences {
namespace {

using fakes::choice;
using fakes::control;
using fakes::FakeDialogs;

struct RecordingActions : PreferencesActions {
    void switchEngine(const std::string& name, const engine::AskForProgram& ask) override {
        calls.push_back("engine " + name);
        asked = ask;
    }
    void applyLanguage(int languageIndex) override {
        calls.push_back("language " + std::to_string(languageIndex));
    }
    void artistColumnsChanged() override { calls.push_back("columns"); }
    void artistNumberingChanged() override { calls.push_back("artist numbering"); }
    void listLookChanged() override { calls.push_back("look"); }
    void playlistDisplayChanged() override { calls.push_back("playlist"); }

    std::vector<std::string> calls;
    engine::AskForProgram asked;
};

class PreferencesWindowTest : public testing::Test {
protected:
    // Types into an edit as a user does, then leaves it.
    void type(const char* edit, const QString& text) {
        auto& field = control<QLineEdit>(window, edit);
        field.setFocus();
        field.selectAll();
        field.del();
        QTest::keyClicks(&field, text);
        leave(field);
    }
    void leave(QLineEdit& field) { QMetaObject::invokeMethod(&field, "editingFinished"); }

    core::TConfRecord settings = core::designDefaults();
    RecordingActions actions;
    FakeDialogs dialogs;
    test::CollectingSkinErrors skinErrors;
    TKavrelPreferences window{settings, actions, dialogs, fs::ProgramFolder(KAVREL_DATA_DIR), skinErrors};
};

TEST_F(PreferencesWindowTest, EveryLineOfBothShippedLanguageFilesFindsItsControl) {
    EXPECT_TRUE(skinErrors.messages.isEmpty()) << skinErrors.messages.join('\n').toStdString();
    const auto& table = lang::languageFileTables()[static_cast<int>(lang::LanguageWindow::Preferences)];
    for (const char* language : {"english", "russian"}) {
        const auto missing = lang::applyLanguageText(
            lang::readLanguageFile(std::string(KAVREL_DATA_DIR "/Lang/") + language + "/Preferences.plf"),
            table, window);
        EXPECT_TRUE(missing.isEmpty()) << language << ": " << missing.join(u',').toStdString();
    }
    EXPECT_EQ(window.PageTree->topLevelItem(6)->text(0), "О программе") << "line 100 labels the last entry";
}

TEST_F(PreferencesWindowTest, TheTreeShowsThePageOfItsIndex) {
    for (int page = 0; page < kPageCount; ++page) {
        window.PageTree->setCurrentItem(window.PageTree->topLevelItem(page));
        EXPECT_EQ(window.Pages->currentIndex(), page);
    }
    window.open(PreferencesPage::Shuffle);
    EXPECT_EQ(window.Pages->currentWidget()->objectName(), "TabSheet1");
    EXPECT_EQ(window.PageTree->currentItem(), window.PageTree->topLevelItem(5));
}

TEST_F(PreferencesWindowTest, ChoicesShowTheSettingsWhenShownAndStoreWhatIsClicked) {
    struct Case {
        const char* group;
        int choice;
        std::int32_t core::TConfRecord::*field;
        std::vector<std::string> actions;
    };
    const Case cases[] = {
        {"GLanguage", 0, &core::TConfRecord::GLanguage, {"language 0"}},
        {"O_Run_Playlist", 2, &core::TConfRecord::O_Run_Playlist, {}},
        {"O_Run_Position", 1, &core::TConfRecord::O_Run_Position, {}},
        {"O_Run_Size", 2, &core::TConfRecord::O_Run_Size, {}},
        {"O_Run_Volume", 1, &core::TConfRecord::O_Run_Volume, {}},
        {"Art_Pnl_Distribution", 1, &core::TConfRecord::Art_Pnl_Distribution, {"columns"}},
        {"Art_Pnl_Orientation", 1, &core::TConfRecord::Art_Pnl_Orientation, {"columns"}},
    };
    settings.O_Run_Size = 1;
    window.show();
    EXPECT_TRUE(choice(window, "O_Run_Size", 1).isChecked()) << "read when shown";
    EXPECT_TRUE(choice(window, "GLanguage", 1).isChecked());
    EXPECT_FALSE(control<QGroupBox>(window, "O_Run_Kiind").isEnabled());
    EXPECT_FALSE(control<QCheckBox>(window, "O_Run_Refresh").isEnabled());
    for (const Case& c : cases) {
        actions.calls.clear();
        choice(window, c.group, c.choice).click();
        EXPECT_EQ(settings.*(c.field), c.choice) << c.group;
        EXPECT_EQ(actions.calls, c.actions) << c.group;
    }
}

TEST_F(PreferencesWindowTest, ListOptionsStoreTheirFieldsAndActWhereTheListShowsThem) {
    window.show();
    control<QCheckBox>(window, "Left_Indexin").click();
    control<QCheckBox>(window, "Albom_Indexin").click();
    control<QRadioButton>(window, "Song_OnDb_A").click();
    control<QRadioButton>(window, "Name_PlayList_A_T").click();
    control<QCheckBox>(window, "PlayList_Indexin").click();
    EXPECT_FALSE(settings.Left.Indexin);
    EXPECT_FALSE(settings.Albom.Indexin);
    EXPECT_TRUE(settings.Song.OnDb_A);
    EXPECT_FALSE(settings.Song.OnDb_E_P) << "one double-click action at a time";
    EXPECT_TRUE(settings.Name_PlayList_A_T);
    EXPECT_FALSE(settings.Name_PlayList_T);
    EXPECT_FALSE(settings.PlayList_Indexin);
    EXPECT_EQ(actions.calls, (std::vector<std::string>{"artist numbering", "playlist", "playlist"}));
}

TEST_F(PreferencesWindowTest, AChosenFontAndColourReachTheSettingsAndTheLabels) {
    window.show();
    dialogs.font = QFont(QStringLiteral("DejaVu Serif"), 12);
    dialogs.font->setItalic(true);
    control<QPushButton>(window, "BitBtn11").click();
    EXPECT_EQ(dialogs.offeredFont.family(), "DejaVu Sans") << "preset with the list's font";
    EXPECT_EQ(settings.ListBox3Font.Name.text, "DejaVu Serif");
    EXPECT_EQ(settings.ListBox3Font.Size, 12);
    EXPECT_EQ(settings.ListBox3Font.Height, -16);
    EXPECT_EQ(settings.ListBox3Font.Style, 2);
    EXPECT_EQ(settings.ListBox3Font.Color, core::designDefaults().ListBox3Font.Color) << "the colour stays";
    EXPECT_EQ(control<QLabel>(window, "Albom_Font").text(), "DejaVu Serif");

    dialogs.colour = QColor(0xAF, 0x56, 0x5A);
    control<QPushButton>(window, "BitBtn10").click();
    EXPECT_EQ(settings.Playlist_F_P_Color, 5920431);
    EXPECT_EQ(control<QLabel>(window, "Playlist_F_P_Color").palette().color(QPalette::Window),
              *dialogs.colour);
    dialogs.colour.reset();
    control<QPushButton>(window, "BitBtn8").click();
    EXPECT_EQ(settings.ListBox1Font.Color, core::designDefaults().ListBox1Font.Color) << "cancelled";
    EXPECT_EQ(actions.calls, (std::vector<std::string>{"look", "look"}));
}

TEST_F(PreferencesWindowTest, ShareEditsCapFilterStepAndFollowTheShownPage) {
    window.open(PreferencesPage::Shuffle);
    type("S_All", "2x5-0");
    EXPECT_EQ(control<QLineEdit>(window, "S_All").text(), "100") << "letters dropped, 250 capped";
    EXPECT_EQ(control<TUpDown>(window, "UpDown1").Position(), 1000);
    EXPECT_DOUBLE_EQ(core::shuffleShares(settings).library, 1.0);

    auto& rus = control<TUpDown>(window, "UpDown2");
    for (int click = 0; click < 10; ++click)
        rus.upButton()->click();
    EXPECT_EQ(control<QLineEdit>(window, "S_Rus_A").text(), "1");
    EXPECT_DOUBLE_EQ(core::shuffleShares(settings).russianArtists, 0.01);

    settings.S_Eng_A.text = "12,5";
    window.showPage(PreferencesPage::General);
    window.hide();
    window.open(PreferencesPage::Shuffle);
    EXPECT_EQ(control<TUpDown>(window, "UpDown3").Position(), 125) << "read leniently when the page shows";
}

TEST_F(PreferencesWindowTest, TheNightModeUpDownStepsTheVolumeWithinItsRange) {
    const std::tuple<const char*, int, const char*> cases[] = {{"35", +1, "36"},   {"35", -1, "34"},
                                                               {"0", -1, "0"},     {"100", +1, "100"},
                                                               {"12,5", +1, "13"}, {"", +1, "1"}};
    for (const auto& [stored, direction, shown] : cases) {
        settings.O_Run_NM_Vol.text = stored;
        window.hide();
        window.open(PreferencesPage::LoadPleer);
        auto& upDown = control<TUpDown>(window, "O_Run_NM_Vol_UD");
        (direction > 0 ? upDown.upButton() : upDown.downButton())->click();
        EXPECT_EQ(control<QLineEdit>(window, "O_Run_NM_Vol").text(), shown) << stored << " " << direction;
        EXPECT_EQ(settings.O_Run_NM_Vol.text, shown);
    }
}

TEST_F(PreferencesWindowTest, AnEditWithoutANumberSaysWhichAndKeepsItsValue) {
    window.show();
    auto& start = control<QLineEdit>(window, "Interval_Pos_2");
    start.setText(QString());
    Q_EMIT start.textEdited(QString());
    leave(start);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains("start of fragment 2")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(start.text(), "33");
    EXPECT_EQ(core::quickPlayTable(settings)[1].startFraction, 0.33);

    type("S_A_Alb", ",");
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_TRUE(dialogs.errors[1].startsWith("\"Shuffle: From Active Alb\" needs a number"))
        << dialogs.errors[1].toStdString();
    EXPECT_EQ(control<QLineEdit>(window, "S_A_Alb").text(), "0");
    EXPECT_EQ(settings.S_A_Alb.text, "0");
}

TEST_F(PreferencesWindowTest, AQuickPlayPairRebuildsTheTableAsItIsTyped) {
    window.show();
    auto& start = control<QLineEdit>(window, "Interval_Pos_1");
    auto& length = control<QLineEdit>(window, "Interval_Len_1");
    start.setText("50");
    Q_EMIT start.textEdited("50");
    length.setText("10");
    Q_EMIT length.textEdited("10");
    EXPECT_EQ(core::quickPlayTable(settings)[0], (core::QuickPlayFragment{0.5, 10000}));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PreferencesWindowTest, TheEngineChoiceAsksForTheSwitchAndTheApolloPathDialogOpensInTheProgramFolder) {
    window.show();
    control<QRadioButton>(window, "En_Bass").click();
    EXPECT_TRUE(actions.calls.empty()) << "the engine in use";
    EXPECT_FALSE(control<QRadioButton>(window, "En_Foobar").isEnabled());

    control<QRadioButton>(window, "En_Apollo").click();
    ASSERT_EQ(actions.calls, (std::vector<std::string>{"engine APOLLO"}));
    dialogs.program = QStringLiteral("/opt/player");
    EXPECT_EQ(actions.asked("/data"), "/opt/player");
    EXPECT_EQ(dialogs.programQuestions, QStringList{"Specify Path to Apollo in /data"});

    dialogs.program = QStringLiteral("/usr/bin/foobar");
    control<QPushButton>(window, "BitBtn21").click();
    EXPECT_EQ(settings.gPath_Foobar.text, "/usr/bin/foobar");
    EXPECT_EQ(control<QLineEdit>(window, "gPath_Foobar").text(), "/usr/bin/foobar");
    EXPECT_EQ(dialogs.programQuestions.last(), "Specify Path to Foobar in " KAVREL_DATA_DIR);
}

TEST_F(PreferencesWindowTest, TheAboutPageNamesTheProgramItsVersionAndItsLibraries) {
    window.open(PreferencesPage::About);
    EXPECT_EQ(control<QLabel>(window, "Label4").text(), "Kavrel 1.0");
    const QString libraries = control<QLabel>(window, "Label7").text();
    for (const char* library : {"Qt", "FFmpeg", "SDL2", "ICU"})
        EXPECT_TRUE(libraries.contains(QString::fromLatin1(library))) << library;
    EXPECT_FALSE(control<QLabel>(window, "Image1").pixmap().isNull());
}

} // namespace
} // namespace kavrel::ui::preferences
