#include "platform/fs/cd_mount.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kavrel::fs {
namespace {

using testing::HasSubstr;

constexpr std::string_view kTable =
    "22 1 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n"
    "29 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "61 29 11:0 / /media/user/MP3\\040Disc ro,nosuid,nodev shared:40 master:3 - iso9660 /dev/sr0 ro,utf8\n"
    "62 29 11:1 / /run/media/user/second ro - udf /dev/sr1 ro\n"
    "bad line\n";

TEST(CdMount, FindsTheDiscByDeviceNumberOrByItsSource) {
    struct Case {
        std::string_view device;
        std::optional<DeviceNumber> number;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"/dev/sr0", DeviceNumber{11, 0}, "/media/user/MP3 Disc"},
        {"/dev/whatever", DeviceNumber{11, 1}, "/run/media/user/second"},
        {"/dev/sr1", std::nullopt, "/run/media/user/second"},
        {"/dev/sr2", DeviceNumber{11, 2}, std::nullopt},
        {"/dev/sr2", std::nullopt, std::nullopt},
        {"/dev/sr0", DeviceNumber{8, 0}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mountPointIn(kTable, c.device, c.number), c.expected) << c.device;
    EXPECT_EQ(mountPointIn("", "/dev/sr0", std::nullopt), std::nullopt);
}

TEST(CdMount, SaysWhyThereAreNoFilesToScan) {
    EXPECT_THAT(findCdFiles("").problem, HasSubstr("No CD drive"));
    const auto image = findCdFiles("/tmp/album.CUE");
    EXPECT_EQ(image.folder, "");
    EXPECT_THAT(image.problem, HasSubstr("disc image"));
    EXPECT_THAT(image.problem, HasSubstr("/tmp/album.CUE"));
    const auto absent = findCdFiles("/dev/no-such-drive");
    EXPECT_EQ(absent.folder, "");
    EXPECT_THAT(absent.problem, HasSubstr("no disc mounted"));
}

} // namespace
} // namespace kavrel::fs
