#include "apollo_commands.h"

#include <algorithm>
#include <cstdio>

namespace kavrel::apollo {

std::optional<std::string> copiedFileName(const winmsg::CopyData& data) {
    const auto& bytes = data.bytes;
    if (data.dwData != kFileNameKind || bytes.size() < 2 || bytes.back() != 0 ||
        std::find(bytes.begin(), bytes.end(), 0) != bytes.end() - 1)
        return std::nullopt;
    return std::string(bytes.begin(), bytes.end() - 1);
}

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
    if (message.msg != kCommandMessage)
        return std::nullopt;
    switch (message.wParam) {
    case kGetState:
        return player.state();
    case kRelease:
        player.release();
        return 0;
    case kStop:
        player.stop();
        return 0;
    case kTogglePause:
        player.toggle();
        return 0;
    case kSetPosition:
        player.setPosition(message.lParam);
        return 0;
    case kGetPosition:
        return player.positionMs();
    case kSetVolume:
        player.setVolume(message.lParam);
        return 0;
    default:
        return 0;
    }
}

} // namespace kavrel::apollo
