#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "system/posix/mount_table.h"
#include "system/posix/mounted_drives.h"
#include "system/volume_api.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;

// A desktop's table: pseudo file systems, a bind mount of a folder of /home,
// an overmounted point, a stick under /run/media with a blank in its name.
constexpr const char* kDesktop =
    "22 1 0:21 / /proc rw,relatime shared:5 - proc proc rw\n"
    "23 1 0:22 / /sys rw,relatime shared:6 - sysfs sysfs rw\n"
    "24 1 0:6 / /dev rw - devtmpfs udev rw,size=100k\n"
    "25 24 0:23 / /dev/shm rw - tmpfs tmpfs rw\n"
    "26 1 0:24 / /run rw,nosuid - tmpfs tmpfs rw,mode=755\n"
    "27 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro\n"
    "28 27 8:3 / /home rw,relatime shared:2 - ext4 /dev/sda3 rw\n"
    "29 27 8:3 /alice/src /build rw,relatime shared:2 - ext4 /dev/sda3 rw\n"
    "30 27 0:30 / /tmp rw shared:3 - tmpfs tmpfs rw\n"
    "31 27 0:40 / /mnt/nas rw shared:4 master:9 - nfs4 nas:/export rw,vers=4.2\n"
    "32 26 8:17 / /run/media/alice/My\\040Stick rw - vfat /dev/sdb1 rw\n"
    "33 27 11:0 / /mnt/cd ro - iso9660 /dev/sr0 ro\n"
    "34 27 8:4 / /mnt/old rw - ext4 /dev/sda4 rw\n"
    "35 27 8:5 / /mnt/old rw - xfs /dev/sda5 rw\n"
    "36 23 0:31 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n";

std::vector<std::string> mountPoints(const std::vector<LetteredMount>& drives) {
    std::vector<std::string> out;
    for (const LetteredMount& d : drives)
        out.push_back(std::string(1, d.letter) + " " + d.mount.mountPoint);
    return out;
}

// Every mount's root is a folder but for the mount points named.
FolderTest foldersBut(std::set<std::string> files = {}) {
    return [files](const MountEntry& m) { return !files.contains(m.mountPoint); };
}

// The drives that a first reading of a table offers.
std::vector<LetteredMount> firstDrives(const std::string& text, const FolderTest& isFolder) {
    DriveLetters letters;
    return letters.assign(driveVolumes(parseMountInfo(text), isFolder, letters));
}
std::vector<LetteredMount> firstDrives(const std::string& text) {
    return firstDrives(text, foldersBut());
}

TEST(MountTable, ParsesFieldsAroundOptionalTagsAndDecodesEscapes) {
    const std::vector<MountEntry> table = parseMountInfo(kDesktop);
    ASSERT_EQ(table.size(), 15u);
    const MountEntry& nas = table[9];
    EXPECT_EQ(nas.device, "0:40");
    EXPECT_EQ(nas.mountPoint, "/mnt/nas");
    EXPECT_EQ(nas.fsType, "nfs4");
    EXPECT_EQ(nas.source, "nas:/export");
    EXPECT_EQ(table[7].root, "/alice/src");
    EXPECT_EQ(table[10].mountPoint, "/run/media/alice/My Stick");
}

TEST(MountTable, SkipsMalformedLines) {
    const auto table =
        parseMountInfo("garbage\n\n1 2 3:4 / /x rw\n27 1 8:2 / / rw - ext4 /dev/sda2 rw");
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].mountPoint, "/");
}

TEST(MountTable, DecodesOnlyWellFormedEscapes) {
    EXPECT_EQ(decodeOctalEscapes("a\\040b\\011c\\134d\\012"), "a b\tc\\d\n");
    EXPECT_EQ(decodeOctalEscapes("\\777 \\08 \\04"), "\\777 \\08 \\04");
    EXPECT_EQ(decodeHexEscapes("My\\x20Disk\\xc3\\xa9"), "My Disk\xc3\xa9");
    EXPECT_EQ(decodeHexEscapes("\\xZZ\\x2"), "\\xZZ\\x2");
    EXPECT_EQ(decodeHexEscapes("\\xff"), "\xff");
}

TEST(DriveLetters, OfferRealVolumesInMountPointOrderAfterRoot) {
    EXPECT_THAT(mountPoints(firstDrives(kDesktop)),
                ElementsAre("c /", "d /home", "e /mnt/cd", "f /mnt/nas", "g /mnt/old",
                            "h /run/media/alice/My Stick", "i /tmp"));
}

