#include "main_window_demo.h"

#include "demo_parts.h"
#include "engine/spectrum.h"
#include "platform/fs/program_folder.h"
#include "ui/controls/picture_swaps.h"
#include "ui/windows/main/main_window_playlist_view.h"
#include "ui/windows/main/t_form1.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cmath>
#include <memory>
#include <vector>

namespace kavrel::demo {

namespace {

using C = ui::layout::Control;

// The analyser as the BASS engine sets it up, fed with a slowly moving made-up spectrum.
class DemoAnalyser final : public ui::AnalyserSource {
public:
    void ShowSpectrum(int width, int height) override {
        spectrum_ = std::make_unique<engine::TSpectrum>(width, height);
        spectrum_->DrawMode = 1;
        spectrum_->BarWidth = 3;
        spectrum_->MaxHeight = height - 2;
        spectrum_->BarFall = 2;
        spectrum_->PeakFall = 1;
    }
    void HideSpectrum() override { spectrum_.reset(); }
    void DrawSpectrum(engine::PixelBuffer& target) override {
        if (!spectrum_)
            return;
        ++frame_;
        std::vector<float> fft(engine::TSpectrum::kFftValues);
        for (std::size_t i = 0; i < fft.size(); ++i)
            fft[i] =
                float(0.03 * (1.2 + std::sin(0.21 * double(i) + 0.17 * frame_)) / (1.0 + 0.02 * double(i)));
        spectrum_->Draw(target, fft, 1, 1);
    }

private:
    std::unique_ptr<engine::TSpectrum> spectrum_;
    int frame_ = 0;
};

void fill(ui::TCListView& list, const std::string& stem, int count) {
    std::vector<std::string> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back(stem + " " + std::to_string(i));
    list.setRows(std::make_shared<const std::vector<std::string>>(std::move(rows)));
}

void fillSample(ui::TForm1& window, ui::MainWindowPlaylistView& view) {
    fill(*window.ListBox1, "Артист", 40);
    fill(*window.ListBox2, "Artist", 40);
    fill(*window.ListBox3, "Album", 8);
    fill(*window.ListBox4, "Song", 30);
    for (int i = 1; i <= 60; ++i)
        view.appendItem(QStringLiteral("%1. Artist %1 - Title %1").arg(i).toStdString());
    view.markPlayingRow(3, "Play");
    view.setTickerText("Artist 3 - Album 1 - Title 3 - 2004 - 192 kbps - 4:05 - Joint Stereo - ");
    view.setWindowTitle("Artist 3 - Title 3 - 1:05/4:05");
    view.setTimeTexts("01:05/04:05", "09:15/3:58:10");
    view.setSizeTotalText("421.07Mb");
    view.setTimeSliderMaximum(245);
    view.setTimeSlider(65);
    view.setVolumeSliders(700);
    view.setPlayButton(4, 3);
    view.showMarkLabel(playlist::MarkLabel::Left, 80);
}

} // namespace

int runMainWindowDemo(const std::filesystem::path& skinRoot, const std::optional<QString>& screenshotFolder) {
    PrintingSkinErrorReporter skinErrors;
    ui::TForm1 window(fs::ProgramFolder(skinRoot.parent_path()), skinErrors);
    ui::MainWindowPlaylistView view(window);
    DemoAnalyser analyser;
    window.setAnalyserSource(&analyser);
    fillSample(window, view);
    window.restoreLayout({}, ui::layout::StartSize::Default, ui::layout::StartPosition::Centre);
    window.show();
    window.setAnalyserOn(true);

    if (screenshotFolder) {
        QTimer::singleShot(400, &window, [&window, folder = *screenshotFolder] {
            bool saved = saveScreenshot(window, folder, "main-built-in.png");
            window.resizeStep(ui::layout::ResizePiece::Corner, {1000, 1000});
            window.resizeStep(ui::layout::ResizePiece::Corner, {1251, 1123});
            window.resizeFinished(ui::layout::ResizePiece::Corner);
            saved = saveScreenshot(window, folder, "main-widened.png") && saved;
            window.toggleFullScreen();
            saved = saveScreenshot(window, folder, "main-full-screen.png") && saved;
            window.toggleFullScreen();
            window.setArtistColumns(ui::ArtistColumns::Incorporated);
            saved = saveScreenshot(window, folder, "main-incorporated.png") && saved;
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}

} // namespace kavrel::demo
