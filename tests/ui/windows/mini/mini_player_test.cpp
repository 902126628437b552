#include "ui/controls/scroller_parts.h"
#include "ui/controls/widget_events.h"
#include "ui/lang/language_loader.h"
#include "ui/skin/skin_error_reporter.h"
#include "ui/windows/mini/t_min_frm.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

namespace kavrel::test {
namespace {

using ui::TMinFrm;

class NoSkinErrors final : public ui::skin::SkinErrorReporter {
public:
    void reportSkinError(const QString& message) override { ADD_FAILURE() << message.toStdString(); }
};

// The calls the window makes, in order.
class RecordingPort final : public ui::MiniPlayerPort {
public:
    int trackCount() const override { return tracks; }
    void playPause() override { calls.push_back("playPause"); }
    void pauseResume() override { calls.push_back("pauseResume"); }
    void stop() override { calls.push_back("stop"); }
    void next() override { calls.push_back("next"); }
    void previous() override { calls.push_back("previous"); }
    void timeSliderChanged() override { calls.push_back("seeking"); }
    void timeSliderReleased(std::int32_t seconds) override {
        calls.push_back("seek " + std::to_string(seconds));
    }
    void setVolume(std::int32_t volume) override { calls.push_back("volume " + std::to_string(volume)); }

    int tracks = 0;
    std::vector<std::string> calls;
};

void click(QWidget& widget) {
    sendMouse(widget, QEvent::MouseButtonPress, {2, 2});
    sendMouse(widget, QEvent::MouseButtonRelease, {2, 2});
}

void sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&widget, &press);
}

class MiniPlayerTest : public ::testing::Test {
protected:
    using Calls = std::vector<std::string>;
    NoSkinErrors skinErrors;
    RecordingPort port;
    TMinFrm window{fs::ProgramFolder(KAVREL_DATA_DIR), skinErrors, port};
    QWidget playlist;

    MiniPlayerTest() { window.setMiniPlaylist(&playlist); }
};

TEST_F(MiniPlayerTest, SizeClipAndPlaceFollowTheStrip) {
    EXPECT_EQ(window.size(), QSize(733, 46));
    EXPECT_EQ(window.y(), 0);
    EXPECT_EQ(window.mask().boundingRect(), QRect(QPoint(3, 3), QPoint(692, 25)));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.StaticText1->text(), "0:00/0:00...0:00/0:00");
    EXPECT_EQ(window.SCRLvolumeMIN->toolTip(), "Volume (Win + Up/Down)");
    EXPECT_FALSE(window.ImgPlayPause->slot(4).isNull()) << "the mini skin loaded";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.Imgfon)->text(QAccessible::Name), "Imgfon")
        << "no control is nameless";
}

TEST_F(MiniPlayerTest, StopPreviousAndNextNeedTracksPlayPauseDoesNot) {
    for (QWidget* button : {window.ImgStop, window.ImgPrew, window.ImgNext, window.ImgPlayPause})
        click(*button);
    EXPECT_EQ(port.calls, Calls{"playPause"});
    port.tracks = 1;
    port.calls.clear();
    for (QWidget* button : {window.ImgStop, window.ImgPrew, window.ImgNext})
        click(*button);
    EXPECT_EQ(port.calls, (Calls{"stop", "previous", "next"}));
}

TEST_F(MiniPlayerTest, PlaylistButtonTwiceShowsThenHidesTheMiniPlaylistUnderTheStrip) {
    window.move(100, 0);
    click(*window.ImgPls);
    EXPECT_TRUE(playlist.isVisible());
    EXPECT_EQ(playlist.pos(), QPoint(100 + 303 - 15, 0 + 46 - 20));
    click(*window.ImgPls);
    EXPECT_FALSE(playlist.isVisible());
}

TEST_F(MiniPlayerTest, PressOnTheStripOrTheTimeTextHidesTheMiniPlaylist) {
    for (QWidget* part : {static_cast<QWidget*>(window.Imgfon), static_cast<QWidget*>(window.StaticText1)}) {
        playlist.show();
        sendMouse(*part, QEvent::MouseButtonPress, {5, 5});
        EXPECT_FALSE(playlist.isVisible()) << part->objectName().toStdString();
    }
}

TEST_F(MiniPlayerTest, VolumeKeysStepBy110AndStopAtTheEnds) {
    struct Case {
        int position;
        int key;
        Calls expected;
    };
    for (const Case& c : {Case{1000, Qt::Key_Up, {}}, Case{0, Qt::Key_Down, {}},
                          Case{950, Qt::Key_Up, {"volume 1060"}}, Case{50, Qt::Key_Down, {"volume -60"}}}) {
        port.calls.clear();
        window.setVolumePosition(c.position);
        sendKey(*window.ImgStop, c.key, Qt::ControlModifier);
        EXPECT_EQ(port.calls, c.expected) << c.position;
    }
}

TEST_F(MiniPlayerTest, TheWindowSeesKeysBeforeItsControls) {
    port.tracks = 1;
    sendKey(*window.SCRLtimeMIN, Qt::Key_Right, Qt::ControlModifier);
    sendKey(*window.SCRLvolumeMIN, Qt::Key_Left, Qt::ControlModifier);
    sendKey(window, Qt::Key_Pause, Qt::NoModifier);
    EXPECT_EQ(port.calls, (Calls{"next", "previous", "pauseResume"}));
}

