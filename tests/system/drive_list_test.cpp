#include "system/drive_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/fake_volume_api.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using testing::FakeDrive;
using testing::FakeVolumeApi;

FakeDrive fixed(std::optional<std::string> label) {
    return FakeDrive{.type = kDriveFixed, .label = std::move(label)};
}

FakeDrive emptyCdrom() {
    return FakeDrive{.type = kDriveCdrom, .ready = false};
}

FakeDrive remote(std::optional<std::string> network, std::optional<std::string> label) {
    return FakeDrive{
        .type = kDriveRemote, .label = std::move(label), .network = std::move(network)};
}

std::vector<std::string> pickList(FakeVolumeApi& api, bool dropUnlabelledCdrom) {
    StringSelectionList list;
    buildDriveList(api, list, dropUnlabelledCdrom);
    return list.entries();
}

TEST(DriveTypeText, NamesTypesTwoToSixOnly) {
    EXPECT_EQ(driveTypeText(2), "(Removable disk)");
    EXPECT_EQ(driveTypeText(3), "(Fixed disk)");
    EXPECT_EQ(driveTypeText(4), "(Remote disk)");
    EXPECT_EQ(driveTypeText(5), "(CD-ROM)");
    EXPECT_EQ(driveTypeText(6), "(RAM-Disk)");
    EXPECT_EQ(driveTypeText(0), "");
    EXPECT_EQ(driveTypeText(1), "");
    EXPECT_EQ(driveTypeText(7), "");
}

TEST(DriveSource, FormsEachTypesEntryInLetterOrder) {
    FakeVolumeApi api;
    api.current = "D:\\work";
    api.add('z', remote("\\\\Server\\Share", "ignored"));
    api.add('y', remote(std::nullopt, "Backup"));
    api.add('f', FakeDrive{.type = kDriveRemovable, .label = "STICK"});
    api.add('e', emptyCdrom());
    api.add('d', fixed(std::nullopt));
    api.add('c', fixed("SYSTEM"));
    api.add('g', FakeDrive{.type = kDriveRamDisk, .label = "Ram"});
    api.add('h', FakeDrive{.type = kDriveUnknown});
    api.add('i', FakeDrive{.type = kDriveNoRootDir});
    api.add('j', FakeDrive{.type = 9});
    const DriveSource source = driveSource(api);
    EXPECT_THAT(source.entries, ElementsAre("c: [system]", "d: []", "e: []", "f:", "g: [ram]",
                                            "y: [backup]", "z: \\\\server\\share"));
    EXPECT_EQ(source.current, "d: []");
}

TEST(DriveSource, ReadsLabelsWithCriticalErrorsOffAndRestoresTheMode) {
    FakeVolumeApi api;
    api.errorMode = 4;
    api.add('c', fixed("SYSTEM"));
    api.add('e', emptyCdrom());
    (void)driveSource(api);
    EXPECT_EQ(api.errorModeChanges, 4);
    EXPECT_EQ(api.errorMode, 4u);
}

TEST(DriveSource, LowerCasesAsciiLettersOnlyAndKeepsOtherBytes) {
    FakeVolumeApi api;
    api.add('c', fixed("Ünïcode ДИСК"));
    api.add('d', fixed(std::string("RAW\xff\xfe", 5)));
    EXPECT_THAT(driveSource(api).entries,
                ElementsAre("c: [Ünïcode ДИСК]", std::string("d: [raw\xff\xfe]", 10)));
}

TEST(DriveSource, HasNoCurrentEntryForANetworkPath) {
    FakeVolumeApi api;
    api.current = "\\\\server\\share\\dir";
    api.add('c', fixed("SYSTEM"));
    EXPECT_FALSE(driveSource(api).current.has_value());
}

TEST(BuildDriveList, ShowsTypeTextForUnlabelledDrivesAndNeverOffersFloppies) {
    FakeVolumeApi api;
    api.add('a', FakeDrive{.type = kDriveRemovable});
    api.add('b', fixed("DISK"));
    api.add('c', fixed("SYSTEM"));
    api.add('d', fixed(std::nullopt));
    api.add('f', FakeDrive{.type = kDriveRemovable});
    api.add('y', remote(std::nullopt, std::nullopt));
    EXPECT_THAT(pickList(api, true),
                ElementsAre("c: [system]", "d: (Fixed disk)", "f:", "y: (Remote disk)"));
}

TEST(BuildDriveList, DropsOnlyEmptyCdromDrivesWhenAsked) {
    FakeVolumeApi api;
    api.add('c', fixed("SYSTEM"));
    api.add('e', emptyCdrom());
    EXPECT_THAT(pickList(api, false), ElementsAre("c: [system]", "e: (CD-ROM)"));
    EXPECT_THAT(pickList(api, true), ElementsAre("c: [system]"));

    api.add('e', FakeDrive{.type = kDriveCdrom, .label = "MUSIC"});
    EXPECT_THAT(pickList(api, false), ElementsAre("c: [system]", "e: [music]"));
    EXPECT_THAT(pickList(api, true), ElementsAre("c: [system]", "e: [music]"));
}

// The type is asked again when the list is built; a type without text leaves
// the letter, the colon and one blank.
class TypeChangingApi : public FakeVolumeApi {
public:
    unsigned driveType(const std::string& root) override {
        return ++asked_ > 1 ? 7u : FakeVolumeApi::driveType(root);
    }

private:
    int asked_ = 0;
};

TEST(BuildDriveList, TypeWithoutTextAfterAnEmptyLabelLeavesATrailingBlank) {
    TypeChangingApi api;
    api.add('d', fixed(std::nullopt));
    EXPECT_THAT(pickList(api, true), ElementsAre("d: "));
}

TEST(BuildDriveList, KeepsLabelsThatMerelyContainEmptyBrackets) {
    FakeVolumeApi api;
    api.add('c', fixed("a[]b"));
    api.add('z', remote("\\\\srv\\[]", std::nullopt));
    EXPECT_THAT(pickList(api, true), ElementsAre("c: [a[]b]", "z: \\\\srv\\[]"));
}

TEST(BuildDriveList, PreselectsALabelledCurrentDriveAloneElseEveryDrive) {
    FakeVolumeApi api;
    api.current = "c:\\windows";
    api.add('c', fixed("SYSTEM"));
    api.add('d', fixed(std::nullopt));
    StringSelectionList list;
    buildDriveList(api, list, true);
    EXPECT_THAT(list.selectedEntries(), ElementsAre("c: [system]"));

    api.current = "D:\\";
    buildDriveList(api, list, true);
    EXPECT_THAT(list.selectedEntries(), ElementsAre("c: [system]", "d: (Fixed disk)"));

    api.current = "\\\\server\\share";
    buildDriveList(api, list, true);
    EXPECT_EQ(list.selectedEntries().size(), 2u);
}

TEST(BuildDriveList, ClearsWhatTheTargetHeld) {
    FakeVolumeApi api;
    api.current = "e:\\";
    api.add('c', fixed("ZZZ"));
    api.add('e', fixed("AAA"));
    StringSelectionList list;
    list.add("old entry");
    buildDriveList(api, list, true);
    EXPECT_THAT(list.entries(), ElementsAre("c: [zzz]", "e: [aaa]"));
    EXPECT_THAT(list.selectedEntries(), ElementsAre("e: [aaa]"));
}

}  // namespace
}  // namespace quarvo
