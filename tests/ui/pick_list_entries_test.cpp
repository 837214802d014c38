#include "forms/pick_list_entries.h"

#include <gtest/gtest.h>

#include "system/drive_list.h"
#include "tests/fakes/fake_volume_api.h"

namespace quarvo {
namespace {

TEST(PickListAsSelectionList, CarriesTheDriveListIntoAPickListWithItsMarks) {
    testing::FakeVolumeApi volumes;
    volumes.add('c', {.label = "SYSTEM"});
    volumes.add('d', {.label = "Données"});
    TPickList list;
    PickListEntries entries(list);
    buildDriveList(volumes, entries, true);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.text(1), QStringLiteral("d: [données]"));
    EXPECT_TRUE(list.selected(0));
    EXPECT_FALSE(list.selected(1));
}

}  // namespace
}  // namespace quarvo
