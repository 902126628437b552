#pragma once
// The global hotkeys as key grabs on the X root window, on a connection of their own, so the server's
// answer to each grab is seen and a refused one (another client holds the key) costs nothing. Every
// combination with Caps Lock and Num Lock is grabbed too, or the keys would die while a lock is on.
#include "platform/shell/global_hotkeys.h"

#include <array>
#include <memory>
#include <string>

class QSocketNotifier;
struct xcb_connection_t;

namespace kavrel::shell {

class X11Hotkeys final : public GlobalHotkeys {
public:
    // Main thread, with a Qt event loop. `display` empty: $DISPLAY. No reachable X server: no keys.
    explicit X11Hotkeys(const std::string& display = {});
    ~X11Hotkeys() override; // releases every grab
    X11Hotkeys(const X11Hotkeys&) = delete;
    X11Hotkeys& operator=(const X11Hotkeys&) = delete;

    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    bool registered(Hotkey key) const override { return grabs_[static_cast<int>(key)].keycode != 0; }

private:
    struct Grab {
        unsigned char keycode = 0;
        unsigned short modifiers = 0; // Super, without the locks
    };
    void grabAll();
    void readEvents();

    xcb_connection_t* connection_ = nullptr;
    unsigned root_ = 0;
    std::array<unsigned short, 4> lockVariants_{};
    std::array<Grab, kHotkeyCount> grabs_{};
    std::unique_ptr<QSocketNotifier> notifier_;
    Handler handler_;
};

} // namespace kavrel::shell
