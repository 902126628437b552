#include "platform/fs/local_disks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kavrel::fs {
namespace {

using testing::ElementsAre;

TEST(LocalDisks, TakesHomeAndTheLocalDisksMountedForPeople) {
    // Each line is one case: kept, or left out for the reason in its name.
    const auto table = parseMountTable("22 1 0:21 / /proc rw - proc proc rw\n"
                                       "29 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                       "30 29 8:2 / /home rw - ext4 /dev/sda2 rw\n"
                                       "40 29 8:17 / /media/ann/Music\\040Disk rw - ext4 /dev/sdb1 rw\n"
                                       "41 29 8:33 / /run/media/ann/WINDOWS rw - fuseblk /dev/sdc1 rw\n"
                                       "42 29 8:49 / /mnt/archive rw - xfs /dev/sdd1 rw\n"
                                       "43 29 8:49 / /mnt/archive-again rw - xfs /dev/sdd1 rw\n"
                                       "44 29 0:50 / /mnt/server rw - nfs4 fileserver:/music rw\n"
                                       "45 29 0:51 / /media/share rw - cifs //nas/music rw\n"
                                       "46 29 0:52 / /mnt/remote rw - fuse.sshfs ann@host:/music rw\n"
                                       "47 29 0:53 / /run/media/ann/tmp rw - tmpfs tmpfs rw\n"
                                       "48 29 11:0 / /media/ann/AUDIO_CD ro - iso9660 /dev/sr0 ro\n"
                                       "49 29 8:65 / /mnt rw - ext4 /dev/sde1 rw\n"
                                       "50 29 8:81 / /srv/disk rw - ext4 /dev/sdf1 rw\n"
                                       "not a line\n");
    EXPECT_THAT(musicPlacesIn("/home/ann", table),
                ElementsAre("/home/ann", "/media/ann/Music Disk", "/run/media/ann/WINDOWS", "/mnt/archive"));
    EXPECT_THAT(musicPlacesIn("", parseMountTable("")), ElementsAre());
}

} // namespace
} // namespace kavrel::fs