TEST(DriveLetters, VisibleMountWinsOverTheOneItHides) {
    const auto drives = firstDrives(kDesktop);
    EXPECT_EQ(drives[4].mount.fsType, "xfs");
}

TEST(DriveLetters, PreferRootAndWholeFileSystemOverBindMounts) {
    const auto drives = firstDrives(
        "1 0 8:3 /sub /a rw - ext4 /dev/sda3 rw\n"
        "2 0 8:3 / /z rw - ext4 /dev/sda3 rw\n"
        "3 0 8:2 / /b rw - ext4 /dev/sda2 rw\n"
        "4 0 8:2 / / rw - ext4 /dev/sda2 rw\n");
    EXPECT_THAT(mountPoints(drives), ElementsAre("c /", "d /z"));
}

TEST(DriveLetters, StopAtZ) {
    std::string text = "1 0 8:0 / / rw - ext4 /dev/sda rw\n";
    for (int i = 0; i < 30; ++i) {
        const std::string n = std::to_string(10 + i);
        text += n + " 1 9:" + n + " / /v" + n + " rw - ext4 /dev/x" + n + " rw\n";
    }
    const auto drives = firstDrives(text);
    ASSERT_EQ(drives.size(), 24u);
    EXPECT_EQ(drives.back().letter, 'z');
    EXPECT_EQ(drives.back().mount.mountPoint, "/v32");
}

TEST(DriveLetters, StayWithTheirMountPointsAndAreNeverGivenTwice) {
    auto volumes = [](std::vector<std::string> points) {
        std::vector<MountEntry> out;
        for (std::string& point : points) {
            out.emplace_back();
            out.back().mountPoint = std::move(point);
        }
        return out;
    };
    DriveLetters letters;
    EXPECT_THAT(mountPoints(letters.assign(volumes({"/", "/b", "/d"}))),
                ElementsAre("c /", "d /b", "e /d"));
    EXPECT_THAT(mountPoints(letters.assign(volumes({"/", "/a", "/d"}))),
                ElementsAre("c /", "e /d", "f /a"));
    EXPECT_THAT(mountPoints(letters.assign(volumes({"/", "/b"}))), ElementsAre("c /", "d /b"));

    // Letters run out at z:; one that was given stays its mount point's.
    std::vector<std::string> many;
    for (int i = 10; i < 40; ++i) many.push_back("/v" + std::to_string(i));
    const auto drives = letters.assign(volumes(many));
    ASSERT_EQ(drives.size(), 20u);
    EXPECT_EQ(drives.back().letter, 'z');
    EXPECT_EQ(drives.back().mount.mountPoint, "/v29");
    EXPECT_THAT(mountPoints(letters.assign(volumes({"/a", "/v99"}))), ElementsAre("f /a"));
}

TEST(DriveVolumes, LeaveOutImagesAndWhatEnginesMountForThemselves) {
    const auto drives = firstDrives(
        "1 0 7:0 / / ro - squashfs /dev/loop0 ro\n"  // a live system's root
        "2 1 7:1 / /mnt/img ro - squashfs /dev/loop1 ro\n"
        "3 1 7:2 / /opt/app ro - erofs /dev/loop2 ro\n"
        "4 1 7:3 / /snap/hello/42 ro - squashfs /dev/loop3 ro\n"
        "5 1 7:4 / /var/lib/snapd/seed/iso ro - iso9660 /dev/loop4 ro\n"
        "6 1 7:5 / /mnt/iso ro - iso9660 /dev/loop5 ro\n"
        "7 1 8:16 / /var/lib/docker rw - xfs /dev/sdb rw\n"
        "8 7 0:60 / /var/lib/docker/overlay2/f00/merged rw - overlay overlay rw\n"
        "9 7 0:61 / /var/lib/docker/containers/f00/mounts/shm rw - tmpfs shm rw\n"
        "10 1 0:62 / /var/snap/lxd/common/ns rw - tmpfs tmpfs rw\n"
        "11 1 0:63 / /tmp/.mount_Tool ro - fuse.squashfuse Tool ro\n");
    EXPECT_THAT(mountPoints(drives), ElementsAre("c /", "d /mnt/iso", "e /var/lib/docker"));
}

