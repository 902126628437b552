#include "platform/audio/module_decoder.h"

#include <libopenmpt/libopenmpt.hpp>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <system_error>
#include <vector>

namespace kavrel::audio {
namespace {

class ModuleDecoder final : public Decoder {
public:
    explicit ModuleDecoder(std::unique_ptr<openmpt::module> module) : module_(std::move(module)) {}

    ChannelInfo info() const override { return {kModuleRate, 2, false, ChannelKind::Module}; }

    std::optional<std::int64_t> lengthFrames() const override {
        const double seconds = module_->get_duration_seconds();
        if (!std::isfinite(seconds) || seconds <= 0)
            return std::nullopt;
        return static_cast<std::int64_t>(std::llround(seconds * kModuleRate));
    }

    std::int64_t read(float* stereo, std::int64_t frames) override {
        std::int64_t written = 0;
        try {
            while (written < frames) {
                const auto chunk = static_cast<std::size_t>(std::min<std::int64_t>(frames - written, 4096));
                const std::size_t got =
                    module_->read_interleaved_stereo(kModuleRate, chunk, stereo + written * 2);
                written += static_cast<std::int64_t>(got);
                if (got == 0)
                    break;
            }
        } catch (const openmpt::exception&) {
            // A module that breaks midway ends there.
        }
        return written;
    }

    bool seek(std::int64_t frame) override {
        try {
            module_->set_position_seconds(static_cast<double>(frame) / kModuleRate);
            return true;
        } catch (const openmpt::exception&) {
            return false;
        }
    }

    std::optional<std::string> moduleFormat() const override {
        try {
            return module_->get_metadata("type");
        } catch (const openmpt::exception&) {
            return std::string();
        }
    }

    bool setStereoSeparation(double separation) override {
        if (!(separation >= 0) || separation > kMaxSeparation)
            return false;
        try {
            module_->set_render_param(openmpt::module::RENDER_STEREOSEPARATION_PERCENT,
                                      static_cast<std::int32_t>(std::lround(separation * 100)));
            return true;
        } catch (const openmpt::exception&) {
            return false;
        }
    }

private:
    // libopenmpt takes up to 200 %.
    static constexpr double kMaxSeparation = 2.0;

    std::unique_ptr<openmpt::module> module_;
};

// Looks at the head of the file only, so that a large stream asked for as a module first (as the FMOD
// engine does for every file) is turned away without being read whole. Leaves `in` at the start.
bool mayBeModule(const std::filesystem::path& file, std::ifstream& in) {
    std::vector<char> head(openmpt::probe_file_header_get_recommended_size());
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    in.clear();
    in.seekg(0);
    std::error_code failed;
    const std::uintmax_t size = std::filesystem::file_size(file, failed);
    if (failed)
        return true; // let the full load decide
    return openmpt::probe_file_header(
               openmpt::probe_file_header_flags_default2, reinterpret_cast<const std::byte*>(head.data()),
               head.size(), static_cast<std::uint64_t>(size)) != openmpt::probe_file_header_result_failure;
}

} // namespace

std::unique_ptr<Decoder> openModuleDecoder(const std::filesystem::path& file, std::string* error) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot open " + file.string();
        return nullptr;
    }
    if (!mayBeModule(file, in)) {
        if (error)
            *error = file.string() + " is not a module this program can play";
        return nullptr;
    }
    std::ostringstream log; // libopenmpt's warnings are of no use to the listener
    try {
        auto module = std::make_unique<openmpt::module>(in, log);
        module->set_repeat_count(0);
        return std::make_unique<ModuleDecoder>(std::move(module));
    } catch (const std::exception&) {
        if (error)
            *error = file.string() + " is not a module this program can play";
        return nullptr;
    }
}

} // namespace kavrel::audio
