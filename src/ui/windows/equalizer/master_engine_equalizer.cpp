#include "ui/windows/equalizer/master_engine_equalizer.h"

namespace kavrel::ui {

void MasterEngineEqualizer::setEnabled(bool on) {
    if (on)
        facade_.EqualizerOn();
    else
        facade_.EqualizerOff();
}

void MasterEngineEqualizer::store(int band, std::int32_t gainDb) {
    if (band >= 1 && std::size_t(band) <= gains_.size())
        gains_[std::size_t(band) - 1] = gainDb;
}

void MasterEngineEqualizer::setBandGain(int band, std::int32_t gainDb) {
    store(band, gainDb);
    facade_.SetBandGain(band, gainDb);
}

void MasterEngineEqualizer::setBandGainAlways(int band, std::int32_t gainDb) {
    store(band, gainDb);
    facade_.SetBandGainAlways(band, gainDb);
}

} // namespace kavrel::ui