TEST_F(MiniPlayerTest, AltUpAndNormalGoBackToTheMainWindowAltDownAndTrayToTheTray) {
    QSignalSpy toMain(&window, &TMinFrm::mainWindowRequested);
    QSignalSpy toTray(&window, &TMinFrm::trayRequested);
    struct Case {
        std::function<void()> act;
        QSignalSpy* spy;
    };
    for (const Case& c : {Case{[&] { sendKey(window, Qt::Key_Up, Qt::AltModifier); }, &toMain},
                          Case{[&] { click(*window.ImgNormal); }, &toMain},
                          Case{[&] { sendKey(window, Qt::Key_Down, Qt::AltModifier); }, &toTray},
                          Case{[&] { click(*window.ImgTray); }, &toTray}}) {
        window.show();
        playlist.show();
        const auto before = c.spy->count();
        c.act();
        EXPECT_EQ(c.spy->count(), before + 1);
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(playlist.isVisible());
    }
}

TEST_F(MiniPlayerTest, TimeBarSetsTheSeekingFlagWhileDraggedAndSeeksOnRelease) {
    window.setTimeMaximum(200);
    window.setTimePosition(10);
    QWidget& thumb = *window.SCRLtimeMIN->scroller()->thumb();
    sendMouse(thumb, QEvent::MouseButtonPress, {3, 3});
    sendDrag(thumb, {3 + 40, 3});
    ASSERT_FALSE(port.calls.empty());
    EXPECT_EQ(port.calls, Calls(port.calls.size(), "seeking")) << "no seek while the button is held";
    port.calls.clear();
    sendMouse(thumb, QEvent::MouseButtonRelease, {3, 3});
    EXPECT_EQ(port.calls, Calls{"seek " + std::to_string(window.SCRLtimeMIN->Position())});
    EXPECT_GT(window.SCRLtimeMIN->Position(), 10);
}

TEST_F(MiniPlayerTest, AKeyOnTheTimeBarSeeksAtOnce) {
    window.setTimeMaximum(200);
    window.setTimePosition(10);
    test::sendKey(*window.SCRLtimeMIN, Qt::Key_End);
    EXPECT_EQ(port.calls, (Calls{"seeking", "seek 200"}));
}

TEST_F(MiniPlayerTest, TheTimeTextKeepsEveryDigitInsideItsPlace) {
    QLabel& text = *window.StaticText1;
    struct Case {
        const char* track;
        const char* playlist;
    };
    for (const Case& c : {Case{"0:05/3:10", "0:05/9:40"}, Case{"00:10/04:05", "16:30/1:29:50"},
                          Case{"1:02:10/2:04:05", "1:16:30/10:01:29:50"}}) {
        window.setTimeText(c.track, c.playlist);
        EXPECT_LE(QFontMetrics(text.font()).horizontalAdvance(text.text()), text.width()) << c.playlist;
    }
    window.setTimeText("0:05/3:10", "0:05/9:40");
    EXPECT_EQ(text.font().pixelSize(), 11) << "a short text keeps the full size";
}

TEST_F(MiniPlayerTest, ShowsTheTimeTextAndThePlayLook) {
    window.setTimeText("1:05/4:05", "12:40/58:10");
    EXPECT_EQ(window.StaticText1->text(), "1:05/4:05...12:40/58:10");
    window.setPlaying(true);
    EXPECT_EQ(window.ImgPlayPause->picture(), window.ImgPlayPause->slot(4));
    window.setPlaying(false);
    EXPECT_EQ(window.ImgPlayPause->picture(), window.ImgPlayPause->slot(1));
}

class FailingLanguageErrors final : public ui::lang::LanguageErrorReporter {
public:
    void reportLanguageError(const QString& message) override { ADD_FAILURE() << message.toStdString(); }
};

TEST_F(MiniPlayerTest, TheMiniLanguageFileSetsAllTenTooltipsAndSwitchesBack) {
    FailingLanguageErrors errors;
    ui::lang::LanguageWindows windows;
    windows.mini = &window;
    const fs::ProgramFolder folder(KAVREL_DATA_DIR);
    ui::lang::applyLanguage(folder, ui::lang::kRussian, windows, errors);
    EXPECT_EQ(window.ImgStop->toolTip(), QString::fromUtf8("Стоп"));
    EXPECT_EQ(window.SCRLvolumeMIN->toolTip(), QString::fromUtf8("Громкость (Win + Вверх/Вниз)"));
    EXPECT_EQ(window.ImgClose->toolTip(), QString::fromUtf8("Закрыть"));
    ui::lang::applyLanguage(folder, ui::lang::kEnglish, windows, errors);
    EXPECT_EQ(window.ImgPls->toolTip(), "Show PlayList");
    EXPECT_EQ(window.SCRLvolumeMIN->toolTip(), "Volume (Win + Up/Down)");
}

} // namespace
} // namespace kavrel::test
