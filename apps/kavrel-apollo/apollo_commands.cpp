#include "apollo_commands.h"

#include <cstdio>

namespace kavrel::apollo {

std::optional<std::int64_t> answerPlayerMessage(ApolloPlayer& player, const winmsg::Message& message) {
    if (message.msg == winmsg::WM_COPYDATA) {
        const auto file = message.copyData ? copiedFileName(*message.copyData) : std::nullopt;
        if (!file)
            return 0;
        std::string error;
        if (player.open(*file, &error))
            return 1;
        std::fprintf(stderr, "kavrel-apollo: %s\n", error.c_str());
        return 0;
    }
    if (message.msg != engine::kApolloCommandMessage)
        return std::nullopt;
    switch (message.wParam) {
    case engine::kApolloGetState:
        return player.state();
    case engine::kApolloRelease:
        player.release();
        return 0;
    case engine::kApolloStop:
        player.stop();
        return 0;
    case engine::kApolloTogglePause:
        player.toggle();
        return 0;
    case engine::kApolloSetPosition:
        player.setPosition(message.lParam);
        return 0;
    case engine::kApolloGetPosition:
        return player.positionMs();
    case engine::kApolloSetVolume:
        player.setVolume(message.lParam);
        return 0;
    default:
        return 0;
    }
}

} // namespace kavrel::apollo
