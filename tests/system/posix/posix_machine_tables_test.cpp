// The drives that the POSIX back end offers on the mount tables of real
// machines: a btrfs desktop with subvolumes, a desktop with snaps, a
// workstation with network shares and a container.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "system/drive_list.h"
#include "system/drive_space.h"
#include "system/posix/posix_volume_api.h"
#include "tests/fakes/sample_posix_machine.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using testing::SamplePosixMachine;

std::vector<std::string> pickList(VolumeApi& api, bool dropUnlabelledCdrom = false) {
    StringSelectionList list;
    buildDriveList(api, list, dropUnlabelledCdrom);
    return list.entries();
}

// Each drive's letter and type code, as "c3 d2 ...".
std::string typeCodes(VolumeApi& api) {
    std::string out;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        if ((api.logicalDrives() & (1u << (letter - 'a'))) == 0) continue;
        if (!out.empty()) out += ' ';
        out += letter + std::to_string(api.driveType(driveRoot(letter)));
    }
    return out;
}

TEST(MachineTables, BtrfsSubvolumesAreDrivesOfTheirOwn) {
    SamplePosixMachine machine;
    machine.table =
        "22 1 0:21 / /proc rw,nosuid,nodev,noexec,relatime shared:5 - proc proc rw\n"
        "23 1 0:22 / /sys rw,nosuid,nodev,noexec,relatime shared:6 - sysfs sysfs rw,seclabel\n"
        "24 1 0:5 / /dev rw,nosuid shared:2 - devtmpfs devtmpfs rw,seclabel,size=4096k,mode=755\n"
        "28 1 0:25 / /run rw,nosuid,nodev shared:25 - tmpfs tmpfs rw,seclabel,mode=755\n"
        "1 0 0:31 /root / rw,relatime shared:1 - btrfs /dev/nvme0n1p3 "
        "rw,seclabel,compress=zstd:1,ssd,space_cache=v2,subvolid=257,subvol=/root\n"
        "60 1 0:31 /home /home rw,relatime shared:31 - btrfs /dev/nvme0n1p3 "
        "rw,seclabel,compress=zstd:1,ssd,space_cache=v2,subvolid=256,subvol=/home\n"
        "61 1 0:31 /root/.snapshots /.snapshots rw,relatime shared:32 - btrfs /dev/nvme0n1p3 "
        "rw,seclabel,ssd,space_cache=v2,subvolid=260,subvol=/root/.snapshots\n"
        "62 1 259:2 / /boot rw,relatime shared:33 - ext4 /dev/nvme0n1p2 rw,seclabel\n"
        "64 62 259:1 / /boot/efi rw,relatime shared:35 - vfat /dev/nvme0n1p1 "
        "rw,fmask=0077,dmask=0077,codepage=437,iocharset=ascii,shortname=winnt\n"
        "66 1 0:35 / /tmp rw,nosuid,nodev shared:37 - tmpfs tmpfs rw,seclabel,inode64\n"
        "70 1 0:31 / /mnt/pool rw,relatime shared:40 - btrfs /dev/nvme0n1p3 "
        "rw,seclabel,ssd,space_cache=v2,subvolid=5,subvol=/\n"
        "71 1 0:31 /home/alice/projects /srv/projects rw,relatime shared:31 - btrfs "
        "/dev/nvme0n1p3 rw,seclabel,ssd,space_cache=v2,subvolid=256,subvol=/home\n";
    machine.labels = {{"0:31", "fedora"}, {"259:2", "BOOT"}};
    machine.cwd = "/srv/projects/quarvo";
    PosixVolumeApi api(machine.sources());
    // The file system's label names only the mount of all of it.
    EXPECT_THAT(pickList(api, true),
                ElementsAre("c: [/]", "d: [/.snapshots]", "e: [boot]", "f: [/boot/efi]",
                            "g: [/home]", "h: [fedora]", "i: [/tmp]"));
    EXPECT_EQ(typeCodes(api), "c3 d3 e3 f3 g3 h3 i6");
    // The bound folder of home is reached through home's letter.
    EXPECT_EQ(api.currentDirectory(), "g:\\alice\\projects\\quarvo");
}

