// Whatever another process writes to the second start's socket: never a crash, and a message read back
// from its own writing says the same again.
#include "platform/shell/start_message.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kavrel::shell;
    const auto start = decodeStartMessage(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!start)
        return 0;
    for (const std::string& path : start->paths)
        if (path.empty() || path.find('\0') != std::string::npos)
            std::abort();
    const auto again = decodeStartMessage(encodeStartMessage(start->paths));
    if (!again || again->paths != start->paths)
        std::abort();
    return 0;
}
