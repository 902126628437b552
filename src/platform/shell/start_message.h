#pragma once
// The message a second start sends the running copy: the magic, then NUL-terminated fields, the first the
// request ("open" with its paths, or "raise" with none). It comes from another process, so reading it
// trusts nothing: anything that is not a whole message of this form is no message.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::shell {

struct StartMessage {
    // Empty: raise the window.
    std::vector<std::string> paths;
};

// `paths` hold no NUL (a path never does); empty ones are left out.
std::string encodeStartMessage(const std::vector<std::string>& paths);
std::optional<StartMessage> decodeStartMessage(std::string_view message);

} // namespace kavrel::shell
