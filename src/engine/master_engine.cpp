#include "engine/master_engine.h"

#include "engine/file_kind.h"

namespace kavrel::engine {

TMasterEngine::TMasterEngine(bass::BassLibrary& library, bass::BassWindow window, std::unique_ptr<TFmod> fmod,
                             std::unique_ptr<TApollo> apollo)
    : Bass(std::make_unique<TBass>(library, window)), Fmod(std::move(fmod)), Apollo(std::move(apollo)) {}

TEngine* TMasterEngine::engineNamed(const std::string& name) const {
    if (name == kEngineBass)
        return Bass.get();
    if (name == kEngineFmod)
        return Fmod.get();
    if (name == kEngineApollo)
        return Apollo.get();
    return nullptr;
}

bool TMasterEngine::isKnownEngine() const {
    return EngineName_ == kEngineBass || EngineName_ == kEngineFmod || EngineName_ == kEngineApollo;
}

void TMasterEngine::SelectEngine(const std::string& name) {
    if (name == EngineName_)
        return;
    const bool apollo = name == kEngineApollo && Apollo;
    if (apollo)
        Apollo->StartHidden(ApolloPath);
    const std::int32_t position = GetPosition();
    const std::uint8_t state = GetState();
    Stop();
    EngineName_ = name;
    selected_ = engineNamed(name);
    if (apollo)
        Apollo->SetVolume(Volume * kApolloVolumeScale);
    if (state != kStopped)
        Play(FileName, position, state == kPaused);
}

void TMasterEngine::Play(const std::string& fileName, std::int32_t startMs, bool paused) {
    FileName = fileName;
    FileKind = matchesExtension(fileName, ".cda") ? "CD" : "";
    if (TEngine* engine = selected_)
        engine->Play(fileName, startMs, paused);
}

void TMasterEngine::Pause() {
    if (TEngine* engine = selected_)
        engine->Pause();
}

void TMasterEngine::Resume() {
    if (TEngine* engine = selected_)
        engine->Resume();
}

void TMasterEngine::Stop() {
    if (TEngine* engine = selected_)
        engine->Stop();
}

std::uint8_t TMasterEngine::GetState() {
    if (TEngine* engine = selected_)
        State = engine->GetState();
    return State;
}

std::int32_t TMasterEngine::GetPosition() {
    TEngine* engine = selected_;
    return engine ? engine->GetPosition() : 0;
}

void TMasterEngine::SetPosition(std::int32_t ms) {
    if (TEngine* engine = selected_)
        engine->SetPosition(ms);
}

void TMasterEngine::SetVolume(std::int32_t volume) {
    Volume = volume;
    if (EngineName_ == kEngineFmod && Fmod && FileKind == "CD")
        Fmod->SetCdVolume(volume);
    // Every engine plays its volume through the BASS output volume.
    if (isKnownEngine())
        Bass->SetVolume(volume);
    if (EngineName_ == kEngineApollo && Apollo)
        Apollo->SetVolume(volume * kApolloVolumeScale);
}

void TMasterEngine::ShowSpectrum(int width, int height) {
    if (EngineName_ == kEngineBass)
        Bass->ShowSpectrum(width, height);
    else if (EngineName_ == kEngineFmod && Fmod)
        Fmod->ShowSpectrum();
}

void TMasterEngine::AttachSpectrum(SpectrumPanel& panel) {
    if (EngineName_ == kEngineFmod && Fmod)
        Fmod->AttachSpectrum(panel);
}

void TMasterEngine::HideSpectrum() {
    if (EngineName_ == kEngineBass)
        Bass->HideSpectrum();
    else if (EngineName_ == kEngineFmod && Fmod)
        Fmod->HideSpectrum();
}

void TMasterEngine::DrawSpectrum(PixelBuffer& target) {
    if (EngineName_ == kEngineBass)
        Bass->DrawSpectrum(target);
    else if (EngineName_ == kEngineFmod && Fmod)
        Fmod->DrawSpectrum();
}

} // namespace kavrel::engine