TEST(MachineTables, SnapsTakeNoLetters) {
    SamplePosixMachine machine;
    machine.table =
        "24 29 0:22 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw\n"
        "25 29 0:23 / /proc rw,nosuid,nodev,noexec,relatime shared:13 - proc proc rw\n"
        "26 29 0:5 / /dev rw,nosuid,relatime shared:2 - devtmpfs udev rw,mode=755,inode64\n"
        "28 29 0:25 / /run rw,nosuid,nodev,noexec,relatime shared:5 - tmpfs tmpfs rw,mode=755\n"
        "29 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw,errors=remount-ro\n";
    std::istringstream snaps(
        "bare/5 core20/2015 core20/2105 core22/864 core22/1033 firefox/3358 firefox/3504 "
        "gnome-3-38-2004/143 gnome-42-2204/141 gnome-42-2204/176 gtk-common-themes/1535 "
        "snap-store/959 snapd/20290 snapd/20671 snapd-desktop-integration/83 "
        "snapd-desktop-integration/157 thunderbird/434 code/148 lxd/24322 cups/980");
    int loop = 0;
    for (std::string snap; snaps >> snap; ++loop) {
        const std::string n = std::to_string(loop);
        machine.table += std::to_string(50 + loop) + " 29 7:" + n + " / /snap/" + snap +
                         " ro,nodev,relatime shared:27 - squashfs /dev/loop" + n +
                         " ro,errors=continue,threads=single\n";
    }
    ASSERT_EQ(loop, 20);
    machine.table +=
        "87 29 259:1 / /boot/efi rw,relatime shared:40 - vfat /dev/nvme0n1p1 rw,fmask=0077\n"
        "90 28 0:50 / /run/user/1000 rw,nosuid,nodev,relatime shared:451 - tmpfs tmpfs "
        "rw,mode=700,uid=1000,gid=1000\n"
        "92 90 0:52 / /run/user/1000/gvfs rw,nosuid,nodev,relatime shared:489 - "
        "fuse.gvfsd-fuse gvfsd-fuse rw,user_id=1000,group_id=1000\n"
        "93 28 0:4 mnt:[4026532523] /run/snapd/ns/lxd.mnt rw - nsfs nsfs rw\n"
        "94 29 0:53 / /var/snap/lxd/common/ns rw,relatime - tmpfs tmpfs rw,size=1024k,mode=700\n"
        "98 29 7:20 / /var/lib/snapd/seed/iso ro,relatime - iso9660 /dev/loop20 ro,nojoliet\n"
        "99 29 7:21 / /mnt/iso ro,relatime - iso9660 /dev/loop21 ro,nojoliet,check=s,map=n\n"
        "96 29 8:1 / /srv/data rw,relatime shared:500 - ext4 /dev/sda1 rw\n"
        "97 29 8:17 / /media/alice/STICK rw,nosuid,nodev,relatime shared:510 - vfat "
        "/dev/sdb1 rw,uid=1000,gid=1000,fmask=0022,dmask=0022,codepage=437\n";
    machine.labels = {{"7:21", "Ubuntu 22.04.3 LTS amd64"}, {"8:1", "data"}, {"8:17", "STICK"}};
    machine.removableDevices = {"8:17"};
    PosixVolumeApi api(machine.sources());
    EXPECT_THAT(pickList(api), ElementsAre("c: [/]", "d: [/boot/efi]",
                                           "e:", "f: [ubuntu 22.04.3 lts amd64]", "g: [data]"));
    EXPECT_EQ(typeCodes(api), "c3 d3 e2 f5 g3");
}

TEST(MachineTables, NetworkSharesAreListedWithoutBeingTouched) {
    SamplePosixMachine machine;
    machine.table =
        "21 26 0:20 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw\n"
        "22 26 0:21 / /proc rw,nosuid,nodev,noexec,relatime shared:12 - proc proc rw\n"
        "26 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw,errors=remount-ro\n"
        "27 26 8:3 / /home rw,relatime shared:2 - ext4 /dev/sda3 rw\n"
        "40 26 0:39 / /net rw,relatime shared:20 - autofs /etc/auto.net "
        "rw,fd=7,pgrp=1201,timeout=300,minproto=5,maxproto=5,indirect\n"
        "41 40 0:52 / /net/build/srv rw,nosuid,nodev,relatime shared:44 - nfs build:/srv "
        "rw,vers=3,rsize=1048576,wsize=1048576,hard,proto=tcp,addr=10.0.0.7\n"
        "42 26 0:45 / /mnt/nas rw,relatime shared:30 - nfs4 nas.local:/export/media "
        "rw,vers=4.2,rsize=1048576,hard,proto=tcp,clientaddr=10.0.0.2,addr=10.0.0.5\n"
        "43 26 0:45 / /srv/media rw,relatime shared:30 - nfs4 nas.local:/export/media "
        "rw,vers=4.2,rsize=1048576,hard,proto=tcp,clientaddr=10.0.0.2,addr=10.0.0.5\n"
        "44 26 0:47 / /mnt/Public rw,relatime shared:32 - cifs //FileServer/Public "
        "rw,vers=3.1.1,cache=strict,username=alice,uid=1000,noforceuid,addr=10.0.0.6\n"
        "45 27 0:48 / /home/alice/remote rw,nosuid,nodev,relatime shared:33 - fuse.sshfs "
        "alice@build.example.org:/srv rw,user_id=1000,group_id=1000\n";
    machine.labels = {{"8:1", "debian"}};
    machine.hung = {"/net/build/srv"};
    machine.cwd = "/srv/media/films";
    PosixVolumeApi api(machine.sources());
    EXPECT_THAT(
        pickList(api),
        ElementsAre("c: [debian]", "d: [/home]", "e: alice@build.example.org:/srv",
                    "f: //fileserver/public", "g: nas.local:/export/media", "h: build:/srv"));
    EXPECT_EQ(typeCodes(api), "c3 d3 e4 f4 g4 h4");
    EXPECT_EQ(api.currentDirectory(), "g:\\films");
    EXPECT_TRUE(machine.sizeQueries.empty());
    EXPECT_THAT(machine.folderQueries, ElementsAre(::testing::Key("/home")));
    EXPECT_EQ(machine.deviceQueries, 2);

    EXPECT_TRUE(driveReady(api, 'g'));
    EXPECT_FALSE(driveReady(api, 'h'));
}

