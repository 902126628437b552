#include "ui/windows/preferences/main_window_preferences_actions.h"

#include "engine/engine_switch.h"
#include "ui/windows/main/main_window_binding.h"

namespace kavrel::ui::preferences {

namespace {

// The main window around an engine switch: its spectrum timer, the analyser button and, for the
// outside player, the question for the player's path.
class MainWindowEngineSwitch final : public engine::EngineSwitchView {
public:
    MainWindowEngineSwitch(TForm1& window, core::Application& application, const engine::AskForProgram& ask)
        : window_(window), application_(application), ask_(ask) {}

    void SetSpectrumTimer(bool enabled) override {
        AnalyserFrame& frame = *window_.PaintFrame;
        if (!window_.analyserOn())
            return;
        if (enabled) {
            if (!frame.running())
                frame.Timer5.start();
            return;
        }
        frame.Timer5.stop();
        // The engine still selected lets its spectrum go; the new one makes its own.
        if (frame.source())
            frame.source()->HideSpectrum();
    }

    void BeforeSelect(const std::string& name) override {
        if (name != engine::kEngineApollo)
            return;
        core::Application& app = application_;
        app.engineSettings().SetApolloPath(
            engine::chooseApolloPath(app.settings().gPath_Apollo.text, app.programFolder().root(), ask_));
    }

    void PressAnalyserButton() override { window_.setAnalyserOn(!window_.analyserOn()); }

private:
    TForm1& window_;
    core::Application& application_;
    const engine::AskForProgram& ask_;
};

} // namespace

void MainWindowPreferencesActions::switchEngine(const std::string& name, const engine::AskForProgram& ask) {
    core::TConfRecord& settings = application_.settings();
    // The outside player has no spectrum, so the analyser is off while it plays; the next engine with
    // one shows it again if the user had it on before.
    const bool analyserWanted = application_.facade().HasSpectrum()
                                    ? window_.analyserOn()
                                    : analyserWanted_.value_or(settings.AnalyserStateMinusOne == 1);
    MainWindowEngineSwitch view(window_, application_, ask);
    engine::SwitchEngine(application_.facade(), &application_.poller(), view, name);
    if (analyserWanted && !window_.analyserOn())
        window_.setAnalyserOn(true);
    analyserWanted_ = analyserWanted;
    // The engine choice into the settings (the facade has it already).
    application_.engineSettings().SelectEngine(name);
    settings.AnalyserStateMinusOne = window_.analyserOn() ? 1 : 0;
}

void MainWindowPreferencesActions::applyLanguage(int languageIndex) {
    if (applyLanguage_)
        applyLanguage_(languageIndex);
}

void MainWindowPreferencesActions::artistColumnsChanged() {
    const core::TConfRecord& settings = application_.settings();
    window_.setArtistColumns(artistColumnsOf(settings.Art_Pnl_Distribution, settings.Art_Pnl_Orientation));
    application_.browser().switchLayout();
}

void MainWindowPreferencesActions::artistNumberingChanged() {
    application_.browser().fillArtistPanels();
}

void MainWindowPreferencesActions::listLookChanged() {
    window_.applyLook(mainWindowLookOf(application_.settings()));
    application_.playback().RemarkPlayingRow();
}

void MainWindowPreferencesActions::playlistDisplayChanged() {
    playlist::PlaybackControl& playback = application_.playback();
    playback.display().showAllRows(playback.state().list());
    playback.RemarkPlayingRow();
}

} // namespace kavrel::ui::preferences
