#include "platform/winmsg/wire.h"

#include <gtest/gtest.h>

namespace kavrel::winmsg {
namespace {

TEST(WinmsgWire, RequestsTravelWhole) {
    const Request requests[] = {
        {Delivery::Sent, {WM_USER + 3, 19, 0, std::nullopt}},
        {Delivery::Posted, {WM_KEYDOWN, 101, -1, std::nullopt}},
        {Delivery::Sent, {WM_COPYDATA, 0, 0, textCopyData(2, "/music/Ёж.mp3")}},
    };
    for (const Request& request : requests)
        EXPECT_EQ(decodeRequest(encodeRequest(request)), request);
    EXPECT_EQ(decodeReply(encodeReply(-66000)), -66000);
}

TEST(WinmsgWire, RefusesWhatNoSenderOfOursWrites) {
    const auto good = encodeRequest({Delivery::Sent, {WM_COPYDATA, 0, 0, textCopyData(2, "a")}});
    struct Case {
        const char* what;
        std::size_t offset;
        std::uint8_t value;
    };
    const Case cases[] = {
        {"wrong magic", 0, 'X'},
        {"unknown delivery", 4, 3},
        {"copied bytes on another message", 8, 0x4B},
        {"a count beyond the limit", 38, 0xFF},
        {"a count longer than the bytes", 36, 9},
    };
    for (const Case& c : cases) {
        auto bad = good;
        bad[c.offset] = c.value;
        EXPECT_FALSE(decodeRequest(bad)) << c.what;
    }
    auto longer = good;
    longer.push_back(0);
    EXPECT_FALSE(decodeRequest(longer)) << "trailing bytes";
    EXPECT_FALSE(decodeRequest(std::span(good).first(kRequestHeaderBytes - 1))) << "a cut header";
    const auto reply = encodeReply(1);
    EXPECT_FALSE(decodeReply(std::span(reply).first(kReplyBytes - 1)));
}

} // namespace
} // namespace kavrel::winmsg
