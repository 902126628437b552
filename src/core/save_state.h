#pragma once
// The one save-state operation every quit path runs. Each step writes one thing; a step that fails does
// not stop the others, and all failures reach the user in one report.
#include "core/error_reporter.h"

#include <functional>
#include <string>
#include <vector>

namespace kavrel::core {

class SaveState {
public:
    // A step throws (std::exception) on failure; the message should name the file and the reason.
    void addStep(std::function<void()> step);

    // Runs every step on the calling (main) thread; returns true when all succeeded.
    bool run(ErrorReporter& errors) const;

private:
    std::vector<std::function<void()>> steps_;
};

} // namespace kavrel::core
