#pragma once
// How a message travels over a window's socket. One connection carries one request and, for a sent
// message, one reply. All numbers little-endian.
//
// request: magic "KWM1" | kind u32 (1 sent, 2 posted) | msg u32 | wParam u64 | lParam i64 | dwData u64 |
//          byte count u32 | the copied bytes (only for WM_COPYDATA)
// reply:   magic "KWR1" | result i64
#include "platform/winmsg/messages.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kavrel::winmsg {

enum class Delivery : std::uint32_t { Sent = 1, Posted = 2 };

struct Request {
    Delivery delivery = Delivery::Sent;
    Message message;

    bool operator==(const Request&) const = default;
};

inline constexpr std::size_t kRequestHeaderBytes = 40;
inline constexpr std::size_t kReplyBytes = 12;

std::vector<std::uint8_t> encodeRequest(const Request& request);
// The copied bytes that follow a header; nothing when the header is not one a window accepts (wrong
// magic, unknown delivery, copied bytes on another message or beyond kMaxCopyDataBytes).
std::optional<std::size_t> requestBodyBytes(std::span<const std::uint8_t> header);
// A whole request, exactly header plus body; nothing for anything else.
std::optional<Request> decodeRequest(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> encodeReply(std::int64_t result);
std::optional<std::int64_t> decodeReply(std::span<const std::uint8_t> bytes);

} // namespace kavrel::winmsg
