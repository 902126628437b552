#pragma once
// The commands the main window answers: WM_USER + 3 with the command number in wParam, and a file handed
// over as copied data (engine/apollo_protocol.h).
#include "apollo_player.h"
#include "copied_file_name.h"
#include "engine/apollo_protocol.h"
#include "platform/winmsg/messages.h"

#include <cstdint>
#include <optional>

namespace kavrel::apollo {

// The answer to a player message; nothing for a message that is not one (the window's own then).
// A file that cannot be opened answers 0 and leaves the player stopped.
std::optional<std::int64_t> answerPlayerMessage(ApolloPlayer& player, const winmsg::Message& message);

} // namespace kavrel::apollo
