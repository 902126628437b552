#pragma once
// The commands the main window answers: WM_USER + 3 with the command number in wParam, and a file handed
// over as copied data of kind 2 (the name and its terminating zero byte).
#include "apollo_player.h"
#include "platform/winmsg/messages.h"

#include <cstdint>
#include <optional>

namespace kavrel::apollo {

inline constexpr std::uint32_t kCommandMessage = winmsg::WM_USER + 3;
inline constexpr std::uint64_t kFileNameKind = 2;

enum Command : std::uint64_t {
    kGetState = 1,
    kRelease = 9,
    kStop = 11,
    kTogglePause = 13,
    kSetPosition = 18,
    kGetPosition = 19,
    kSetVolume = 20,
};

// The file name a copy-data record carries; nothing unless it is of kind 2, ends in its one zero byte and
// holds a name.
std::optional<std::string> copiedFileName(const winmsg::CopyData& data);

// The answer to a player message; nothing for a message that is not one (the window's own then).
// A file that cannot be opened answers 0 and leaves the player stopped.
std::optional<std::int64_t> answerPlayerMessage(ApolloPlayer& player, const winmsg::Message& message);

} // namespace kavrel::apollo
