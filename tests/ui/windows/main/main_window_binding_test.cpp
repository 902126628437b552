// The main window bound to the whole player on a program folder: the saved playlist shows, the play
// button plays it into the capture sink, help opens the shipped page, and the close button saves the
// window's layout with everything else.
#include "bound_main_window.h"
#include "core/conf_record_codec.h"
#include "platform/bass/audio_rig.h"
#include "playlist/ppl_file.h"
#include "widget_events.h"

#include <gtest/gtest.h>

namespace kavrel::ui {
namespace {

using namespace std::chrono_literals;

void click(QWidget& widget) {
    test::sendMouse(widget, QEvent::MouseButtonPress, {2, 2});
    test::sendMouse(widget, QEvent::MouseButtonRelease, {2, 2});
}

// The saved list holds one tone, not playing.
void savedTone(const std::filesystem::path& folder, core::TConfRecord& settings) {
    settings.O_Run_Playlist = 1;
    playlist::TPlist pl1;
    playlist::TrackRow row = test::songRow(1, 2038);
    row[library::kPathColumn] = test::engineFixture("tone_1k.mp3").string();
    pl1.Rows.push_back(row);
    std::filesystem::create_directories(folder / "PlayLists");
    playlist::writePlaylistFile(folder / "PlayLists/PlayListMainPL1.ppl", pl1);
}

class MainWindowBindingTest : public ::testing::Test, public test::BoundMainWindow {
protected:
    MainWindowBindingTest() : BoundMainWindow(savedTone) {}
};

TEST_F(MainWindowBindingTest, ShowsTheSavedListAndPlaysItWithThePlayButton) {
    EXPECT_TRUE(messages.pending().isEmpty()) << messages.pending().join("\n").toStdString();
    EXPECT_TRUE(window->analyserOn()) << "the stored analyser state";
    ASSERT_EQ(window->ListBox5->count(), 1);
    EXPECT_EQ(window->windowTitle(), "Kavrel");

    click(*window->ImgPlayPause);
    ASSERT_EQ(application->facade().GetState(), engine::kPlaying);
    application->audio().capture()->advance(300ms);
    EXPECT_GT(test::rms(test::leftChannel(application->audio().capture()->samples())), 0.1)
        << "the tone reaches the capture sink";
    EXPECT_EQ(window->ImgPlayPause->AddToNom(), 3) << "the pause look while playing";

    click(*window->ImgStop);
    EXPECT_EQ(application->facade().GetState(), engine::kStopped);
}

TEST_F(MainWindowBindingTest, HelpOpensTheShippedPage) {
    click(*window->ImgHelp);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0], "document " + (dir / "help/help.htm").string());
}

TEST_F(MainWindowBindingTest, TheCloseButtonSavesTheLayoutWithEverythingElse) {
    window->resizeStep(layout::ResizePiece::RightEdge, {900, 300});
    window->resizeStep(layout::ResizePiece::RightEdge, {937, 300});
    window->resizeFinished(layout::ResizePiece::RightEdge);
    click(*window->ImgAn);
    const bool analyserOn = window->analyserOn();

    click(*window->ImgClose);
    EXPECT_EQ(quits, 1);
    core::TConfRecord saved;
    ASSERT_TRUE(core::decodeConfRecord(test::readFile(dir / "PlSysFile/Conf.pcf"), saved));
    EXPECT_EQ(saved.ExtraWidth, 37);
    EXPECT_EQ(saved.AnalyserStateMinusOne, analyserOn ? 1 : 0);
    EXPECT_EQ(playlist::readPlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl")->Count(), 1);
}

} // namespace
} // namespace kavrel::ui
