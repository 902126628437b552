// A copy-data record another program hands the outside player: the first 8 bytes are its kind, the rest
// its bytes. A name, when one is taken, is exactly the bytes before the one terminating zero.
#include "copied_file_name.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kavrel;
    winmsg::CopyData record;
    if (size >= 8) {
        std::memcpy(&record.dwData, data, 8);
        record.bytes.assign(data + 8, data + size);
    }
    if (const auto name = apollo::copiedFileName(record)) {
        if (name->empty() || name->size() + 1 != record.bytes.size() || name->find('\0') != std::string::npos)
            std::abort();
    }
    return 0;
}
