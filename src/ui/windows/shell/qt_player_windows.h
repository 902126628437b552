#pragma once
// The player's windows as the hotkeys and the tray move them: the main window, and the mini player with
// its playlist once the player has made them (until then the mini player's steps do nothing and it
// never counts as shown). Main thread.
#include "core/player_windows.h"

namespace kavrel::ui {

class TForm1;
class TMinFrm;
class TNerix;

class QtPlayerWindows final : public core::PlayerWindows {
public:
    explicit QtPlayerWindows(TForm1& main) : main_(main) {}
    // The windows outlive this object.
    void attachMini(TMinFrm& mini, TNerix& nerix) {
        mini_ = &mini;
        nerix_ = &nerix;
    }

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
    TMinFrm* mini_ = nullptr;
    TNerix* nerix_ = nullptr;
};

} // namespace kavrel::ui
