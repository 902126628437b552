#pragma once
// Shell services that hand nothing to the desktop and never switch the machine off: for programs that
// run without a desktop session (kavrel-play), and the player until the desktop's own services are in.
#include "platform/shell/desktop_shell.h"

namespace kavrel::shell {

class NoDesktop final : public DesktopShell, public PowerService {
public:
    bool openUrl(const std::string&) override { return false; }
    bool startProgram(const std::string&) override { return false; }
    bool openDocument(const std::string&) override { return false; }
    bool showFileLocation(const std::string&) override { return false; }
    bool requestShutdown() override { return false; }
};

} // namespace kavrel::shell
