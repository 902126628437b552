#include "platform/winmsg/wire.h"

#include <cstring>

namespace kavrel::winmsg {

namespace {

constexpr std::uint32_t kRequestMagic = 0x314D574B; // "KWM1"
constexpr std::uint32_t kReplyMagic = 0x3152574B;   // "KWR1"

void put(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint64_t get(std::span<const std::uint8_t> in, std::size_t offset, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint64_t{in[offset + static_cast<std::size_t>(i)]} << (8 * i);
    return value;
}

} // namespace

CopyData textCopyData(std::uint64_t kind, const std::string& text) {
    CopyData data{kind, std::vector<std::uint8_t>(text.begin(), text.end())};
    data.bytes.push_back(0);
    return data;
}

std::vector<std::uint8_t> encodeRequest(const Request& request) {
    const Message& message = request.message;
    const CopyData empty;
    const CopyData& data = message.copyData ? *message.copyData : empty;
    std::vector<std::uint8_t> out;
    out.reserve(kRequestHeaderBytes + data.bytes.size());
    put(out, kRequestMagic, 4);
    put(out, static_cast<std::uint32_t>(request.delivery), 4);
    put(out, message.msg, 4);
    put(out, message.wParam, 8);
    put(out, static_cast<std::uint64_t>(message.lParam), 8);
    put(out, data.dwData, 8);
    put(out, data.bytes.size(), 4);
    out.insert(out.end(), data.bytes.begin(), data.bytes.end());
    return out;
}

std::optional<std::size_t> requestBodyBytes(std::span<const std::uint8_t> header) {
    if (header.size() < kRequestHeaderBytes || get(header, 0, 4) != kRequestMagic)
        return std::nullopt;
    const std::uint64_t delivery = get(header, 4, 4);
    if (delivery != static_cast<std::uint32_t>(Delivery::Sent) &&
        delivery != static_cast<std::uint32_t>(Delivery::Posted))
        return std::nullopt;
    const std::uint64_t count = get(header, 36, 4);
    const bool copyData = get(header, 8, 4) == WM_COPYDATA;
    if (count > kMaxCopyDataBytes || (!copyData && (count != 0 || get(header, 28, 8) != 0)))
        return std::nullopt;
    return static_cast<std::size_t>(count);
}

std::optional<Request> decodeRequest(std::span<const std::uint8_t> bytes) {
    const auto body = requestBodyBytes(bytes);
    if (!body || bytes.size() != kRequestHeaderBytes + *body)
        return std::nullopt;
    Request request;
    request.delivery = static_cast<Delivery>(get(bytes, 4, 4));
    Message& message = request.message;
    message.msg = static_cast<std::uint32_t>(get(bytes, 8, 4));
    message.wParam = get(bytes, 12, 8);
    message.lParam = static_cast<std::int64_t>(get(bytes, 20, 8));
    if (message.msg == WM_COPYDATA) {
        const auto data = bytes.subspan(kRequestHeaderBytes);
        message.copyData = CopyData{get(bytes, 28, 8), {data.begin(), data.end()}};
    }
    return request;
}

std::vector<std::uint8_t> encodeReply(std::int64_t result) {
    std::vector<std::uint8_t> out;
    put(out, kReplyMagic, 4);
    put(out, static_cast<std::uint64_t>(result), 8);
    return out;
}

std::optional<std::int64_t> decodeReply(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kReplyBytes || get(bytes, 0, 4) != kReplyMagic)
        return std::nullopt;
    return static_cast<std::int64_t>(get(bytes, 4, 8));
}

} // namespace kavrel::winmsg
