#include "core/engine_settings.h"

#include "engine/apollo_path.h"
#include "engine/engine_switch.h"

#include <algorithm>

namespace kavrel::core {

namespace {

constexpr int kBands = 16;

} // namespace

void EngineSettings::apply() {
    // Nothing is asked at start-up: a stored path that names no file gives way to the shipped stand-in.
    facade_.SetApolloPath(engine::startupApolloPath(settings_.gPath_Apollo.text, folder_.root()));
    facade_.SelectEngine(engine::StoredEngineName(settings_.En_Fmod, settings_.En_Bass, settings_.En_Apollo));
    for (int band = 1; band <= kBands; ++band)
        facade_.SetBandGainAlways(band, equalizer_[static_cast<std::size_t>(band - 1)]);
    if (settings_.EqualizerEnabled != 0)
        facade_.EqualizerOn();
    else
        facade_.EqualizerOff();
}

void EngineSettings::SelectEngine(const std::string& name) {
    settings_.En_Bass = name == engine::kEngineBass;
    settings_.En_Fmod = name == engine::kEngineFmod;
    settings_.En_Apollo = name == engine::kEngineApollo;
    settings_.En_Foobar = false;
    facade_.SelectEngine(name);
}

void EngineSettings::SetApolloPath(const std::string& path) {
    settings_.gPath_Apollo.text = path;
    facade_.SetApolloPath(path);
}

void EngineSettings::SetEqualizerEnabled(bool enabled) {
    settings_.EqualizerEnabled = enabled ? 1 : 0;
    if (enabled)
        facade_.EqualizerOn();
    else
        facade_.EqualizerOff();
}

void EngineSettings::SetBandGain(int band, std::int32_t gainDb) {
    if (band < 1 || band > kBands)
        return;
    gainDb = std::clamp(gainDb, -15, 15);
    equalizer_[static_cast<std::size_t>(band - 1)] = gainDb;
    facade_.SetBandGain(band, gainDb);
}

} // namespace kavrel::core
