#pragma once
// The equalizer port over the engine facade and the program-wide gain table (bands 1..16 first).
#include "engine/master_engine.h"
#include "ui/windows/equalizer/equalizer_port.h"

#include <span>

namespace kavrel::ui {

class MasterEngineEqualizer final : public EqualizerPort {
public:
    MasterEngineEqualizer(engine::TMasterEngine& facade, std::span<std::int32_t> gains)
        : facade_(facade), gains_(gains) {}

    bool enabled() const override { return facade_.EqualizerEnabled(); }
    void setEnabled(bool on) override;
    void setBandGain(int band, std::int32_t gainDb) override;
    void setBandGainAlways(int band, std::int32_t gainDb) override;

private:
    void store(int band, std::int32_t gainDb);

    engine::TMasterEngine& facade_;
    std::span<std::int32_t> gains_;
};

} // namespace kavrel::ui
