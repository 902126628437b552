#pragma once
// The configuration record on disk: 2056 bytes, little-endian, no header. Gaps are padding, written as zero.
#include "core/conf_record.h"

#include <string>
#include <string_view>

namespace kavrel::core {

inline constexpr std::size_t kConfRecordSize = 2056;

// Exactly kConfRecordSize bytes. Texts longer than their field are cut at a character boundary.
std::string encodeConfRecord(const TConfRecord& record);

// Reads the first kConfRecordSize bytes; false when fewer are given. A length byte above a field's size
// reads as the size; text that is not UTF-8 is legacy 8-bit text.
bool decodeConfRecord(std::string_view bytes, TConfRecord& record);

} // namespace kavrel::core
