// The main window on the real engine: a click on the play button plays the current row into the
// capture sink, and the displays and the analyser follow what plays.
#include "main_window_fixture.h"
#include "widget_events.h"

#include "core/design_defaults.h"
#include "engine/master_engine.h"
#include "platform/bass/audio_rig.h"
#include "playlist/master_engine_playback.h"
#include "playlist/playback_control.h"
#include "playlist/playlist_fakes.h"
#include "ui/windows/main/main_window_playlist_view.h"
#include "ui/windows/main/master_engine_analyser.h"

#include <gtest/gtest.h>

namespace kavrel::ui {
namespace {

using namespace std::chrono_literals;
using C = layout::Control;

void click(QWidget& widget) {
    test::sendMouse(widget, QEvent::MouseButtonPress, {2, 2});
    test::sendMouse(widget, QEvent::MouseButtonRelease, {2, 2});
}

bool anyLitPixel(const engine::PixelBuffer& frame) {
    for (const engine::Colour pixel : frame.pixels())
        if (pixel != 0)
            return true;
    return false;
}

TEST(MainWindowPlayback, PlayButtonPlaysTheCurrentRowAndTheAnalyserMoves) {
    test::AudioRig rig;
    engine::TMasterEngine facade(rig.library, 0);
    facade.SelectEngine(engine::kEngineBass);
    playlist::MasterEnginePlayback playback(facade);
    test::MainWindowFixture f;
    TForm1& window = *f.window;
    MainWindowPlaylistView view(window);
    core::TConfRecord settings = core::designDefaults();
    playlist::PlaybackState state(settings);
    playlist::PlaylistDisplay display(view, settings);
    engine::SharedPlayback shared;
    playlist::PlaybackControl control(state, playback, display, shared);
    MasterEngineAnalyser analyser(facade, *window.pnlSpectrum);
    window.setAnalyserSource(&analyser);

    playlist::TrackRow row = test::songRow(1, 2038);
    row[10] = test::engineFixture("tone_1k.mp3").string();
    state.list().Rows.push_back(row);
    display.showAllRows(state.list());
    // The thin binding the composition root makes.
    QObject::connect(&window, &TForm1::clicked, [&](C control_, QPoint) {
        if (control_ == C::ImgPlayPause)
            control.PlayButtonClick();
    });

    click(*window.ImgPlayPause);
    click(*window.ImgAn);
    rig.run(500ms);
    shared.State = playback.GetState();
    shared.Position = playback.GetPosition();
    control.OnPositionUpdate();
    control.OnTimeDisplay();
    window.PaintFrame->drawFrame();

    EXPECT_EQ(playback.GetState(), engine::kPlaying);
    EXPECT_GT(test::rms(test::leftChannel(rig.run(100ms))), 0.1) << "the tone reaches the capture sink";
    EXPECT_EQ(window.ImgPlayPause->AddToNom(), 3);
    EXPECT_TRUE(window.windowTitle().startsWith("Artist 1 - Title 1 - 00:00/00:02"))
        << window.windowTitle().toStdString();
    EXPECT_TRUE(anyLitPixel(window.PaintFrame->frame())) << "the analyser shows the tone";

    click(*window.ImgAn);
    EXPECT_FALSE(window.PaintFrame->Timer5.isActive());
    control.Stop(true);
}

} // namespace
} // namespace kavrel::ui
