#include "system/win32/win32_volume_api.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "system/drive_list.h"
#include "system/drive_space.h"

namespace quarvo {
namespace {

using ::testing::Contains;
using ::testing::StartsWith;

constexpr std::uint32_t bit(char letter) {
    return 1u << (letter - 'A');
}

// Every Windows system has C:; Wine also offers its Z: for the Unix root.
TEST(Win32VolumeApi, ListsDriveCAsAFixedDiskWithALabel) {
    Win32VolumeApi api;
    EXPECT_NE(api.logicalDrives() & bit('C'), 0u);
    EXPECT_EQ(api.driveType("c:\\"), kDriveFixed);
    EXPECT_EQ(api.driveType("C:\\"), kDriveFixed);
    EXPECT_TRUE(api.volumeLabel("c:\\").has_value());
    EXPECT_FALSE(api.networkName("C:").has_value());

    const DriveSource source = driveSource(api);
    EXPECT_THAT(source.entries, Contains(StartsWith("c: [")));
    ASSERT_TRUE(source.current.has_value());
    EXPECT_EQ((*source.current)[1], ':');
}

TEST(Win32VolumeApi, AnswersForMissingDrivesWithoutAsking) {
    Win32VolumeApi api;
    char missing = 0;
    for (char letter = 'Z'; letter > 'C' && !missing; --letter) {
        if ((api.logicalDrives() & bit(letter)) == 0) missing = letter;
    }
    ASSERT_NE(missing, 0);
    const std::string root = std::string(1, missing) + ":\\";
    EXPECT_EQ(api.driveType(root), kDriveNoRootDir);
    EXPECT_FALSE(api.volumeLabel(root).has_value());
    EXPECT_FALSE(driveReady(api, missing));
    EXPECT_EQ(api.rootFolder(root), "");
    EXPECT_EQ(api.rootFolder("c:\\"), "C:\\");
    EXPECT_EQ(api.rootFolder("1:\\"), "");
}

TEST(Win32VolumeApi, ErrorModeComesBackAsItWas) {
    Win32VolumeApi api;
    const unsigned before = api.setErrorMode(kFailCriticalErrors);
    EXPECT_EQ(api.setErrorMode(before) & kFailCriticalErrors, kFailCriticalErrors);
}

// The 64-bit query and the cluster counts describe the same volume; the
// cluster counts may be capped, so only the cluster size must agree.
TEST(Win32VolumeApi, SpaceOfDriveCFromTheLargeAndTheOldQuery) {
    Win32VolumeApi api;
    ASSERT_TRUE(api.hasDiskFreeSpaceEx());
    ASSERT_TRUE(driveReady(api, 'c'));
    const std::optional<DiskSpace> space = api.diskFreeSpaceEx("c:\\");
    ASSERT_TRUE(space.has_value());
    EXPECT_GT(space->totalBytes, 0u);
    EXPECT_LE(space->totalFreeBytes, space->totalBytes);
    EXPECT_LE(space->freeBytesAvailable, space->totalFreeBytes);

    const std::optional<DiskGeometry> geometry = api.diskFreeSpace("c:\\");
    ASSERT_TRUE(geometry.has_value());
    const std::uint64_t cluster =
        std::uint64_t{geometry->sectorsPerCluster} * geometry->bytesPerSector;
    ASSERT_GT(cluster, 0u);
    EXPECT_EQ(space->totalBytes % cluster, 0u);

    const DriveSize size = driveSpace(api, "c:\\");
    EXPECT_EQ(size.totalBytes, static_cast<double>(space->totalBytes));
    EXPECT_FALSE(api.diskFreeSpaceEx("c:\\no such folder\\").has_value());
}

TEST(Win32VolumeApi, CurrentDirectoryIsInTheDriveForm) {
    Win32VolumeApi api;
    const std::string current = api.currentDirectory();
    ASSERT_GE(current.size(), 3u);
    EXPECT_EQ(current.substr(1, 2), ":\\");
}

}  // namespace
}  // namespace quarvo
