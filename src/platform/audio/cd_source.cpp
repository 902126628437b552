#include "platform/audio/cd_source.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>

#include <filesystem>
#include <mutex>

namespace kavrel::audio {
namespace {

void ignoreLogMessage(cdio_log_level_t, const char*) {}

} // namespace

void CdIoCloser::operator()(_CdIo* cdio) const {
    cdio_destroy(cdio);
}

bool isCdDrive(const std::string& source) {
    std::error_code ignored;
    return !std::filesystem::is_regular_file(source, ignored);
}

CdIoHandle openCdSource(const std::string& source) {
    static std::once_flag quiet;
    // libcdio reports damaged images and empty drives on stderr; we report them as failures instead.
    std::call_once(quiet, [] { cdio_log_set_handler(ignoreLogMessage); });
    if (source.empty())
        return nullptr;
    if (!isCdDrive(source)) {
        if (CdIo_t* cue = cdio_open_cue(source.c_str()))
            return CdIoHandle(cue);
        return CdIoHandle(cdio_open_cdrdao(source.c_str()));
    }
    return CdIoHandle(cdio_open(source.c_str(), DRIVER_DEVICE));
}

} // namespace kavrel::audio
