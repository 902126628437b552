#pragma once
// What the equalizer window drives: the gain table and the engine's equalizer behind it. The composition
// root binds it to the settings model and the engine facade.
#include <cstdint>

namespace kavrel::ui {

class EqualizerPort {
public:
    virtual ~EqualizerPort() = default;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    // Band 1..16, gain -15..+15 dB: the user's change.
    virtual void setBandGain(int band, std::int32_t gainDb) = 0;
    // The same at start-up, applied whatever the engine's state.
    virtual void setBandGainAlways(int band, std::int32_t gainDb) = 0;
};

} // namespace kavrel::ui
