#include "core/engine_settings.h"

#include <algorithm>

namespace kavrel::core {

namespace {

constexpr int kBands = 16;

} // namespace

std::string engineNameOf(const TConfRecord& settings) {
    if (settings.En_Fmod)
        return engine::kEngineFmod;
    if (settings.En_Apollo)
        return engine::kEngineApollo;
    return engine::kEngineBass;
}

void EngineSettings::apply() {
    facade_.SetApolloPath(settings_.gPath_Apollo.text);
    facade_.SelectEngine(engineNameOf(settings_));
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
