// The displays show what the playback logic reports, through the main window's view adapter.
#include "main_window_fixture.h"

#include "core/design_defaults.h"
#include "widget_events.h"

#include "engine/engine_sync.h"
#include "playlist/playback_control.h"
#include "playlist/playlist_fakes.h"
#include "ui/controls/picture_swaps.h"
#include "ui/windows/main/main_window_playlist_view.h"

#include <gtest/gtest.h>

namespace kavrel::ui {
namespace {

using C = layout::Control;

struct Playback : test::MainWindowFixture {
    Playback() {
        static_cast<playlist::TPlist&>(state.list()) = test::listOf(3, 125000);
        display.showAllRows(state.list());
    }
    MainWindowPlaylistView view{*window};
    core::TConfRecord settings = core::designDefaults();
    playlist::PlaybackState state{settings};
    test::FakeEngine engine;
    playlist::PlaylistDisplay display{view, settings};
    engine::SharedPlayback shared;
    playlist::PlaybackControl control{state, engine, display, shared};
};

TEST(MainWindowDisplays, ShowWhatPlaybackReports) {
    Playback p;
    TForm1& w = *p.window;
    EXPECT_EQ(w.ListBox5->count(), 3);
    EXPECT_EQ(w.windowTitle(), "Kavrel");

    p.control.PlayButtonClick(); // starts row 1
    ASSERT_EQ(p.engine.calls.front().rfind("Play ", 0), 0u);
    EXPECT_EQ(w.ImgPlayPause->AddToNom(), 3) << "the pause look while playing";
    EXPECT_EQ(w.ListBox5->markedRow(), 0);
    EXPECT_EQ(w.ListBox5->markedState(), "Play");
    EXPECT_EQ(w.ListBox5->markedColor(), w.look().playingRow);
    EXPECT_EQ(w.Label3->text().toStdString(), playlist::tickerTitleOf(p.state.list().row(1), "02:05"));
    EXPECT_EQ(w.TimeSKRL->Max(), 125);

    p.engine.state = 1;
    p.engine.position = 61000;
    p.shared.State = 1;
    p.shared.Position = 61000;
    p.control.OnPositionUpdate();
    p.control.OnTimeDisplay();
    EXPECT_EQ(w.TimeSKRL->Position(), 61);
    EXPECT_EQ(w.StaticText1->text(), "01:01/02:05");
    EXPECT_EQ(w.windowTitle(), "Artist 1 - Title 1 - 01:01/02:05");
    EXPECT_TRUE(w.StaticText3->text().endsWith("Mb"));

    p.control.TogglePause();
    EXPECT_EQ(w.ImgPlayPause->AddToNom(), 0);
    EXPECT_EQ(w.ListBox5->markedState(), "Pause");

    p.control.Stop(true);
    EXPECT_EQ(w.windowTitle(), "Kavrel");
    EXPECT_EQ(w.Label3->text(), "Kavrel 1.0 TP 1");
    EXPECT_EQ(w.StaticText1->text(), "00:00/00:00");
    EXPECT_EQ(w.ListBox5->markedRow(), TCListBox::NoMarkedRow);
}

TEST(MainWindowDisplays, MarkTicksSitOverTheTimeBar) {
    Playback p;
    MainWindowPlaylistView& view = p.view;
    EXPECT_EQ(view.timeSliderGeometry().left, 36);
    EXPECT_EQ(view.timeSliderGeometry().width, 202);
    view.showMarkLabel(playlist::MarkLabel::Left, 90);
    EXPECT_TRUE(p.window->MarkL->isVisibleTo(p.window.get()));
    EXPECT_EQ(p.window->MarkL->geometry(), QRect(90, 29, 2, 15));
    view.hideMarkLabels();
    EXPECT_FALSE(p.window->MarkL->isVisibleTo(p.window.get()));
}

TEST(MainWindowDisplays, ListsAndTheirScrollersMoveTogether) {
    test::MainWindowFixture f;
    TForm1& w = *f.window;
    for (int i = 1; i <= 60; ++i)
        w.ListBox5->addItem(QString::number(i));
    w.QelScrollerVr5->setMax(layout::listScrollerMaximum(60, w.ListBox5->height()));
    w.ListBox5->setTopIndex(7); // as the wheel scrolls it
    EXPECT_EQ(w.QelScrollerVr5->Position(), 7);
    w.QelScrollerVr5->scroller()->changeByUser(12); // as a drag of the thumb ends there
    EXPECT_EQ(w.ListBox5->topIndex(), 12);
}

TEST(MainWindowDisplays, TheTimeTextsSwapOnClick) {
    test::MainWindowFixture f;
    TForm1& w = *f.window;
    ASSERT_TRUE(w.StaticText2->isVisibleTo(&w));
    test::sendMouse(*w.StaticText2, QEvent::MouseButtonPress, {5, 5});
    test::sendMouse(*w.StaticText2, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_FALSE(w.StaticText2->isVisibleTo(&w));
    EXPECT_TRUE(w.StaticText3->isVisibleTo(&w));
    test::sendMouse(*w.StaticText3, QEvent::MouseButtonPress, {5, 5});
    test::sendMouse(*w.StaticText3, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_TRUE(w.StaticText2->isVisibleTo(&w));
}

TEST(MainWindowDisplays, TheTickerScrollsLeftAndComesBackFromTheRight) {
    test::MainWindowFixture f;
    TickerStrip& ticker = *f.window->Label3;
    EXPECT_EQ(ticker.Timer2.interval(), 20);
    // It scrolls only while its window shows; the mini player's strip takes over while it is hidden.
    f.window->show();
    EXPECT_TRUE(ticker.Timer2.isActive());
    f.window->hide();
    EXPECT_FALSE(ticker.Timer2.isActive());
    ticker.setText("A title long enough to scroll");
    const int start = ticker.offset();
    ticker.step();
    EXPECT_EQ(ticker.offset(), start - 1);
    while (ticker.offset() > -ticker.textWidth() + 1)
        ticker.step();
    ticker.step();
    EXPECT_EQ(ticker.offset(), ticker.width());
}

class RecordingAnalyser final : public AnalyserSource {
public:
    void ShowSpectrum(int width, int height) override {
        calls.push_back(QString("show %1x%2").arg(width).arg(height));
    }
    void HideSpectrum() override { calls.push_back("hide"); }
    void DrawSpectrum(engine::PixelBuffer& target) override {
        calls.push_back("draw");
        target.fill(0x0000FF); // red
    }
    QStringList calls;
};

TEST(MainWindowDisplays, TheAnalyserDrawsOnlyWhileOn) {
    test::MainWindowFixture f;
    TForm1& w = *f.window;
    RecordingAnalyser analyser;
    w.setAnalyserSource(&analyser);

    w.PaintFrame->drawFrame();
    EXPECT_TRUE(analyser.calls.isEmpty()) << "nothing is drawn while off";

    test::sendMouse(*w.ImgAn, QEvent::MouseButtonPress, {2, 2});
    test::sendMouse(*w.ImgAn, QEvent::MouseButtonRelease, {2, 2});
    EXPECT_TRUE(w.analyserOn());
    EXPECT_TRUE(isToggleOn(*w.ImgAn));
    EXPECT_TRUE(w.PaintFrame->isVisibleTo(&w));
    EXPECT_FALSE(w.CmdSearch->isVisibleTo(&w));
    EXPECT_EQ(w.PaintFrame->Timer5.interval(), 25);
    EXPECT_TRUE(w.PaintFrame->Timer5.isActive());
    w.PaintFrame->drawFrame();
    EXPECT_EQ(analyser.calls, QStringList({"show 288x17", "draw"}));
    EXPECT_EQ(w.PaintFrame->grab().toImage().pixelColor(10, 8), QColor(255, 0, 0));

    // A resize rebuilds it at the new size.
    w.resizeStep(layout::ResizePiece::RightEdge, {500, 10});
    w.resizeStep(layout::ResizePiece::RightEdge, {510, 10});
    test::sendMouse(*w.imgRigthLine, QEvent::MouseButtonPress, {2, 2});
    test::sendMouse(*w.imgRigthLine, QEvent::MouseButtonRelease, {2, 2});
    EXPECT_EQ(analyser.calls.mid(2), QStringList({"hide", "show 298x17"}));
    EXPECT_FALSE(w.CmdSearch->isVisibleTo(&w)) << "the command line steps aside again";

    test::sendMouse(*w.ImgAn, QEvent::MouseButtonPress, {2, 2});
    test::sendMouse(*w.ImgAn, QEvent::MouseButtonRelease, {2, 2});
    EXPECT_FALSE(w.PaintFrame->Timer5.isActive());
    EXPECT_TRUE(w.CmdSearch->isVisibleTo(&w));
    analyser.calls.clear();
    w.PaintFrame->drawFrame();
    EXPECT_TRUE(analyser.calls.isEmpty());
}

} // namespace
} // namespace kavrel::ui
