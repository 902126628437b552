#pragma once
// The player's windows beside the main one, made once at start-up right after it and in this order: the
// equalizer, the mini player, the mini playlist. Binds them to the application: the one playlist view
// over the main and the mini playlist, the ways between the main window and the mini player, the
// equalizer button, the language of every window, quitting from the mini player, and the one MouseUpm
// flag that every scroller of the program shares. Main thread; the main window and the application
// outlive it.
#include "core/application.h"
#include "ui/controls/scroller_mouse_state.h"
#include "ui/lang/language_loader.h"
#include "ui/layout/layout_table.h"
#include "ui/windows/equalizer/engine_settings_equalizer.h"
#include "ui/windows/equalizer/t_equalizer.h"
#include "ui/windows/mini/playback_mini_port.h"
#include "ui/windows/mini/player_windows_view.h"
#include "ui/windows/mini/t_min_frm.h"
#include "ui/windows/nerix/playlist_mini_port.h"
#include "ui/windows/nerix/t_nerix.h"

#include <QObject>
#include <functional>

namespace kavrel::ui {

class TForm1;

class PlayerWindows final : public QObject {
public:
    // `mainView` is the main window's playlist view: while this object lives, the application shows the
    // playlist through the one view over it and the mini windows.
    PlayerWindows(TForm1& main, playlist::PlaylistView& mainView, core::Application& application,
                  skin::SkinErrorReporter& skinErrors);
    ~PlayerWindows() override;

    // At the configuration load: the stored gains and switch into the equalizer window, the playing
    // row's colour, the language of every window.
    void applySettings(lang::LanguageErrorReporter& languageErrors);

    // The windows that take language files. Windows made after this object put theirs in (preferences,
    // copier, library build) before the configuration loads.
    lang::LanguageWindows& languageWindows() { return languageWindows_; }
    // The preferences' language choice (kRussian, kEnglish) applied to every window above: at start-up
    // and on every switch.
    void applyLanguage(int languageIndex, lang::LanguageErrorReporter& errors);

    // The first window shown is the main one: the stored start kind is kept, never acted on.
    void showAtStart();
    // ImgMini: the mini playlist from its top with the main playlist's range, the mini player in the main
    // window's place.
    void switchToMini();
    // ImgNormal, Alt+Up (and the restore hotkey): both mini windows hidden, the main window in front.
    void showMainWindow();
    // ImgEqualizer with the BASS engine.
    void showEqualizer();
    // ImgTray and Alt+Down, once the mini windows are hidden. Until the tray is bound the main window
    // shows minimised, so the player stays within reach; the tray's binding puts its own action here.
    void setMiniToTray(std::function<void()> action) { miniToTray_ = std::move(action); }

    TEqualizer& equalizer() { return equalizer_; }
    TMinFrm& mini() { return mini_; }
    TNerix& nerix() { return nerix_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mainClicked(layout::Control control);
    void shareMouseState(ScrollerMouseState* state);

    TForm1& main_;
    core::Application& application_;
    // Before the windows, so that it outlives their scrollers.
    ScrollerMouseState scrollerMouse_;
    PlaybackMiniPort miniPort_;
    PlaylistMiniPort nerixPort_;
    EngineSettingsEqualizer equalizerPort_;
    TEqualizer equalizer_;
    TMinFrm mini_;
    TNerix nerix_;
    PlayerWindowsView view_;
    lang::LanguageWindows languageWindows_;
    std::function<void()> miniToTray_;
    bool miniPlaced_ = false;
    bool equalizerPlaced_ = false;
};

} // namespace kavrel::ui
