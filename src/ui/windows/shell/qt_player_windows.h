#pragma once
// The player's windows as the hotkeys and the tray move them: the main window, and the mini player with
// its playlist once the player has made them (until then the mini player's steps do nothing and it
// never counts as shown). Main thread.
#include "core/player_windows.h"

namespace kavrel::ui {

class TForm1;
class PlayerWindows;

class QtPlayerWindows final : public core::PlayerWindows {
public:
    explicit QtPlayerWindows(TForm1& main) : main_(main) {}
    // The windows outlive this object.
    void attachMini(ui::PlayerWindows& windows) { windows_ = &windows; }

    bool mainVisible() const override;
    bool miniVisible() const override;
    void showMain() override;
    void hideMain() override;
    void minimiseMain() override;
    void switchToMini() override;
    void showMini() override;
    void hideMini() override;

private:
    TForm1& main_;
    ui::PlayerWindows* windows_ = nullptr;
};

} // namespace kavrel::ui
