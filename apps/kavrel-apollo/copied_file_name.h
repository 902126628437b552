#pragma once
// The file name another program hands the player as copied data.
#include "engine/apollo_protocol.h"
#include "platform/winmsg/messages.h"

#include <optional>
#include <string>

namespace kavrel::apollo {

// The name a copy-data record carries; nothing unless it is of kind 2, ends in its one zero byte and holds
// a name.
std::optional<std::string> copiedFileName(const winmsg::CopyData& data);

} // namespace kavrel::apollo
