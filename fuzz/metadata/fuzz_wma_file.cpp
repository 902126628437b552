#include "read_all.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return kavrel::fuzz::readAll<kavrel::metadata::TWMAfile>(data, size);
}
