#pragma once
// What the player asks of the desktop: open an address or a document, start a program, show a file in the
// file manager, and ask the system to shut down. The player's implementations use the desktop's own
// services; tests pass fakes, so no test ever opens a browser or powers a machine off.
//
// Main thread; each call returns once the request has been handed over (it does not wait for the program).
#include <stdexcept>
#include <string>

namespace kavrel::shell {

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // Opens a web address in the default browser; false when nothing could take it.
    virtual bool openUrl(const std::string& url) = 0;
    // Starts a program from a command line split into words at blanks, double quotes grouping words (three
    // double quotes stand for one), without a shell: nothing else in the text is ever interpreted. False
    // when the program could not be started.
    virtual bool startProgram(const std::string& commandLine) = 0;
    // Opens a file or folder with the desktop's default application.
    virtual bool openDocument(const std::string& path) = 0;
    // Shows the file selected in the file manager (its folder when that cannot be done).
    virtual bool showFileLocation(const std::string& path) = 0;
};

// A switch-off the system did not accept; the message says at which step it failed.
class TShutdownEx : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PowerService {
public:
    virtual ~PowerService() = default;
    // Asks the system to shut down, without asking for any privilege first; false when it refused.
    virtual bool requestShutdown() = 0;
    // Switches the computer off, other programs forced to close; returns only when the system accepted,
    // otherwise throws TShutdownEx. A service with no way to switch off fails as a refused request would.
    virtual void switchOff() { throw TShutdownEx("ExitWindowsEx failed"); }
};

} // namespace kavrel::shell
