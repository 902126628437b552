// Any bytes as a configuration file: reading, repairing and writing back never fail, and once written the
// record is stable (a legacy text may first be cut to fit its field as UTF-8).
#include "core/conf_record_codec.h"
#include "core/derived_settings.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kavrel::core;
    TConfRecord record;
    if (!decodeConfRecord(std::string_view(reinterpret_cast<const char*>(data), size), record))
        return 0;
    repairLoadedRecord(record);
    (void)quickPlayTable(record);
    (void)shuffleShares(record);
    (void)startVolume(record);
    const std::string written = encodeConfRecord(record);
    TConfRecord again;
    if (!decodeConfRecord(written, again) || encodeConfRecord(again) != written)
        std::abort();
    return 0;
}
