#include "core/application.h"

#include "core/design_defaults.h"

namespace kavrel::core {

Application::Application(fs::ProgramFolder folder, std::string cdDriveRoot, ErrorReporter& errors)
    : folder_(std::move(folder)), cdDriveRoot_(std::move(cdDriveRoot)), errors_(errors),
      store_(folder_, errors), settings_(designDefaults()) {
    saveSteps_.addStep([this] { store_.saveRecord(kConfFileName, settings_); });
    saveSteps_.addStep([this] { store_.savePreset(settings_, equalizer_); });
}

void Application::loadConfiguration() {
    settings_ = store_.load(kConfFileName);
    equalizer_ = store_.loadStartupPreset(settings_);
}

bool Application::saveState() { return saveSteps_.run(errors_); }

} // namespace kavrel::core
