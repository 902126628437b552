#include "platform/audio/sink.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

namespace kavrel::audio {
namespace {

// Small enough that pause and seek reach the ear within a few tens of milliseconds.
constexpr Uint16 kDeviceBlockFrames = 512;

// ALSA prints every failed step of its configuration to stderr, a dozen lines on a machine without a
// sound card; the sink says what matters in one line instead.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

class SdlOutputDevice final : public OutputDevice {
public:
    SdlOutputDevice() {
        snd_lib_error_set_handler(&quietAlsa);
        initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (!initialised_)
            error_ = SDL_GetError();
    }
    ~SdlOutputDevice() override {
        close();
        if (initialised_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    SdlOutputDevice(const SdlOutputDevice&) = delete;
    SdlOutputDevice& operator=(const SdlOutputDevice&) = delete;

    int open(int rate, bool exactRate, RenderFunction render) override {
        render_ = std::move(render);
        if (const int opened = openDevice(rate, exactRate); opened != 0)
            return opened;
        // The driver itself may have gone with the device (its sound server ended): start it afresh.
        if (initialised_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (!initialised_) {
            error_ = SDL_GetError();
            return 0;
        }
        return openDevice(rate, exactRate);
    }

    void start() override { SDL_PauseAudioDevice(device_, 0); }

    bool playing() override { return device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_PLAYING; }

    void close() override {
        if (device_ != 0)
            SDL_CloseAudioDevice(device_);
        device_ = 0;
    }

    std::string lastError() override { return error_; }

private:
    int openDevice(int rate, bool exactRate) {
        if (!initialised_)
            return 0;
        SDL_AudioSpec wanted{};
        wanted.freq = rate;
        wanted.format = AUDIO_F32SYS;
        wanted.channels = 2;
        wanted.samples = kDeviceBlockFrames;
        wanted.callback = &SdlOutputDevice::callback;
        wanted.userdata = this;
        SDL_AudioSpec obtained{};
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                      exactRate ? 0 : SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
        if (device_ == 0) {
            error_ = SDL_GetError();
            return 0;
        }
        return obtained.freq;
    }

    static void callback(void* self, Uint8* stream, int bytes) {
        auto* device = static_cast<SdlOutputDevice*>(self);
        device->render_(reinterpret_cast<float*>(stream),
                        static_cast<std::size_t>(bytes) / (2 * sizeof(float)));
    }

    bool initialised_ = false;
    SDL_AudioDeviceID device_ = 0;
    RenderFunction render_;
    std::string error_;
};

} // namespace

std::unique_ptr<OutputDevice> openSdlOutputDevice() {
    return std::make_unique<SdlOutputDevice>();
}

} // namespace kavrel::audio
