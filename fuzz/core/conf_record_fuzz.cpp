// Any bytes as a configuration file: reading, repairing and writing back never fail, and what is written
// reads back to the same settings.
#include "core/conf_record_codec.h"
#include "core/derived_settings.h"

#include <cstdint>
#include <cstdlib>
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
    TConfRecord again;
    if (!decodeConfRecord(encodeConfRecord(record), again) || !(again == record))
        std::abort();
    return 0;
}
