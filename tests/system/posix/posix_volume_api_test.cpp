#include "system/posix/posix_volume_api.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "system/drive_list.h"
#include "system/drive_space.h"
#include "system/posix/timed_stats.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;

constexpr const char* kTable =
    "22 1 0:21 / /proc rw - proc proc rw\n"
    "27 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
    "28 27 8:3 / /home rw - ext4 /dev/sda3 rw\n"
    "31 27 0:40 / /mnt/nas rw - nfs4 nas:/Export rw\n"
    "32 27 8:17 / /mnt/stick rw - vfat /dev/sdb1 rw\n";

const VolumeStats kFourKiB{
    .fragmentSize = 4096, .blocks = 1000, .freeBlocks = 300, .availableBlocks = 250};

// The sample machine: /home has a label, the stick says it is removable, the
// network volume never answers.
struct SampleMachine {
    std::map<std::string, int> asked;  // stats queries by folder
    std::string cwd = "/home/alice";

    PosixVolumeSources sources() {
        return {
            .mountTable = [] { return std::string(kTable); },
            .deviceFacts =
                [](const MountEntry& m) {
                    if (m.mountPoint == "/home") return DeviceFacts{.label = "Home Ümlaut"};
                    return DeviceFacts{.label = std::nullopt, .removable = m.device == "8:17"};
                },
            .stats =
                [this](const std::string& folder, bool remote) {
                    ++asked[folder];
                    if (remote) return StatsAnswer{.stats = std::nullopt, .timedOut = true};
                    if (folder == "/mnt/stick") return StatsAnswer{};
                    return StatsAnswer{.stats = kFourKiB};
                },
            .workingDirectory = [this] { return cwd; },
        };
    }
};

TEST(PosixVolumeApi, ListsTheMountedVolumesAsDrives) {
    SampleMachine machine;
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
    EXPECT_EQ(machine.asked.size(), 0u);  // listing touches no volume
}

TEST(PosixVolumeApi, ADeadNetworkVolumeCostsItsTimeOutOnce) {
    SampleMachine machine;
    PosixVolumeApi api(machine.sources());
    (void)api.logicalDrives();
    EXPECT_FALSE(driveReady(api, 'e'));
    EXPECT_FALSE(driveReady(api, 'e'));
    (void)api.logicalDrives();  // the wizard lists the drives again
    EXPECT_FALSE(driveReady(api, 'e'));
    EXPECT_EQ(driveSpace(api, "e:\\").totalBytes, 0.0);
    EXPECT_EQ(machine.asked["/mnt/nas"], 1);

    // A local failure is not a time-out: it is asked again.
    EXPECT_FALSE(driveReady(api, 'f'));
    EXPECT_FALSE(driveReady(api, 'f'));
    EXPECT_EQ(machine.asked["/mnt/stick"], 2);
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
