#pragma once
// The analyser's paint box (PaintFrame): while the analyser is on, its 25 ms timer (Timer5) has the
// source draw one frame into an off-screen picture, which is shown in one copy, so the box never
// flickers. While off, nothing is drawn and the source is not asked. A source that draws on its own panel
// is still driven by the timer.
#include "engine/pixel_buffer.h"

#include <QTimer>
#include <QWidget>

namespace kavrel::ui {

// What draws the frames: the engine facade's spectrum calls. Main thread.
class AnalyserSource {
public:
    virtual ~AnalyserSource() = default;
    virtual void ShowSpectrum(int width, int height) = 0;
    virtual void HideSpectrum() = 0;
    virtual void DrawSpectrum(engine::PixelBuffer& target) = 0;
    // True when the frames appear on a panel of the source's own (pnlSpectrum) instead of the paint box.
    virtual bool drawsOnPanel() const { return false; }
    // False when nothing can be drawn (the outside player): the analyser then stays off and the command
    // line keeps its place.
    virtual bool hasSpectrum() const { return true; }
};

class AnalyserFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 25;

    explicit AnalyserFrame(QWidget* parent);

    void setSource(AnalyserSource* source) { source_ = source; }
    AnalyserSource* source() const { return source_; }
    // Starts drawing at the box's present size, or stops and forgets the last frame.
    void start();
    void stop();
    bool running() const { return Timer5.isActive(); }
    // One tick of the timer.
    void drawFrame();
    const engine::PixelBuffer& frame() const { return frame_; }

    QTimer Timer5;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AnalyserSource* source_ = nullptr;
    engine::PixelBuffer frame_{0, 0};
};

} // namespace kavrel::ui
