#include "platform/audio/sink.h"

#include <SDL.h>

namespace kavrel::audio {
namespace {

// Small enough that pause and seek reach the ear within a few tens of milliseconds.
constexpr Uint16 kDeviceBlockFrames = 512;

class DeviceSink final : public Sink {
public:
    explicit DeviceSink(RenderFunction render) : render_(std::move(render)) {}
    ~DeviceSink() override {
        if (device_ != 0)
            SDL_CloseAudioDevice(device_);
        if (initialised_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    DeviceSink(const DeviceSink&) = delete;
    DeviceSink& operator=(const DeviceSink&) = delete;

    bool open(int rate) {
        initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (!initialised_)
            return false;
        SDL_AudioSpec wanted{};
        wanted.freq = rate;
        wanted.format = AUDIO_F32SYS;
        wanted.channels = 2;
        wanted.samples = kDeviceBlockFrames;
        wanted.callback = &DeviceSink::callback;
        wanted.userdata = this;
        SDL_AudioSpec obtained{};
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
        if (device_ == 0)
            return false;
        rate_ = obtained.freq;
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    int rate() const override { return rate_; }

private:
    static void callback(void* self, Uint8* stream, int bytes) {
        auto* sink = static_cast<DeviceSink*>(self);
        sink->render_(reinterpret_cast<float*>(stream),
                      static_cast<std::size_t>(bytes) / (2 * sizeof(float)));
    }

    RenderFunction render_;
    bool initialised_ = false;
    SDL_AudioDeviceID device_ = 0;
    int rate_ = 0;
};

} // namespace

std::unique_ptr<Sink> openDeviceSink(int rate, RenderFunction render) {
    auto sink = std::make_unique<DeviceSink>(std::move(render));
    if (!sink->open(rate))
        return nullptr;
    return sink;
}

} // namespace kavrel::audio
