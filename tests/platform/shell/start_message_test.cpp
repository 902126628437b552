// The second start's message as the running copy reads it from another process.
#include "platform/shell/start_message.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace kavrel::shell {
namespace {

TEST(StartMessage, OnlyAWholeMessageOfItsFormIsRead) {
    struct Case {
        std::string message;
        std::optional<std::vector<std::string>> paths; // nullopt: no message
    };
    const Case cases[] = {
        {"kavrel-start-1\0open\0/a.mp3\0/b c\0"s, std::vector<std::string>{"/a.mp3", "/b c"}},
        {"kavrel-start-1\0raise\0"s, std::vector<std::string>{}},
        {"kavrel-start-1\0open\0\0/a.mp3\0"s, std::vector<std::string>{"/a.mp3"}},
        {"kavrel-start-1\0open\0/cut"s, std::nullopt},
        {"kavrel-start-1\0raise\0/a.mp3\0"s, std::nullopt},
        {"kavrel-start-2\0open\0/a.mp3\0"s, std::nullopt},
        {"kavrel-start-1\0play\0/a.mp3\0"s, std::nullopt},
        {"kavrel-start-1\0"s, std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto start = decodeStartMessage(c.message);
        ASSERT_EQ(start.has_value(), c.paths.has_value()) << c.message;
        if (start) {
            EXPECT_EQ(start->paths, *c.paths) << c.message;
        }
    }
    const std::vector<std::string> paths{"/music/Папка", "/music/line\nbreak.ogg"};
    EXPECT_EQ(decodeStartMessage(encodeStartMessage(paths))->paths, paths);
}

} // namespace
} // namespace kavrel::shell
