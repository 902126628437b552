#include "engine/engine_switch.h"

namespace kavrel::engine {

void SwitchEngine(TMasterEngine& facade, TEngineSync* poller, EngineSwitchView& view,
                  const std::string& name) {
    const bool polling = poller != nullptr && !poller->Suspended();
    if (poller != nullptr)
        poller->Suspend();
    view.SetSpectrumTimer(false);
    view.BeforeSelect(name);
    facade.SelectEngine(name);
    view.PressAnalyserButton();
    view.PressAnalyserButton();
    view.SetSpectrumTimer(true);
    if (polling)
        poller->Resume();
}

std::string StoredEngineName(bool enFmod, bool enBass, bool enApollo) {
    if (enFmod)
        return kEngineFmod;
    if (enBass)
        return kEngineBass;
    if (enApollo)
        return kEngineApollo;
    return kEngineBass;
}

} // namespace kavrel::engine
