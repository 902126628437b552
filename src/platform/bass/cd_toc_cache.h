#pragma once
// The table of contents of one CD source, read once per disc: queries answer from it while the source
// shows the same disc. A disc image is the same while its file is unchanged; a drive, while a status query
// (which neither spins the disc up nor locks the tray) reports its disc present and not changed. A drive
// that cannot report changes is read on every query. Every member may be called from any thread.
#include "platform/audio/cd_disc.h"

#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <sys/types.h>
#include <tuple>

namespace kavrel::bass {

class CdTocCache {
public:
    using TocReader = std::function<std::optional<audio::CdToc>(const std::string& source)>;

    CdTocCache(std::string source, TocReader reader);

    struct Disc {
        audio::CdToc toc;
        const char* cddbId = nullptr; // valid for the cache's life, so a caller on any thread may keep it
    };
    // Nothing when there is no disc or no readable table of contents (a failed read is tried again).
    std::optional<Disc> disc();

private:
    enum class Probe { Absent, Same, Changed, Unknown };
    Probe probe();

    // An image file's identity and modification time.
    using FileStamp = std::tuple<dev_t, ino_t, off_t, long, long>;

    std::mutex mutex_;
    const std::string source_;
    const TocReader reader_;
    std::optional<Disc> current_;
    std::optional<FileStamp> imageStamp_;
    std::set<std::string> cddbIds_; // every id handed out, never freed: a handful of discs per session
};

} // namespace kavrel::bass
