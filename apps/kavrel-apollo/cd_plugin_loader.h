#pragma once
// The CD reader plug-in, loaded once at start from the Plug-ins folder beside the player.
#include "platform/audio/decoder.h"

#include <filesystem>
#include <memory>
#include <string>

struct KavrelCdReaderApi;

namespace kavrel::apollo {

inline constexpr const char* kCdPluginFile = "CDReader.so";

class CdReaderPlugin {
public:
    // nullptr with the reason in *error when the file is missing or is no plug-in of ours.
    static std::unique_ptr<CdReaderPlugin> load(const std::filesystem::path& file, std::string* error);
    ~CdReaderPlugin();
    CdReaderPlugin(const CdReaderPlugin&) = delete;
    CdReaderPlugin& operator=(const CdReaderPlugin&) = delete;

    // Track `trackIndex` (0-based) of the CD source through the plug-in; nullptr with the reason in *error.
    // Every decoder must be gone before the plug-in is.
    std::unique_ptr<audio::Decoder> open(const std::string& source, int trackIndex, std::string* error) const;

private:
    CdReaderPlugin(void* library, const KavrelCdReaderApi* api) : library_(library), api_(api) {}

    void* library_;
    const KavrelCdReaderApi* api_;
};

} // namespace kavrel::apollo
