#pragma once
#include "core/error_reporter.h"

#include <string>
#include <vector>

namespace kavrel::core {

struct RecordingReporter : ErrorReporter {
    std::vector<std::string> messages;
    void reportError(std::string_view message) override { messages.emplace_back(message); }
};

} // namespace kavrel::core
