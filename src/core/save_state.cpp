#include "core/save_state.h"

#include <exception>

namespace kavrel::core {

void SaveState::addStep(std::function<void()> step) {
    steps_.push_back(std::move(step));
}

bool SaveState::run(ErrorReporter& errors) const {
    std::string failures;
    for (const auto& step : steps_) {
        try {
            step();
        } catch (const std::exception& error) {
            failures += std::string(failures.empty() ? "" : "\n") + error.what();
        }
    }
    if (failures.empty())
        return true;
    errors.reportError("Some of the player's state could not be saved:\n" + failures);
    return false;
}

} // namespace kavrel::core
