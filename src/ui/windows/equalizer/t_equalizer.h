#pragma once
// TEqualizer: the borderless window of sixteen band sliders, the on/off, reset and close buttons. Created
// once, then only shown and hidden; it drives the equalizer through its port and decides nothing else.
#include "platform/fs/program_folder.h"
#include "ui/controls/mega_image.h"
#include "ui/controls/qel_scroller_vr.h"
#include "ui/windows/equalizer/equalizer_port.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <span>

namespace kavrel::ui {

namespace skin {
class SkinErrorReporter;
}

class TEqualizer : public QWidget {
    Q_OBJECT
public:
    static constexpr int BandCount = 16;
    // Slider position p stands for the gain 15 - p: the top is +15 dB, the middle 0 dB.
    static constexpr int MaxPosition = 30;
    static int gainOf(int position) { return MaxPosition / 2 - position; }
    static int positionOf(int gainDb) { return MaxPosition / 2 - gainDb; }

    TEqualizer(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors,
               EqualizerPort& port, QWidget* parent = nullptr);

    // Start-up: every band's stored gain (bands 1..16 first) onto its slider and into the engine, then the
    // stored on/off state with its picture.
    void applyStartup(std::span<const std::int32_t> gains, bool enabled);

    // Band 1..16.
    TQelScrollerVr* band(int band) const { return bands_.at(std::size_t(band) - 1); }

    void enabledClicked();
    // Every band back to 0 dB; the on/off state stays.
    void resetClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showEnabled(bool on);

    EqualizerPort& port_;
    std::array<TQelScrollerVr*, BandCount> bands_{};

public:
    QLabel* const ImgFonEq;
    TQelScrollerVr* const QelScrollerVr17;
    TMegaImage* const ImgPreset;
    TMegaImage* const ImgEnabled;
    TMegaImage* const ImgClose;
};

} // namespace kavrel::ui
