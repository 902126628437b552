#pragma once
#include <string_view>

namespace kavrel::core {

// Shows a failure to the user: a message box in the player, standard error in the command-line tools, a
// recorder in tests. Called on the main thread; blocks until the user has seen it where that applies.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void reportError(std::string_view message) = 0;
};

} // namespace kavrel::core
