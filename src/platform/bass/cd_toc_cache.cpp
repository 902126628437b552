#include "platform/bass/cd_toc_cache.h"

#include <climits> // CDSL_CURRENT
#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrel::bass {

CdTocCache::CdTocCache(std::string source, TocReader reader)
    : source_(std::move(source)), reader_(std::move(reader)) {}

CdTocCache::Probe CdTocCache::probe() {
    struct stat info {};
    if (::stat(source_.c_str(), &info) != 0)
        return Probe::Absent;
    if (S_ISREG(info.st_mode)) {
        const FileStamp stamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec,
                              info.st_mtim.tv_nsec};
        const bool same = imageStamp_ == stamp;
        imageStamp_ = stamp;
        return same ? Probe::Same : Probe::Changed;
    }
    // A drive opened without waiting for a disc: no spin-up, and the tray stays free.
    const int fd = ::open(source_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Probe::Absent;
    const int status = ::ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT);
    const int changed = status == CDS_DISC_OK ? ::ioctl(fd, CDROM_MEDIA_CHANGED, CDSL_CURRENT) : -1;
    ::close(fd);
    if (status == CDS_NO_DISC || status == CDS_TRAY_OPEN || status == CDS_DRIVE_NOT_READY)
        return Probe::Absent;
    if (status != CDS_DISC_OK || changed < 0)
        return Probe::Unknown;
    return changed ? Probe::Changed : Probe::Same;
}

std::optional<CdTocCache::Disc> CdTocCache::disc() {
    std::lock_guard lock(mutex_);
    const Probe state = probe();
    if (state == Probe::Same && current_)
        return current_;
    current_.reset();
    if (state == Probe::Absent)
        return std::nullopt;
    auto toc = reader_(source_);
    if (!toc)
        return std::nullopt;
    Disc disc{std::move(*toc), nullptr};
    disc.cddbId = cddbIds_.insert(audio::cddbDiscId(disc.toc)).first->c_str();
    if (state != Probe::Unknown)
        current_ = disc;
    return disc;
}

} // namespace kavrel::bass
