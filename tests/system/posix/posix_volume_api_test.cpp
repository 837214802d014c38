#include "system/posix/posix_volume_api.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "system/drive_list.h"
#include "system/drive_space.h"
#include "system/posix/timed_stats.h"
#include "tests/fakes/sample_posix_machine.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using testing::SamplePosixMachine;

constexpr const char* kTable =
    "22 1 0:21 / /proc rw - proc proc rw\n"
    "27 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
    "28 27 8:3 / /home rw - ext4 /dev/sda3 rw\n"
    "31 27 0:40 / /mnt/nas rw - nfs4 nas:/Export rw\n"
    "32 27 8:17 / /mnt/stick rw - vfat /dev/sdb1 rw\n";

const VolumeStats kFourKiB = SamplePosixMachine::kStats;

// /home has a label, the stick says it is removable, the network volume
// never answers and the stick's size query fails.
SamplePosixMachine sampleMachine() {
    SamplePosixMachine machine;
    machine.table = kTable;
    machine.labels["8:3"] = "Home Ümlaut";
    machine.removableDevices.insert("8:17");
    machine.hung.insert("/mnt/nas");
    machine.failing.insert("/mnt/stick");
    machine.cwd = "/home/alice";
    return machine;
}

std::vector<std::string> pickList(VolumeApi& api) {
    StringSelectionList list;
    buildDriveList(api, list, false);
    return list.entries();
}

TEST(PosixVolumeApi, ListsTheMountedVolumesAsDrives) {
    SamplePosixMachine machine = sampleMachine();
    PosixVolumeApi api(machine.sources());
    StringSelectionList list;
    buildDriveList(api, list, true);
    EXPECT_THAT(list.entries(), ElementsAre("c: [/]", "d: [home Ümlaut]", "e: nas:/export", "f:"));
    EXPECT_THAT(list.selectedEntries(), ElementsAre("d: [home Ümlaut]"));
    EXPECT_EQ(api.currentDirectory(), "d:\\alice");
    EXPECT_EQ(api.rootFolder("d:\\"), "/home");
    EXPECT_EQ(api.rootFolder("E:\\"), "/mnt/nas");
    EXPECT_EQ(api.rootFolder("q:\\"), "");
    EXPECT_EQ(api.driveType("q:\\"), kDriveNoRootDir);
    EXPECT_EQ(api.networkName("C:"), std::nullopt);
    EXPECT_TRUE(machine.sizeQueries.empty());  // listing touches no volume
    EXPECT_FALSE(machine.folderQueries.contains("/mnt/nas"));
    // Each device is asked once, not at every look-up.
    EXPECT_EQ(machine.deviceQueries, 3);
}

TEST(PosixVolumeApi, ADeadNetworkVolumeCostsItsTimeOutOnlyOnceInAWhile) {
    SamplePosixMachine machine = sampleMachine();
    PosixVolumeApi api(machine.sources());
    EXPECT_FALSE(driveReady(api, 'e'));
    machine.clock += std::chrono::seconds(10);
    EXPECT_FALSE(driveReady(api, 'e'));
    EXPECT_EQ(pickList(api).size(), 4u);  // the wizard lists the drives again
    EXPECT_FALSE(driveReady(api, 'e'));
    EXPECT_EQ(driveSpace(api, "e:\\").totalBytes, 0.0);
    EXPECT_EQ(machine.sizeQueries["/mnt/nas"], 1);

    // After a while it is asked again; still dead, it waits another while.
    machine.clock += PosixVolumeApi::kAskAgainAfter;
    EXPECT_FALSE(driveReady(api, 'e'));
    EXPECT_FALSE(driveReady(api, 'e'));
    EXPECT_EQ(machine.sizeQueries["/mnt/nas"], 2);

    // The server is back: the next look after the while finds it, and from
    // then on every look asks.
    machine.hung.clear();
    machine.clock += PosixVolumeApi::kAskAgainAfter - std::chrono::seconds(1);
    EXPECT_FALSE(driveReady(api, 'e'));
    machine.clock += std::chrono::seconds(1);
    EXPECT_TRUE(driveReady(api, 'e'));
    EXPECT_GT(driveSpace(api, "e:\\").totalBytes, 0.0);
    EXPECT_EQ(machine.sizeQueries["/mnt/nas"], 4);

    // A local failure is not a time-out: it is asked again at once.
    EXPECT_FALSE(driveReady(api, 'f'));
    EXPECT_FALSE(driveReady(api, 'f'));
    EXPECT_EQ(machine.sizeQueries["/mnt/stick"], 2);
}

