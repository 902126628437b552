#include "ui/windows/main/main_window_binding.h"

#include "ui/layout/saved_layout_record.h"

#include <QEvent>

namespace kavrel::ui {

namespace {

using C = layout::Control;

constexpr int kFirstRunDelayMs = 1000;

ListLook listLookOf(const core::TFontRecord& font) {
    return ui::listLookOf(font.Name.text, font.Size, font.Style, static_cast<std::uint32_t>(font.Color));
}

QColor colourOf(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

// The x of a global position inside `control`, and its width.
std::pair<int, int> placeIn(const TForm1& window, C control, QPoint globalPosition) {
    const QWidget* part = window.part(control);
    return {part->mapFromGlobal(globalPosition).x(), part->width()};
}

} // namespace

MainWindowLook mainWindowLookOf(const core::TConfRecord& settings) {
    MainWindowLook look;
    look.lists = {listLookOf(settings.ListBox1Font), listLookOf(settings.ListBox2Font),
                  listLookOf(settings.ListBox3Font), listLookOf(settings.ListBox4Font),
                  listLookOf(settings.ListBox5Font)};
    look.playingRow = colourOf(settings.Playlist_F_P_Color);
    return look;
}

MainWindowBinding::MainWindowBinding(TForm1& window, core::Application& application,
                                     shell::DesktopShell& desktop)
    : window_(window), application_(application), desktop_(desktop), playlistView_(window),
      libraryPanels_(window, application, desktop), analyser_(application.facade(), *window.pnlSpectrum),
      playlistPanel_(window, application), buildWindow_(window, application) {
    window_.setAnalyserSource(&analyser_);
    application_.bindPlaylistView(&playlistView_);
    application_.bindTabView(this);

    auto& playback = application_.playback();
    connect(&window_, &TForm1::clicked, this, &MainWindowBinding::clicked);
    connect(&window_, &TForm1::timeSliderChanged, this, [&playback](int) { playback.TimeSliderChanged(); });
    connect(&window_, &TForm1::timeSliderReleased, this,
            [&playback](int seconds) { playback.TimeSliderReleased(seconds); });
    connect(&window_, &TForm1::volumeChanged, this,
            [&playback](int volume) { playback.VolumeChanged(volume); });
    connect(&window_, &TForm1::layoutChanged, this, &MainWindowBinding::storeLayout);
    window_.installEventFilter(this);
    playlistPanel_.setBuildWindowOpener([this](LibraryBuildMode mode) {
        using tag_finder::OpenMode;
        buildWindow_.open(mode == LibraryBuildMode::Add       ? OpenMode::Add
                          : mode == LibraryBuildMode::Refresh ? OpenMode::RefreshFiles
                                                              : OpenMode::Rebuild);
    });

    Timer4.setSingleShot(true);
    Timer4.setInterval(kFirstRunDelayMs);
    connect(&Timer4, &QTimer::timeout, this, &MainWindowBinding::firstRunCheck);
}

MainWindowBinding::~MainWindowBinding() {
    window_.removeEventFilter(this);
    application_.bindTabView(nullptr);
    application_.bindPlaylistView(nullptr);
    window_.setAnalyserSource(nullptr);
}

void MainWindowBinding::applySettings() {
    // A copy: each step below reports the window's new layout back into the model before the next reads it.
    const core::TConfRecord settings = application_.settings();
    window_.applyLook(mainWindowLookOf(settings));
    window_.setArtistColumns(artistColumnsOf(settings.Art_Pnl_Distribution, settings.Art_Pnl_Orientation));
    window_.restoreLayout(layout::savedLayoutOf(settings), layout::StartSize(settings.O_Run_Size),
                          layout::StartPosition(settings.O_Run_Position));
    window_.setAnalyserOn(settings.AnalyserStateMinusOne == 1);
    storeLayout();
}

void MainWindowBinding::startFirstRunCheck() {
    Timer4.start();
}

void MainWindowBinding::firstRunCheck() {
    if (application_.firstRun() && firstRunAction_)
        firstRunAction_();
}

void MainWindowBinding::showTab(playlist::Tab tab) {
    window_.showTab(static_cast<int>(tab));
}

void MainWindowBinding::storeLayout() {
    core::TConfRecord& settings = application_.settings();
    layout::storeSavedLayout(window_.savedLayout(), settings);
    settings.AnalyserStateMinusOne = window_.analyserOn() ? 1 : 0;
}

bool MainWindowBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Move)
        storeLayout();
    // Closed by the window manager (Alt+F4, a task bar's close): the same quit as the close button.
    if (watched == &window_ && event->type() == QEvent::Close) {
        application_.quit();
        return false;
    }
    return QObject::eventFilter(watched, event);
}

void MainWindowBinding::clicked(layout::Control control, QPoint globalPosition) {
    auto& playback = application_.playback();
    switch (control) {
    case C::ImgPlayPause:
        playback.PlayButtonClick();
        break;
    case C::ImgStop:
        playback.Stop(true);
        break;
    case C::ImgPrev:
        playback.Previous();
        break;
    case C::ImgNext:
        playback.Next();
        break;
    case C::ImgRepeat:
        application_.repeat().RepeatButtonClick();
        break;
    case C::ImgUndo:
        application_.playlistCommands().Undo();
        break;
    case C::ImgShuffle:
        application_.shuffler().ShuffleClick();
        break;
    case C::ImgMark:
        application_.marks().MarkClick();
        break;
    case C::ImgCDmp3Libr: {
        const auto [x, width] = placeIn(window_, control, globalPosition);
        application_.browser().switchLibrary(x, width);
        break;
    }
    case C::Img2Pl1:
    case C::Img2CD:
    case C::Img2PL2: {
        const auto [x, width] = placeIn(window_, control, globalPosition);
        application_.tabs().TabClick(x, width);
        break;
    }
    case C::ImgEqualizer:
        // The outside player's own equalizer; the BASS one is a window of the player's (PlayerWindows).
        if (application_.settings().En_Apollo && application_.facade().Apollo)
            application_.facade().Apollo->ShowEqualizer();
        break;
    case C::ImgLibrary:
        buildWindow_.open();
        break;
    case C::ImgHelp:
        desktop_.openDocument(application_.programFolder().resolve("\\help\\help.htm").string());
        break;
    case C::ImgClose:
        application_.quit();
        break;
    case C::ImgAn:
    case C::ImgFullScreen:
        storeLayout();
        break;
    default:
        break;
    }
}

} // namespace kavrel::ui
