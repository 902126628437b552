// The library panels of the real main window bound to the whole player, on the offscreen platform, over a
// library of 100,000 songs: a keystroke in the search line for "Song / In All Library" with "Consist of"
// until the song list has repainted, a press on the artist with 2,000 songs until the album and song
// lists have repainted, and a wheel notch over a song list and a playlist of 100,000 rows.
#include "bench_library_files.h"
#include "core/application.h"
#include "core/conf_record_codec.h"
#include "core/design_defaults.h"
#include "platform/dispatch/task_queue.h"
#include "platform/shell/no_desktop.h"
#include "ui/skin/skin_error_reporter.h"
#include "ui/windows/main/main_window_binding.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

namespace {

using namespace kavrel;

class Quiet final : public core::ErrorReporter, public ui::skin::SkinErrorReporter {
public:
    void reportError(std::string_view) override {}
    void reportSkinError(const QString&) override {}
};

// The player on the bench library, its window shown with the analyser off and the search as asked.
struct Player {
    Player() : folder(bench::writeBenchLibrary()) {
        std::filesystem::create_directory_symlink(std::filesystem::path(KAVREL_DATA_DIR) / "Pictures",
                                                  folder / "Pictures");
        core::TConfRecord settings = core::designDefaults();
        settings.AnalyserStateMinusOne = 0;
        settings.mArtist = settings.mAlbum = settings.mAlbomInAllLibrary = settings.mStartAt = false;
        settings.mSong = settings.mSongInAllLibrary = settings.mConsistof = true;
        std::filesystem::create_directories(folder / "PlSysFile");
        const std::string record = core::encodeConfRecord(settings);
        std::ofstream(folder / "PlSysFile/DefaultConf.pcf", std::ios::binary)
            .write(record.data(), std::streamsize(record.size()));
        core::saveEqualizerPreset(folder / "PlSysFile" / settings.PresetFileName.text,
                                  core::EqualizerValues{});

        audio::EngineOptions output;
        output.sink = audio::SinkKind::Null;
        application = std::make_unique<core::Application>(
            core::ApplicationOptions{fs::ProgramFolder(folder), "", output},
            core::ShellServices{quiet, desktop, desktop}, loop);
        window = std::make_unique<ui::TForm1>(application->programFolder(), quiet);
        binding = std::make_unique<ui::MainWindowBinding>(*window, *application, desktop);
        application->startUp([this] { binding->applySettings(); });
        window->show();
        // The first search reads the all-songs table, as the first keystroke of a session does.
        window->CmdSearch->setText(QStringLiteral("x"));
        window->CmdSearch->clear();
        QApplication::processEvents();
    }
    ~Player() {
        binding.reset();
        window.reset();
        application.reset();
        std::filesystem::remove_all(folder);
    }

    std::filesystem::path folder;
    Quiet quiet;
    shell::NoDesktop desktop;
    dispatch::TaskQueue loop;
    std::unique_ptr<core::Application> application;
    std::unique_ptr<ui::TForm1> window;
    std::unique_ptr<ui::MainWindowBinding> binding;
};

// Made on first use, gone before the application object (the window's bindings need it to unbind).
std::unique_ptr<Player> shared;

Player& player() {
    if (!shared)
        shared = std::make_unique<Player>();
    return *shared;
}

void press(QWidget& target, int key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &up);
}

// The line holds `before`; one key is typed (Backspace when `typed` is empty) and the song list repaints.
void SearchKeystroke(benchmark::State& state, const char* before, const char* typed) {
    Player& p = player();
    QLineEdit& line = *p.window->CmdSearch;
    line.setFocus();
    const QString key = QString::fromUtf8(typed);
    for (auto _ : state) {
        state.PauseTiming();
        line.setText(QString::fromUtf8(before));
        state.ResumeTiming();
        if (key.isEmpty())
            press(line, Qt::Key_Backspace, QStringLiteral("\b"));
        else
            press(line, Qt::Key_A, key);
        p.window->ListBox4->viewport()->repaint();
    }
    state.counters["shown"] = double(p.window->ListBox4->count());
}
BENCHMARK_CAPTURE(SearchKeystroke, a, "", "a")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, l, "", "l")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, lo, "l", "o")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, lov, "lo", "v")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, love, "lov", "e")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, backToLov, "love", "")->Unit(benchmark::kMillisecond);