TEST(PosixVolumeApi, LettersStayWithTheirMountPointsWhileVolumesComeAndGo) {
    SamplePosixMachine machine = sampleMachine();
    PosixVolumeApi api(machine.sources());
    const std::vector<std::string> atStart = pickList(api);

    // /mnt/stick goes, /a and /mnt/x come: they sort before the others but
    // take the next letters never given out.
    machine.table =
        "27 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
        "28 27 8:3 / /home rw - ext4 /dev/sda3 rw\n"
        "31 27 0:40 / /mnt/nas rw - nfs4 nas:/Export rw\n"
        "40 27 8:33 / /a rw - ext4 /dev/sdc1 rw\n"
        "41 27 0:50 / /mnt/x rw - tmpfs tmpfs rw\n";
    EXPECT_THAT(pickList(api), ElementsAre("c: [/]", "d: [home Ümlaut]", "e: nas:/export",
                                           "g: [/a]", "h: [/mnt/x]"));
    // The stick's letter answers nothing from what is now under /mnt/stick.
    EXPECT_EQ(api.logicalDrives() & (1u << 5), 0u);
    EXPECT_FALSE(driveReady(api, 'f'));
    EXPECT_EQ(driveSpace(api, "f:\\").totalBytes, 0.0);
    EXPECT_EQ(api.driveType("f:\\"), kDriveNoRootDir);
    EXPECT_EQ(api.rootFolder("f:\\"), "");
    EXPECT_EQ(machine.sizeQueries["/mnt/stick"], 0);

    // Another disk at /home answers as itself; the stick comes back as f:.
    machine.table = kTable;
    machine.table += "50 28 8:49 / /home rw - xfs /dev/sdd1 rw\n";
    EXPECT_EQ(pickList(api),
              (std::vector<std::string>{"c: [/]", "d: [/home]", "e: nas:/export", "f:"}));
    EXPECT_EQ(api.volumeLabel("d:\\"), "/home");
    EXPECT_EQ(atStart.back(), "f:");
}

TEST(PosixVolumeApi, ReportsStatvfsFiguresAsTheVolumeServicesDo) {
    const DiskGeometry g = geometryOf(kFourKiB);
    EXPECT_EQ(g.sectorsPerCluster, 8u);
    EXPECT_EQ(g.bytesPerSector, 512u);
    EXPECT_EQ(g.freeClusters, 300u);
    EXPECT_EQ(g.totalClusters, 1000u);
    const DiskSpace s = spaceOf(kFourKiB);
    EXPECT_EQ(s.totalBytes, 4096000u);
    EXPECT_EQ(s.totalFreeBytes, 1228800u);
    EXPECT_EQ(s.freeBytesAvailable, 1024000u);

    const VolumeStats odd{
        .fragmentSize = 100, .blocks = 1ull << 40, .freeBlocks = 5, .availableBlocks = 5};
    const DiskGeometry h = geometryOf(odd);
    EXPECT_EQ(h.sectorsPerCluster * h.bytesPerSector, 100u);
    EXPECT_EQ(h.totalClusters, 0xffffffffu);
    EXPECT_EQ(spaceOf(odd).totalBytes, 100ull << 40);
}

TEST(PosixVolumeApiOnThisMachine, RootIsDriveCAndReady) {
    PosixVolumeApi api;
    EXPECT_NE(api.logicalDrives() & (1u << 2), 0u);
    EXPECT_EQ(api.logicalDrives() & 3u, 0u);
    EXPECT_EQ(api.rootFolder("c:\\"), "/");
    EXPECT_TRUE(driveReady(api, 'c'));
    EXPECT_GT(driveSpace(api, "c:\\").totalBytes, 0.0);
    EXPECT_EQ(api.currentDirectory()[1], ':');

    const std::optional<FolderVolume> folder = folderVolume(".");
    ASSERT_TRUE(folder.has_value());
    EXPECT_GT(folder->geometry.totalClusters, 0u);
    EXPECT_GT(folder->space.totalBytes, 0u);
}

TEST(PosixVolumeApiOnThisMachine, TimedQueryAnswersForALiveVolume) {
    const StatsAnswer live = readVolumeStatsWithin("/", 2000);
    EXPECT_FALSE(live.timedOut);
    ASSERT_TRUE(live.stats.has_value());
    EXPECT_GT(live.stats->blocks, 0u);

    const StatsAnswer missing = readVolumeStatsWithin("/no/such/folder", 2000);
    EXPECT_FALSE(missing.timedOut);
    EXPECT_FALSE(missing.stats.has_value());
}

}  // namespace
}  // namespace quarvo
