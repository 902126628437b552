#pragma once
// The player's eight system-wide keys, held on the Super key while any other program has the focus.
#include <functional>

namespace kavrel::shell {

enum class Hotkey { VolumeUp, VolumeDown, Next, Previous, PlayPause, MiniPlayer, ToTray, Restore };
inline constexpr int kHotkeyCount = 8;

// Pressed hotkeys reach the handler on the main thread. A key another program already holds is simply
// absent; where no key can be had at all, the service exists and never calls.
class GlobalHotkeys {
public:
    using Handler = std::function<void(Hotkey)>;
    virtual ~GlobalHotkeys() = default;
    virtual void setHandler(Handler handler) = 0;
    virtual bool registered(Hotkey key) const = 0;
};

} // namespace kavrel::shell
