// Whatever bytes another program writes to a window's socket: a request either decodes and encodes back
// to the very same bytes, or is refused; it never reads out of bounds.
#include "platform/winmsg/wire.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kavrel::winmsg;
    const std::span<const std::uint8_t> bytes(data, size);
    if (const auto body = requestBodyBytes(bytes); body && *body > kMaxCopyDataBytes)
        std::abort();
    if (const auto request = decodeRequest(bytes)) {
        if (encodeRequest(*request) != std::vector<std::uint8_t>(bytes.begin(), bytes.end()))
            std::abort();
    }
    if (const auto result = decodeReply(bytes)) {
        if (encodeReply(*result) != std::vector<std::uint8_t>(bytes.begin(), bytes.end()))
            std::abort();
    }
    return 0;
}
