#include "core/equalizer_preset.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kavrel::core;
    EqualizerValues values{};
    try {
        parseEqualizerPreset(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz", values);
    } catch (const PresetFormatError&) {
        return 0;
    }
    for (int band = 0; band < 16; ++band)
        if (values[band] < -15 || values[band] > 15)
            std::abort();
    return 0;
}
