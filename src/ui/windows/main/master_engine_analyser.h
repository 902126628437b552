#pragma once
// The analyser frames from the engine facade: BASS draws into the paint box, FMOD shows its mini spectrum
// on the spectrum panel, the outside player has none.
#include "engine/master_engine.h"
#include "ui/controls/mini_spectrum_widget.h"
#include "ui/windows/main/analyser_frame.h"

namespace kavrel::ui {

class MasterEngineAnalyser final : public AnalyserSource {
public:
    // `spectrumPanel` is the main window's pnlSpectrum; it outlives the analyser.
    MasterEngineAnalyser(engine::TMasterEngine& engine, QWidget& spectrumPanel)
        : engine_(engine), panel_(spectrumPanel) {}
    void ShowSpectrum(int width, int height) override {
        engine_.ShowSpectrum(width, height);
        engine_.AttachSpectrum(panel_);
    }
    void HideSpectrum() override { engine_.HideSpectrum(); }
    void DrawSpectrum(engine::PixelBuffer& target) override { engine_.DrawSpectrum(target); }
    bool drawsOnPanel() const override { return engine_.EngineName() == engine::kEngineFmod; }
    bool hasSpectrum() const override { return engine_.HasSpectrum(); }

private:
    engine::TMasterEngine& engine_;
    MiniSpectrumPanel panel_;
};

} // namespace kavrel::ui