// The widgets' share alone: the song list takes 100,000 rows the browser made, and repaints.
void RefillSongList(benchmark::State& state) {
    Player& p = player();
    ui::LibraryPanelsView& view = p.binding->libraryPanels().view();
    std::vector<std::string> titles;
    for (int i = 0; i < bench::kLibrarySongs; ++i)
        titles.push_back(std::to_string(i + 1) + ". love night road " + std::to_string(i));
    const auto shared = std::make_shared<const std::vector<std::string>>(std::move(titles));
    for (auto _ : state) {
        view.setItems(library::browser::Panel::Songs, shared);
        view.setScroller(library::browser::Panel::Songs, 0, bench::kLibrarySongs);
        p.window->ListBox4->viewport()->repaint();
    }
}
BENCHMARK(RefillSongList)->Unit(benchmark::kMillisecond);

// One wheel notch over a list of 100,000 rows until it has repainted: down seven rows a notch, back to the
// top from the end. The song list shares the browser's rows; the playlist holds one item a row.
void WheelOver(benchmark::State& state, QAbstractItemView& list, ui::TQelScrollerVr& bar) {
    const QPoint at(10, 10);
    int delta = -120;
    for (auto _ : state) {
        if (bar.Position() >= bar.Max())
            delta = 120 * (bar.Max() / 7 + 1);
        QWheelEvent wheel(at, list.viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(list.viewport(), &wheel);
        delta = -120;
        list.viewport()->repaint();
    }
    state.counters["rows"] = double(list.model()->rowCount());
}

void WheelSongList(benchmark::State& state) {
    Player& p = player();
    ui::LibraryPanelsView& view = p.binding->libraryPanels().view();
    std::vector<std::string> titles;
    for (int i = 0; i < bench::kLibrarySongs; ++i)
        titles.push_back(std::to_string(i + 1) + ". love night road " + std::to_string(i));
    view.setItems(library::browser::Panel::Songs, std::make_shared<const std::vector<std::string>>(titles));
    view.setScroller(library::browser::Panel::Songs, 0,
                     bench::kLibrarySongs - view.visibleItems(library::browser::Panel::Songs) + 1);
    WheelOver(state, *p.window->ListBox4, *p.window->QelScrollerVr4);
}
BENCHMARK(WheelSongList)->Unit(benchmark::kMillisecond);

void WheelPlaylist(benchmark::State& state) {
    Player& p = player();
    ui::TCListBox& list = *p.window->ListBox5;
    if (list.count() < bench::kLibrarySongs) {
        QStringList rows;
        for (int i = list.count(); i < bench::kLibrarySongs; ++i)
            rows << QStringLiteral("%1. love night road").arg(i + 1);
        list.addItems(rows);
    }
    p.window->QelScrollerVr5->setMax(list.count() - list.viewport()->height() / ui::TCListBox::RowHeight + 1);
    p.window->QelScrollerVr5->setPosition(0);
    list.setTopIndex(0);
    WheelOver(state, list, *p.window->QelScrollerVr5);
}
BENCHMARK(WheelPlaylist)->Unit(benchmark::kMillisecond);

// The whole 100,000-song library shuffled into the playlist once, then sorted "By Artist" (2,000 rows a
// name) until the playlist has repainted: the sort, the undo copy and the list refilled.
void SortPlaylistByArtist(benchmark::State& state) {
    Player& p = player();
    p.window->ListBox5->clear();
    p.application->shuffler().Shuffle(playlist::ShuffleSource::Library100, {});
    for (auto _ : state) {
        p.application->editor().Sort(playlist::SortColumn::Artist);
        p.window->ListBox5->viewport()->repaint();
    }
    state.counters["rows"] = double(p.window->ListBox5->count());
}
BENCHMARK(SortPlaylistByArtist)->Unit(benchmark::kMillisecond)->Iterations(3);

// A press on "Band 1", the English panel's first artist, until the album and song lists have repainted.
void SelectArtistWith2000Songs(benchmark::State& state) {
    Player& p = player();
    ui::TCListView& artists = *p.window->ListBox2;
    const QPoint at = artists.visualRect(artists.model()->index(0, 0)).center();
    for (auto _ : state) {
        QMouseEvent down(QEvent::MouseButtonPress, at, artists.viewport()->mapToGlobal(at), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(artists.viewport(), &down);
        QMouseEvent up(QEvent::MouseButtonRelease, at, artists.viewport()->mapToGlobal(at), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(artists.viewport(), &up);
        p.window->ListBox3->viewport()->repaint();
        p.window->ListBox4->viewport()->repaint();
    }
    state.counters["albums"] = double(p.window->ListBox3->count());
    state.counters["songs"] = double(p.window->ListBox4->count());
}
BENCHMARK(SelectArtistWith2000Songs)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shared.reset();
    return 0;
}
