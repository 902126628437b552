#include "cd_plugin_loader.h"

#include "cd_plugin/cd_reader_api.h"

#include <dlfcn.h>

namespace kavrel::apollo {

namespace {

// A CD track as the plug-in reads it: always 44100 Hz stereo.
class PluginDecoder final : public audio::Decoder {
public:
    PluginDecoder(const KavrelCdReaderApi* api, void* track) : api_(api), track_(track) {}
    ~PluginDecoder() override { api_->close(track_); }

    audio::ChannelInfo info() const override { return {44100, 2, false, audio::ChannelKind::CdTrack}; }
    std::optional<std::int64_t> lengthFrames() const override {
        const std::int64_t frames = api_->lengthFrames(track_);
        return frames < 0 ? std::nullopt : std::optional(frames);
    }
    std::int64_t read(float* stereo, std::int64_t frames) override {
        return api_->read(track_, stereo, frames);
    }
    bool seek(std::int64_t frame) override { return api_->seek(track_, frame) != 0; }

private:
    const KavrelCdReaderApi* api_;
    void* track_;
};

} // namespace

std::unique_ptr<CdReaderPlugin> CdReaderPlugin::load(const std::filesystem::path& file, std::string* error) {
    void* library = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        *error = "No CD reader plug-in: " + std::string(::dlerror());
        return nullptr;
    }
    const auto entry = reinterpret_cast<KavrelCdReaderEntry>(::dlsym(library, KAVREL_CD_READER_ENTRY));
    const KavrelCdReaderApi* api = entry ? entry() : nullptr;
    if (!api || api->abiVersion != KAVREL_CD_READER_ABI) {
        ::dlclose(library);
        *error = file.string() + " is not a CD reader plug-in of this player.";
        return nullptr;
    }
    return std::unique_ptr<CdReaderPlugin>(new CdReaderPlugin(library, api));
}

CdReaderPlugin::~CdReaderPlugin() {
    ::dlclose(library_);
}

std::unique_ptr<audio::Decoder> CdReaderPlugin::open(const std::string& source, int trackIndex,
                                                     std::string* error) const {
    char reason[256] = "";
    void* track = api_->open(source.c_str(), trackIndex, reason, sizeof reason);
    if (!track) {
        *error = reason;
        return nullptr;
    }
    return std::make_unique<PluginDecoder>(api_, track);
}

} // namespace kavrel::apollo
