#pragma once
// Stand-ins for the shell services in tests of what uses them: keys pressed by the test, a tray that may or
// may not exist, a power service that records and fails as told. Nothing here touches the desktop.
#include "platform/shell/desktop_shell.h"
#include "platform/shell/global_hotkeys.h"
#include "platform/shell/tray_icon.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kavrel::test {

class FakeHotkeys final : public shell::GlobalHotkeys {
public:
    std::set<shell::Hotkey> held; // the keys another program holds
    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    bool registered(shell::Hotkey key) const override { return !held.contains(key); }
    void press(shell::Hotkey key) {
        if (registered(key) && handler_)
            handler_(key);
    }

private:
    Handler handler_;
};

class FakeTray final : public shell::TrayIcon {
public:
    bool present = true;
    bool visible = false;
    std::string tip;
    shell::TrayHandlers handlers;

    void setHandlers(shell::TrayHandlers h) override { handlers = std::move(h); }
    bool available() const override { return present; }
    void show(const std::string& text) override {
        visible = true;
        tip = text;
    }
    void setTip(const std::string& text) override { tip = text; }
    void hide() override { visible = false; }
    bool shown() const override { return visible; }
};

// A window going to the tray, recording what it was told to do.
class RecordingWindow final : public shell::ParkedWindow {
public:
    std::vector<std::string> calls;
    void hideWindow() override { calls.push_back("hide"); }
    void minimiseWindow() override { calls.push_back("minimise"); }
    void showMinimised() override { calls.push_back("show minimised"); }
};

class ScriptedPower final : public shell::PowerService {
public:
    std::optional<std::string> failure; // the TShutdownEx text to fail with
    std::function<void()> onSwitchOff;  // runs at the call, before it fails
    int switchOffs = 0;
    int shutdowns = 0;
    bool requestShutdown() override {
        ++shutdowns;
        return !failure;
    }
    void switchOff() override {
        ++switchOffs;
        if (onSwitchOff)
            onSwitchOff();
        if (failure)
            throw shell::TShutdownEx(*failure);
    }
};

} // namespace kavrel::test
