#include "ui/windows/equalizer/engine_settings_equalizer.h"

namespace kavrel::ui {

namespace {

constexpr int kBands = 16;

} // namespace

void EngineSettingsEqualizer::setBandGainAlways(int band, std::int32_t gainDb) {
    if (band < 1 || band > kBands)
        return;
    gains_[std::size_t(band) - 1] = gainDb;
    facade_.SetBandGainAlways(band, gainDb);
}

} // namespace kavrel::ui