TEST(DriveVolumes, OfferEachFolderOfAFileSystemThatNoOtherMountReaches) {
    // Two exports of one server share a device; a bind mount of a folder
    // inside a bound folder is reached through it, and of two mounts of one
    // folder the one mounted first is kept.
    const std::string table =
        "1 0 8:2 / / rw - ext4 /dev/sda2 rw\n"
        "2 1 0:40 /export/a /mnt/a rw - nfs4 nas:/export/a rw\n"
        "3 1 0:40 /export/b /mnt/b rw - nfs4 nas:/export/b rw\n"
        "4 1 8:3 /srv/www /www rw - ext4 /dev/sda3 rw\n"
        "5 1 8:3 /srv/www/img /img rw - ext4 /dev/sda3 rw\n"
        "6 1 8:3 /srv/www /a rw - ext4 /dev/sda3 rw\n";
    EXPECT_THAT(mountPoints(firstDrives(table)),
                ElementsAre("c /", "d /mnt/a", "e /mnt/b", "f /www"));

    // A folder given a letter keeps being offered when the whole file
    // system is mounted later, which takes a letter of its own.
    DriveLetters letters;
    (void)letters.assign(driveVolumes(parseMountInfo(table), foldersBut(), letters));
    const std::string later = table + "6 1 8:3 / /srv rw - ext4 /dev/sda3 rw\n";
    EXPECT_THAT(
        mountPoints(letters.assign(driveVolumes(parseMountInfo(later), foldersBut(), letters))),
        ElementsAre("c /", "d /mnt/a", "e /mnt/b", "f /www", "g /srv"));
}

TEST(DriveVolumes, LeaveOutSingleFilesAndAskOnlyOfLocalMounts) {
    std::vector<std::string> asked;
    const auto drives = firstDrives(kDesktop, [&](const MountEntry& m) {
        asked.push_back(m.mountPoint);
        return m.mountPoint != "/tmp";
    });
    EXPECT_THAT(mountPoints(drives), ElementsAre("c /", "d /home", "e /mnt/cd", "f /mnt/nas",
                                                 "g /mnt/old", "h /run/media/alice/My Stick"));
    EXPECT_THAT(asked, ::testing::UnorderedElementsAre("/build", "/home", "/mnt/cd", "/mnt/old",
                                                       "/run/media/alice/My Stick", "/tmp"));
}

TEST(VolumeType, FollowsTheFileSystemThenTheDeviceThenThePlace) {
    auto type = [](std::string fsType, std::string point, bool removable = false) {
        return volumeType(MountEntry{.device = "8:1",
                                     .root = "/",
                                     .mountPoint = point,
                                     .fsType = fsType,
                                     .source = "/dev/sdb1"},
                          removable);
    };
    EXPECT_EQ(type("iso9660", "/media/cd"), kDriveCdrom);
    EXPECT_EQ(type("udf", "/mnt/dvd"), kDriveCdrom);
    EXPECT_EQ(type("tmpfs", "/tmp"), kDriveRamDisk);
    EXPECT_EQ(type("ramfs", "/ram"), kDriveRamDisk);
    EXPECT_EQ(type("cifs", "/mnt/share"), kDriveRemote);
    EXPECT_EQ(type("fuse.sshfs", "/home/a/remote"), kDriveRemote);
    EXPECT_EQ(type("vfat", "/mnt/stick", true), kDriveRemovable);
    EXPECT_EQ(type("vfat", "/media/stick"), kDriveRemovable);
    EXPECT_EQ(type("vfat", "/run/media/a/stick"), kDriveRemovable);
    EXPECT_EQ(type("ext4", "/mediaserver"), kDriveFixed);
    EXPECT_EQ(type("ext4", "/"), kDriveFixed);
}

TEST(DrivePath, GivesTheDriveFormOfAPathOnAnOfferedVolume) {
    const auto table = parseMountInfo(kDesktop);
    const auto drives = firstDrives(kDesktop);
    EXPECT_EQ(drivePathOf("/", table, drives), "c:\\");
    EXPECT_EQ(drivePathOf("/etc/x", table, drives), "c:\\etc\\x");
    EXPECT_EQ(drivePathOf("/home", table, drives), "d:\\");
    EXPECT_EQ(drivePathOf("/homework/a", table, drives), "c:\\homework\\a");
    EXPECT_EQ(drivePathOf("/run/media/alice/My Stick/docs", table, drives), "h:\\docs");
    // Through the bind mount into the folder of /home it shows.
    EXPECT_EQ(drivePathOf("/build/lib", table, drives), "d:\\alice\\src\\lib");
    EXPECT_EQ(drivePathOf("/proc/self", table, drives), "/proc/self");
}

}  // namespace
}  // namespace quarvo
