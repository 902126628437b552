#include "engine/fmod_engine.h"

#include "engine/file_kind.h"
#include "platform/text/numbers.h"

#include <algorithm>
#include <limits>

namespace kavrel::engine {

namespace {

using namespace kavrel::fmod;

constexpr int kMixRate = 44100;
constexpr int kChannels = 128;
constexpr int kCdDrive = 0;
constexpr float kNarrowSeparation = 0.15f;
constexpr std::int32_t kProgramMaxVolume = 1000;
constexpr unsigned kMaxPosition = std::numeric_limits<std::int32_t>::max();

// 0..1000 to 0..255 as round(v / 3.92), halves to even. 3.92 is 98 / 25; dividing the whole numbers keeps
// a half exact.
int libraryVolume(std::int32_t volume) {
    const double scaled = std::clamp(volume, 0, kProgramMaxVolume) * 25.0 / 98.0;
    return static_cast<int>(std::min<std::int64_t>(text::roundHalfEven(scaled), kFsoundMaxVolume));
}

} // namespace

TFmod::TFmod(FmodLibrary& library, FmodWindow window)
    : library_(library), Mini(std::make_unique<TMiniSpectrum>(library)), WindowHandle(window) {
    // No floating-point control word is set for the library: this build does its arithmetic on SSE, where
    // exceptions are masked by default and precision goes by type, so an x87 setting would change nothing.
    if (library_.FSOUND_GetVersion() < kMinVersion)
        throw FmodVersionError("the FMOD library is older than 3.71");
    if (!library_.FSOUND_SetOutput(kFsoundOutputSystem))
        throw FmodStartError("FSOUND_SetOutput failed");
    if (!library_.FSOUND_SetDriver(kFsoundDefaultDriver))
        throw FmodStartError("FSOUND_SetDriver failed");
    if (!library_.FSOUND_SetMixer(kFsoundMixerAuto))
        throw FmodStartError("FSOUND_SetMixer failed");
    if (!library_.FSOUND_SetHWND(WindowHandle))
        throw FmodStartError("FSOUND_SetHWND failed");
    library_.FSOUND_Init(kMixRate, kChannels, 0);
    library_.FSOUND_SetVolume(kFsoundAll, kFsoundMaxVolume);
}

TFmod::~TFmod() {
    Stop();
}

void TFmod::Play(const std::string& fileName, std::int32_t startMs, bool paused) {
    Stop();
    CdFile = matchesExtension(fileName, ".cda");
    if (CdFile)
        playCdTrack(fileName, startMs, paused);
    else
        playFile(fileName, startMs, paused);
}

void TFmod::playCdTrack(const std::string& fileName, std::int32_t startMs, bool paused) {
    library_.FSOUND_CD_SetPlayMode(kCdDrive, kFsoundCdPlayOnce);
    const auto track = cdTrackNumber(fileName);
    if (!track)
        return;
    if (startMs == 0 && !paused) {
        library_.FSOUND_CD_Play(kCdDrive, *track);
        return;
    }
    // Silent while it finds its place, then at full volume.
    library_.FSOUND_CD_SetVolume(kCdDrive, 0);
    library_.FSOUND_CD_Play(kCdDrive, *track);
    if (startMs != 0)
        SetPosition(startMs);
    if (paused)
        setPaused(true);
    library_.FSOUND_CD_SetVolume(kCdDrive, kFsoundMaxVolume);
}

void TFmod::playFile(const std::string& fileName, std::int32_t startMs, bool paused) {
    const char* name = fileName.c_str();
    const FmodModule music = library_.FMUSIC_LoadSong(name);
    const FmodStream stream = music != 0 ? 0 : library_.FSOUND_Stream_Open(name, kFsoundNormal, 0, 0);
    if (music == 0 && stream == 0)
        return;
    if (music != 0) {
        library_.FMUSIC_SetMasterVolume(music, kFsoundMaxVolume);
        const int type = library_.FMUSIC_GetType(music);
        if (type == kFmusicTypeMod || type == kFmusicTypeS3m)
            library_.FMUSIC_SetPanSeperation(music, kNarrowSeparation);
    }
    Music = music;
    Stream = stream;
    Started = false;
    if (music != 0) {
        Started = library_.FMUSIC_PlaySong(music);
    } else {
        ChannelNo = library_.FSOUND_Stream_Play(kFsoundFree, stream);
        Started = ChannelNo >= 0;
        if (Started)
            library_.FSOUND_SetPan(ChannelNo, kFsoundStereoPan);
    }
    // Paused before the seek, so that no block of sound slips out while the decoder seeks.
    if (paused)
        setPaused(true);
    if (startMs != 0)
        SetPosition(startMs);
    library_.FSOUND_SetVolume(ChannelNo, kFsoundMaxVolume);
}

void TFmod::Stop() {
    if (CdFile) {
        library_.FSOUND_CD_Stop(kCdDrive);
    } else if (const FmodModule music = Music.exchange(0)) {
        library_.FMUSIC_StopSong(music);
        library_.FMUSIC_FreeSong(music);
    } else if (const FmodStream stream = Stream.exchange(0)) {
        library_.FSOUND_Stream_Stop(stream);
        library_.FSOUND_Stream_Close(stream);
    }
    Music = 0;
    Stream = 0;
    ChannelNo = -1;
    Started = false;
}

std::uint8_t TFmod::GetState() {
    std::uint8_t state = kStopped;
    if (CdFile) {
        if (library_.FSOUND_CD_GetTrack(kCdDrive) != 0)
            state = library_.FSOUND_CD_GetPaused(kCdDrive) ? kPaused : kPlaying;
    } else if (const FmodModule music = Music) {
        // A module has no stream channel: its own state tells whether it still plays.
        if (library_.FMUSIC_IsPlaying(music))
            state = library_.FMUSIC_GetPaused(music) ? kPaused : kPlaying;
    } else if (const std::int32_t channel = ChannelNo; library_.FSOUND_IsPlaying(channel)) {
        state = library_.FSOUND_GetPaused(channel) ? kPaused : kPlaying;
    }
    State = state;
    return state;
}

void TFmod::Pause() {
    if (State == kStopped)
        return;
    setPaused(true);
}

void TFmod::Resume() {
    if (State == kStopped)
        return;
    setPaused(false);
}

void TFmod::setPaused(bool paused) {
    if (CdFile)
        library_.FSOUND_CD_SetPaused(kCdDrive, paused);
    else
        library_.FSOUND_SetPaused(kFsoundAll, paused);
    State = paused ? kPaused : kPlaying;
}

std::int32_t TFmod::GetPosition() {
    if (CdFile)
        return static_cast<std::int32_t>(
            std::min<unsigned>(library_.FSOUND_CD_GetTrackTime(kCdDrive), kMaxPosition));
    if (const FmodModule music = Music)
        return library_.FMUSIC_GetTime(music);
    return library_.FSOUND_Stream_GetTime(Stream);
}

void TFmod::SetPosition(std::int32_t ms) {
    if (ms < 0)
        return;
    if (CdFile)
        library_.FSOUND_CD_SetTrackTime(kCdDrive, static_cast<unsigned>(ms));
    else if (const FmodModule music = Music)
        library_.FMUSIC_SetTime(music, ms);
    else
        library_.FSOUND_Stream_SetTime(Stream, ms);
}

void TFmod::SetCdVolume(std::int32_t volume) {
    const int level = libraryVolume(volume);
    if (CdFile)
        library_.FSOUND_CD_SetVolume(kCdDrive, level);
    else
        library_.FSOUND_SetVolume(kFsoundAll, level);
}

void TFmod::AttachSpectrum(SpectrumPanel& panel) {
    panel.Place(*Mini);
    Mini->SetEnabled(true);
    Mini->SetStyle(1);
}

void TFmod::ShowSpectrum() {
    Mini->SetEnabled(true);
}

void TFmod::HideSpectrum() {
    Mini->SetEnabled(false);
}

void TFmod::DrawSpectrum() {
    if (Mini->Enabled())
        Mini->Invalidate();
}

} // namespace kavrel::engine