TEST(MachineTables, AContainerOffersItsRootAndTheFoldersGivenToIt) {
    SamplePosixMachine machine;
    machine.table =
        "600 500 0:50 / / rw,relatime master:300 - overlay overlay "
        "rw,lowerdir=/var/lib/docker/overlay2/l/AB:/var/lib/docker/overlay2/l/CD,"
        "upperdir=/var/lib/docker/overlay2/3f2a/diff,workdir=/var/lib/docker/overlay2/3f2a/work\n"
        "601 600 0:53 / /proc rw,nosuid,nodev,noexec,relatime - proc proc rw\n"
        "602 600 0:54 / /dev rw,nosuid - tmpfs tmpfs rw,size=65536k,mode=755,inode64\n"
        "603 602 0:55 / /dev/pts rw,nosuid,noexec,relatime - devpts devpts rw,gid=5,mode=620\n"
        "604 600 0:56 / /sys ro,nosuid,nodev,noexec,relatime - sysfs sysfs ro\n"
        "605 604 0:30 / /sys/fs/cgroup ro,nosuid,nodev,noexec,relatime - cgroup2 cgroup rw\n"
        "607 602 0:57 / /dev/shm rw,nosuid,nodev,noexec,relatime - tmpfs shm rw,size=65536k\n"
        "608 600 254:1 /var/lib/docker/containers/3f2a/resolv.conf /etc/resolv.conf "
        "rw,relatime - ext4 /dev/vda1 rw,discard\n"
        "609 600 254:1 /var/lib/docker/containers/3f2a/hostname /etc/hostname "
        "rw,relatime - ext4 /dev/vda1 rw,discard\n"
        "610 600 254:1 /var/lib/docker/containers/3f2a/hosts /etc/hosts "
        "rw,relatime - ext4 /dev/vda1 rw,discard\n"
        "611 600 254:1 /home/alice/project /workspace rw,relatime - ext4 /dev/vda1 rw,discard\n"
        "612 600 254:1 /var/lib/docker/volumes/pgdata/_data /var/lib/postgresql/data "
        "rw,relatime - ext4 /dev/vda1 rw,discard\n"
        "613 611 254:1 /home/alice/project/build /workspace/build rw,relatime - ext4 "
        "/dev/vda1 rw,discard\n"
        "614 600 0:58 / /cache rw,relatime - tmpfs tmpfs rw,inode64\n"
        "615 601 0:54 /null /proc/kcore rw,nosuid - tmpfs tmpfs rw,size=65536k,mode=755\n"
        "616 604 0:59 / /sys/firmware ro,relatime - tmpfs tmpfs ro\n";
    machine.labels = {{"254:1", "cloudimg-rootfs"}};
    machine.files = {"/etc/resolv.conf", "/etc/hostname", "/etc/hosts"};
    machine.cwd = "/workspace/build/obj";
    PosixVolumeApi api(machine.sources());
    EXPECT_THAT(pickList(api), ElementsAre("c: [/]", "d: [/cache]", "e: [/var/lib/postgresql/data]",
                                           "f: [/workspace]"));
    EXPECT_EQ(typeCodes(api), "c3 d6 e3 f3");
    EXPECT_EQ(api.currentDirectory(), "f:\\build\\obj");
    EXPECT_EQ(api.rootFolder("f:\\"), "/workspace");
}

}  // namespace
}  // namespace quarvo
