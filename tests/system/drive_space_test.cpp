#include "system/drive_space.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_volume_api.h"

namespace quarvo {
namespace {

using testing::FakeDrive;
using testing::FakeVolumeApi;

TEST(DriveReady, AnswersAlikeForEitherCaseAndRestoresTheErrorMode) {
    FakeVolumeApi api;
    api.errorMode = 7;
    api.add('c', FakeDrive{});
    api.add('e', FakeDrive{.type = kDriveCdrom, .ready = false});
    EXPECT_TRUE(driveReady(api, 'c'));
    EXPECT_TRUE(driveReady(api, 'C'));
    EXPECT_FALSE(driveReady(api, 'e'));
    EXPECT_FALSE(driveReady(api, 'q'));
    EXPECT_EQ(api.errorMode, 7u);
    EXPECT_EQ(api.errorModeChanges, 8);
}

TEST(DriveReady, RejectsWhatIsNotALetter) {
    FakeVolumeApi api;
    EXPECT_THROW((void)driveReady(api, '1'), InvalidDriveId);
    try {
        (void)driveReady(api, '[');
    } catch (const InvalidDriveId& e) {
        EXPECT_STREQ(e.what(), "Not a valid drive ID");
    }
}

TEST(DriveSpace, ReportsLargeVolumesExactlyThroughThe64BitQuery) {
    FakeVolumeApi api;
    const std::uint64_t gb100 = 100ull << 30;
    api.add('c', FakeDrive{.space = DiskSpace{1, gb100, 40ull << 30}});
    const DriveSize size = driveSpace(api, "c:\\");
    EXPECT_EQ(size.totalBytes, 107374182400.0);
    EXPECT_EQ(size.freeBytes, 42949672960.0);  // all free bytes, not the caller's share
}

TEST(DriveSpace, OlderQueryWrapsProductsAs32BitSigned) {
    FakeVolumeApi api;
    api.hasEx = false;
    // 4096-byte clusters: 1000 free clusters fit, 524288 total clusters make 2 GiB and wrap.
    api.add('c', FakeDrive{.geometry = {8, 512, 1000, 524288}});
    const DriveSize size = driveSpace(api, "c:\\");
    EXPECT_EQ(size.freeBytes, 4096000.0);
    EXPECT_EQ(size.totalBytes, -2147483648.0);
}

TEST(DriveSpace, GivesZeroWhenTheVolumeStoppedAnswering) {
    FakeVolumeApi api;
    api.add('c', FakeDrive{.space = std::nullopt});
    const DriveSize size = driveSpace(api, "c:\\");
    EXPECT_EQ(size.freeBytes, 0.0);
    EXPECT_EQ(size.totalBytes, 0.0);
}

}  // namespace
}  // namespace quarvo
