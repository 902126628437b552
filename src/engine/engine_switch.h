#pragma once
// Changing the engine from the preferences while the program runs, and the engine a stored configuration
// chooses at start-up.
#include "engine/engine_sync.h"
#include "engine/master_engine.h"

#include <string>

namespace kavrel::engine {

// What the main window does around a switch. Main thread.
class EngineSwitchView {
public:
    virtual ~EngineSwitchView() = default;
    // The 25 ms spectrum timer (Timer5).
    virtual void SetSpectrumTimer(bool enabled) = 0;
    // Runs after the poller and the timer are held and before the engine changes: where the outside
    // player's path is asked for and passed on with SetApolloPath.
    virtual void BeforeSelect(const std::string& /*name*/) {}
    // One press of the analyser button in code (ImgAn).
    virtual void PressAnalyserButton() = 0;
};

// Holds the poller (when there is one) and the spectrum timer, selects `name`, presses the analyser
// button twice so a shown spectrum is rebuilt for the new engine (a hidden one stays hidden), then lets
// the timer and the poller go on. A poller that had suspended itself stays suspended: waking it with no
// track current would report a track end. Main thread.
void SwitchEngine(TMasterEngine& facade, TEngineSync* poller, EngineSwitchView& view,
                  const std::string& name);

// The engine the configuration's engine choices select: FMOD, APOLLO or BASS, the first one set in the
// record's order; BASS when none of the three is.
std::string StoredEngineName(bool enFmod, bool enBass, bool enApollo);

} // namespace kavrel::engine
