#pragma once
// Switch-off through logind on the system bus (org.freedesktop.login1.Manager.PowerOff, never asking the
// user to authorise). The failures carry the error texts the player has always shown for the four steps
// of a switch-off: no bus, no logind on it, the request refused, the call failing otherwise.
#include "platform/shell/desktop_shell.h"

#include <string>

namespace kavrel::shell {

class LogindPower final : public PowerService {
public:
    // `busAddress` empty: the system bus. Tests give a bus of their own.
    explicit LogindPower(std::string busAddress = {});

    bool requestShutdown() override;
    void switchOff() override;

private:
    std::string busAddress_;
};

} // namespace kavrel::shell
