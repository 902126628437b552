#pragma once
#include <string>

namespace kavrel::fs {

// The one CD device the player uses: KAVREL_CD_DEVICE when set (a drive or a .cue/.toc disc image),
// otherwise the last CD drive found (/dev/srN with the highest N); empty when there is none.
std::string findCdDevice();

// The CD drive root tracks are named under: the device path and "/" ("/dev/sr0/Track03.cda"); empty
// when there is no device.
std::string cdDriveRoot(const std::string& device);

} // namespace kavrel::fs
