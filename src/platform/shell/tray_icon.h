#pragma once
// The notification-area icon the windows hide behind, and the rule for a desktop that has no notification
// area: there "to the tray" minimises, so the player can always be reached again.
#include <functional>
#include <string>

namespace kavrel::shell {

struct TrayHandlers {
    std::function<void()> restore; // a double-click on the icon, or the menu's restore item
    std::function<void()> exit;    // the menu's exit item
    std::function<void()> lost;    // the notification area went away while the icon was shown
};

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual void setHandlers(TrayHandlers handlers) = 0;
    // Whether the desktop has a notification area now.
    virtual bool available() const = 0;
    virtual void show(const std::string& tip) = 0;
    virtual void setTip(const std::string& tip) = 0;
    virtual void hide() = 0;
    virtual bool shown() const = 0;
};

// What a window does when it goes to the tray.
class ParkedWindow {
public:
    virtual ~ParkedWindow() = default;
    virtual void hideWindow() = 0;
    virtual void minimiseWindow() = 0;
    virtual void showMinimised() = 0; // back on the taskbar, minimised, after hiding
};

// Parks windows behind the tray icon, or minimises them where no tray exists. When the tray vanishes
// while a window hides behind it, that window comes back minimised.
class TrayParking {
public:
    TrayParking(TrayIcon& tray, std::string tip);
    void park(ParkedWindow& window);
    // The window comes back (the caller shows it); the icon goes.
    void unpark();
    // Call from the tray's `lost` handler.
    void trayLost();
    bool hidden() const { return hidden_ != nullptr; }

private:
    TrayIcon& tray_;
    std::string tip_;
    ParkedWindow* hidden_ = nullptr;
};

} // namespace kavrel::shell
