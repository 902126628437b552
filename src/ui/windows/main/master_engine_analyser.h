#pragma once
// The analyser frames from the engine facade.
#include "engine/master_engine.h"
#include "ui/windows/main/analyser_frame.h"

namespace kavrel::ui {

class MasterEngineAnalyser final : public AnalyserSource {
public:
    explicit MasterEngineAnalyser(engine::TMasterEngine& engine) : engine_(engine) {}
    void ShowSpectrum(int width, int height) override { engine_.ShowSpectrum(width, height); }
    void HideSpectrum() override { engine_.HideSpectrum(); }
    void DrawSpectrum(engine::PixelBuffer& target) override { engine_.DrawSpectrum(target); }
    // The FMOD engine draws its own control on the spectrum panel.
    bool drawsOnPanel() const override { return engine_.EngineName() == engine::kEngineFmod; }

private:
    engine::TMasterEngine& engine_;
};

} // namespace kavrel::ui
