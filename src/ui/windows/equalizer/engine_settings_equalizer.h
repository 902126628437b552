#pragma once
// The equalizer port over the engine's side of the settings model: every change reaches the engine and
// the settings at once, so save-state writes the gains and the switch the user left.
#include "core/engine_settings.h"
#include "core/equalizer_preset.h"
#include "engine/master_engine.h"
#include "ui/windows/equalizer/equalizer_port.h"

namespace kavrel::ui {

class EngineSettingsEqualizer final : public EqualizerPort {
public:
    EngineSettingsEqualizer(core::EngineSettings& settings, engine::TMasterEngine& facade,
                            core::EqualizerValues& gains)
        : settings_(settings), facade_(facade), gains_(gains) {}

    bool enabled() const override { return facade_.EqualizerEnabled(); }
    void setEnabled(bool on) override { settings_.SetEqualizerEnabled(on); }
    void setBandGain(int band, std::int32_t gainDb) override { settings_.SetBandGain(band, gainDb); }
    void setBandGainAlways(int band, std::int32_t gainDb) override;

private:
    core::EngineSettings& settings_;
    engine::TMasterEngine& facade_;
    core::EqualizerValues& gains_;
};

} // namespace kavrel::ui
