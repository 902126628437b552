#pragma once
// Opening a CD source (a drive or a .cue/.toc image) with libcdio.
#include <memory>
#include <string>

struct _CdIo;

namespace kavrel::audio {

struct CdIoCloser {
    void operator()(_CdIo* cdio) const;
};
using CdIoHandle = std::unique_ptr<_CdIo, CdIoCloser>;

// A regular file is read as a disc image (cue sheet, then cdrdao table of contents); anything else as a
// drive device. nullptr when it cannot be opened.
CdIoHandle openCdSource(const std::string& source);

// True when the source is a drive, whose reads go through cdio-paranoia's error correction.
bool isCdDrive(const std::string& source);

} // namespace kavrel::audio
