// One drag-over event of the right edge: the layout model's step, and the step applied to the widgets of
// the real main window (shown on the offscreen platform unless QT_QPA_PLATFORM names another), with and
// without the repaint that follows it. The pointer swings back and forth so the window keeps its size.
#include "platform/fs/program_folder.h"
#include "ui/layout/main_window_layout.h"
#include "ui/skin/skin_error_reporter.h"
#include "ui/windows/main/t_form1.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using kavrel::ui::layout::ResizePiece;

class QuietSkinErrors final : public kavrel::ui::skin::SkinErrorReporter {
public:
    void reportSkinError(const QString&) override {}
};

// Pointer positions that widen by up to 40 pixels and narrow back.
int swing(std::int64_t step) {
    const int phase = int(step % 80);
    return 1000 + (phase < 40 ? phase : 80 - phase);
}

void LayoutModelStep(benchmark::State& state) {
    kavrel::ui::layout::MainWindowLayout layout;
    std::int64_t step = 0;
    for (auto _ : state) {
        layout.dragTo(ResizePiece::RightEdge, {swing(step++), 500});
        benchmark::DoNotOptimize(layout.window());
    }
}
BENCHMARK(LayoutModelStep);

void WindowStep(benchmark::State& state, bool paint) {
    QuietSkinErrors errors;
    kavrel::ui::TForm1 window(kavrel::fs::ProgramFolder(KAVREL_DATA_DIR), errors);
    for (int i = 0; i < 200; ++i)
        window.ListBox5->addItem(QStringLiteral("%1. Artist - Title").arg(i + 1));
    window.show();
    QApplication::processEvents();
    std::int64_t step = 0;
    for (auto _ : state) {
        window.resizeStep(ResizePiece::RightEdge, {swing(step++), 500});
        if (paint)
            window.repaint();
    }
}
BENCHMARK_CAPTURE(WindowStep, applied, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WindowStep, applied_and_painted, true)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
