#pragma once
// kavrel-play with --engine APOLLO: the outside player it drives. Kavrel itself sounds nothing then; the
// outside player records --out, so kavrel-play starts one of its own and ends it when playing ends.
#include "platform/winmsg/socket_desktop.h"
#include "play_options.h"

#include <filesystem>
#include <string>

namespace kavrel::play {

// --apollo, else the kavrel-apollo installed beside kavrel-play (../libexec/kavrel, or ../program in a
// build tree), else the one in the current folder, as the player finds it in its program folder.
std::filesystem::path outsidePlayerPath(const PlayOptions& options);

class OutsidePlayerRun {
public:
    // Before the engine starts the player: it gets a screen of its own (kavrel-play has no window) and
    // the recording. Throws std::runtime_error when --out is asked while an outside player already runs,
    // which would play on its own device and record nothing.
    explicit OutsidePlayerRun(const PlayOptions& options);

    // After the engine has sent its last command: closes the player this run started and waits until it
    // has completed the recording. False with the reason when it does not.
    bool finish(std::string* error);

private:
    const PlayOptions& options_;
    winmsg::SocketDesktop desktop_;
    bool alreadyRunning_;
};

} // namespace kavrel::play
