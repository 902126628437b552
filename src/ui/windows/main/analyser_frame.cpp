#include "ui/windows/main/analyser_frame.h"

#include <QImage>
#include <QPainter>
#include <bit>

namespace kavrel::ui {

AnalyserFrame::AnalyserFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    Timer5.setInterval(IntervalMs);
    connect(&Timer5, &QTimer::timeout, this, &AnalyserFrame::drawFrame);
}

void AnalyserFrame::start() {
    frame_ = engine::PixelBuffer(width(), height());
    if (source_)
        source_->ShowSpectrum(width(), height());
    Timer5.start();
    update();
}

void AnalyserFrame::stop() {
    Timer5.stop();
    if (source_)
        source_->HideSpectrum();
    frame_ = engine::PixelBuffer(0, 0);
    update();
}

void AnalyserFrame::drawFrame() {
    if (!source_ || !running())
        return;
    source_->DrawSpectrum(frame_);
    update();
}

void AnalyserFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (frame_.width() == 0 || frame_.height() == 0)
        return;
    // 0x00BBGGRR words are the bytes R, G, B, 0 in memory on a little-endian machine: RGBX8888.
    static_assert(std::endian::native == std::endian::little);
    const QImage picture(reinterpret_cast<const uchar*>(frame_.pixels().data()), frame_.width(),
                         frame_.height(), frame_.width() * 4, QImage::Format_RGBX8888);
    painter.drawImage(0, 0, picture);
}

} // namespace kavrel::ui
