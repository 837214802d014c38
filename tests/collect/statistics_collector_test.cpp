#include "collect/statistics_collector.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "collect/dos_time.h"
#include "tests/fakes/fake_volume_api.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;

std::int64_t localSeconds(int y, int mo, int d, int h = 0, int mi = 0) {
    return daysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60;
}

std::uint32_t dosAt(int y, int mo, int d, int h = 12, int mi = 0) {
    return encodeDosDateTime(localSeconds(y, mo, d, h, mi));
}

DirEntry file(std::string name, std::int64_t size = 0, std::uint32_t attributes = 0) {
    DirEntry e;
    e.name = std::move(name);
    e.size = size;
    e.attributes = attributes;
    return e;
}

// Today is 15 June 2024, 18:00 local time.
class Collector : public ::testing::Test {
protected:
    StatisticsCollector collector{[] { return localSeconds(2024, 6, 15, 18); }};
    const Tallies& t = collector.tallies();

    void crunch(const DirEntry& e) {
        collector.crunchNumbers("c:\\", e);
        collector.tallies().filesProcessed += 1;
    }
};

TEST_F(Collector, SizeBandsHaveInclusiveUpperBounds) {
    for (std::int64_t size : {0LL, 16384LL, 16385LL, 16777216LL, 16777217LL, 5'000'000'000LL}) {
        crunch(file("f", size));
    }
    EXPECT_EQ(t.sizeBandCount[1], 2);
    EXPECT_EQ(t.sizeBandBytes[1], 16384);
    EXPECT_EQ(t.sizeBandCount[2], 1);
    EXPECT_EQ(t.sizeBandCount[11], 1);
    EXPECT_EQ(t.sizeBandBytes[12], 16777217 + 5'000'000'000LL);
    EXPECT_EQ(t.sizeBandCount[0], 0);
    EXPECT_EQ(StatisticsCollector::sizeBand(-5), 1);
    EXPECT_EQ(StatisticsCollector::sizeBand(4194305), 10);
}

TEST_F(Collector, AgesFallIntoTheirBuckets) {
    const int days[] = {-1, 0, 7, 8, 30, 31, 365, 366, 730, 731, 1460, 1461, 100000};
    const int buckets[] = {0, 1, 1, 2, 2, 3, 5, 6, 6, 7, 8, 9, 9};
    for (std::size_t i = 0; i < std::size(days); ++i) {
        EXPECT_EQ(StatisticsCollector::ageToIndex(days[i]), buckets[i]) << days[i];
    }
    EXPECT_EQ(collector.ageInDays(0), -1);
    EXPECT_EQ(collector.ageInDays(dosAt(2024, 6, 15, 0, 1)), 0);  // same day, hours apart
    EXPECT_EQ(collector.ageInDays(dosAt(2024, 6, 14, 23, 59)), 1);
    EXPECT_EQ(collector.ageInDays(dosAt(2024, 6, 25)), 10);  // in the future
    EXPECT_EQ(collector.ageInDays(dosAt(2020, 6, 15)), 1461);
}

TEST_F(Collector, EachDateKindFillsItsOwnBuckets) {
    DirEntry e = file("a.txt", 100);
    e.lastAccessTime = dosAt(2024, 6, 10);
    e.creationTime = 0;
    e.lastWriteTime = dosAt(2024, 6, 25);
    crunch(e);
    EXPECT_EQ(t.accessedAgeCount[1], 1);
    EXPECT_EQ(t.accessedAgeBytes[1], 100);
    EXPECT_EQ(t.createdAgeCount[0], 1);
    EXPECT_EQ(t.createdAgeBytes[0], 100);
    EXPECT_EQ(t.modifiedAgeCount[2], 1);
    EXPECT_EQ(t.modifiedAgeBytes[2], 100);
}

TEST_F(Collector, HalfHourSlotsLeaveOutTheFirstHalfHour) {
    EXPECT_EQ(StatisticsCollector::halfHourSlot(0), -1);
    EXPECT_EQ(StatisticsCollector::halfHourSlot(dosAt(2024, 1, 1, 0, 10)), 0);
    EXPECT_EQ(StatisticsCollector::halfHourSlot(dosAt(2024, 1, 1, 0, 30)), 1);
    EXPECT_EQ(StatisticsCollector::halfHourSlot(dosAt(2024, 1, 1, 23, 59)), 47);
    DirEntry e = file("a");
    e.creationTime = dosAt(2024, 1, 1, 0, 30);
    e.lastWriteTime = dosAt(2024, 1, 1, 23, 59);
    e.lastAccessTime = dosAt(2024, 1, 1, 0, 10);
    crunch(e);
    e.creationTime = 0;
    e.lastWriteTime = 0x00210000 | (25u << 11);  // hour 25: the 1980 fallback, midnight
    crunch(e);
    EXPECT_EQ(t.createdSlotCount[1], 1);
    EXPECT_EQ(t.modifiedSlotCount[47], 1);
    double total = 0;
    for (const auto* slots : {&t.createdSlotCount, &t.modifiedSlotCount, &t.accessedSlotCount}) {
        for (double n : *slots) total += n;
    }
    EXPECT_EQ(total, 2);
}

// Every selected file has a row: its extension's, or the one of files
// without an extension, so the rows add up to the files found.
TEST_F(Collector, FileTypeKeysComeFromTheLastDot) {
    for (const char* name :
         {"README", "page.html", "a.b.txt", "Main.class", "b.TXT", "app.desktop", "x.properties",
          "y.abcdefghijklmnop", "z.abcdefghijklmnopq", "libc.so.6", "libfoo.SO.1.2.3", "plain.so",
          "libfoo.so.6a", "notes.2024", "so.6", "bad.a\tb", "tab\tbefore.txt"}) {
        crunch(file(name, 10));
    }
    EXPECT_THAT(collector.fileTypeTable().entries(),
                ElementsAre("\t3\t30", ".2024\t1\t10", ".6\t1\t10", ".6A\t1\t10",
                            ".ABCDEFGHIJKLMNOP\t1\t10", ".CLASS\t1\t10", ".DESKTOP\t1\t10",
                            ".HTML\t1\t10", ".PROPERTIES\t1\t10", ".SO\t3\t30", ".TXT\t3\t30"));
    EXPECT_EQ(t.filesSelected, 17);
}

TEST_F(Collector, OverhangOnlyWhenEnabled) {
    collector.clusterSize = 1024;  // a unit that has no row of its own
    crunch(file("a", 1));
    EXPECT_EQ(t.overhang4K + t.overhangActual, 0);
    collector.overhangEnabled = true;
    crunch(file("a", 1));
    crunch(file("b", 4096));
    crunch(file("c", 0));
    crunch(file("d", 1500));
    EXPECT_EQ(t.overhangActual, 1023 + 548);
    collector.clearVariables();
    crunch(file("a", 1));
    crunch(file("b", 4096));
    crunch(file("c", 0));
    EXPECT_EQ(t.overhang4K, 4095);
    EXPECT_EQ(t.overhang8K, 8191 + 4096);
    EXPECT_EQ(t.overhang16K, 16383 + 12288);
    EXPECT_EQ(t.overhang32K, 32767 + 28672);
    EXPECT_EQ(t.overhang64K, 65535 + 61440);
    collector.clearVariables();
    collector.clusterSize = 3000;  // no power of two
    crunch(file("e", 3001));
    crunch(file("f", 6000));
    EXPECT_EQ(t.overhangActual, 2999);
}

TEST_F(Collector, AttributesCountIndependently) {
    crunch(file("a", 10, kAttrReadOnly | kAttrArchive));
    crunch(file("b", 20, 0));
    crunch(file("c", 40, kAttrHidden | kAttrSystem));
    EXPECT_EQ(t.readOnlyCount, 1);
    EXPECT_EQ(t.readOnlyBytes, 10);
    EXPECT_EQ(t.archiveCount, 1);
    EXPECT_EQ(t.archiveBytes, 10);
    EXPECT_EQ(t.hiddenBytes, 40);
    EXPECT_EQ(t.systemCount, 1);
}

TEST_F(Collector, RejectedFilesCountOnlyAsProcessed) {
    FileRule& rule = collector.rule();
    rule.allFileTypes = false;
    rule.selectIfListed = true;
    rule.setRuleList({"*.doc\tWord"});
    crunch(file("a.txt", 5, kAttrArchive));
    crunch(file("b.doc", 7, kAttrArchive));
    EXPECT_EQ(t.filesProcessed, 2);
    EXPECT_EQ(t.filesSelected, 1);
    EXPECT_EQ(t.archiveBytes, 7);
    EXPECT_EQ(t.sizeBandBytes[1], 7);
    EXPECT_THAT(collector.fileTypeTable().entries(), ElementsAre(".DOC\t1\t7"));
}

TEST_F(Collector, StatusShowsForEveryThirdFile) {
    std::vector<std::string> shown;
    collector.setStatusSink([&](const std::string& text) { shown.push_back(text); });
    collector.currentDrive = "d: (Fixed disk)";
    const auto crunchIn = [&](const std::string& folder) {
        collector.crunchNumbers(folder, file("x"));
        collector.tallies().filesProcessed += 1;
    };
    for (int i = 0; i < 7; ++i) crunchIn("d:\\dir" + std::to_string(i / 2));
    EXPECT_THAT(shown, ElementsAre("Processing drive d: (Fixed disk) ... standby : d:\\dir0",
                                   "Processing drive d: (Fixed disk) ... standby : d:\\dir1",
                                   "Processing drive d: (Fixed disk) ... standby : d:\\dir3"));
    // The same folder text on the next drive names that drive.
    collector.currentDrive = "e:";
    for (int i = 0; i < 3; ++i) crunchIn("d:\\dir3");
    EXPECT_EQ(shown.back(), "Processing drive e: ... standby : d:\\dir3");
    EXPECT_EQ(collector.statusText(), shown.back());
    // Back up from a deeper folder to the one that begins its text.
    for (int i = 0; i < 3; ++i) crunchIn("d:\\dir3\\sub");
    EXPECT_EQ(shown.back(), "Processing drive e: ... standby : d:\\dir3\\sub");
    for (int i = 0; i < 3; ++i) crunchIn("d:\\dir3");
    EXPECT_EQ(shown.back(), "Processing drive e: ... standby : d:\\dir3");

    // Kept without a sink, for a window that reads only the latest; made
    // only when asked for.
    StatisticsCollector keeping;
    StatisticsCollector silent;
    keeping.keepStatusText();
    for (StatisticsCollector* c : {&keeping, &silent}) {
        c->currentDrive = "f:";
        for (int i = 0; i < 5; ++i) {
            c->crunchNumbers("f:\\dir" + std::to_string(i), file("x"));
            c->tallies().filesProcessed += 1;
        }
    }
    EXPECT_EQ(keeping.statusText(), "Processing drive f: ... standby : f:\\dir3");
    EXPECT_EQ(silent.statusText(), "");
}

TEST_F(Collector, ClearingStartsASecondRunFromZero) {
    collector.overhangEnabled = true;
    collector.clusterSize = 4096;
    collector.rule().allFileTypes = true;
    DirEntry e = file("a.txt", 123, kAttrHidden);
    e.lastWriteTime = dosAt(2024, 6, 1, 13);
    crunch(e);
    collector.clearVariables();
    EXPECT_EQ(collector.fileTypeTable().size(), 0u);
    EXPECT_EQ(t.filesProcessed + t.filesSelected + t.hiddenCount, 0);
    EXPECT_EQ(t.sizeBandCount[1] + t.modifiedAgeCount[2] + t.modifiedSlotCount[26], 0);
    EXPECT_EQ(t.overhang4K + t.hiddenBytes + t.sizeBandBytes[1], 0);
    EXPECT_EQ(collector.clusterSize, 4096);
    EXPECT_TRUE(collector.overhangEnabled);
}

// The unit in which the volume allocates, whatever the volume's size.
TEST(ClusterSize, IsTheVolumesAllocationUnit) {
    testing::FakeVolumeApi volumes;
    StatisticsCollector collector;
    const auto sizeFor = [&](DiskGeometry geometry, std::uint64_t total) {
        volumes.add('c', {.geometry = geometry, .space = DiskSpace{0, total, 0}});
        collector.computeClusterSize(volumes, "c: [system]");
        return collector.clusterSize;
    };
    EXPECT_EQ(sizeFor({8, 512, 10, 20}, 252ull << 30), 4096);
    EXPECT_EQ(sizeFor({2, 512, 10, 20}, 1ull << 30), 1024);
    EXPECT_EQ(sizeFor({1, 1048576, 10, 20}, 1ull << 40), 1048576);
    volumes.drives['C'].ready = false;
    collector.computeClusterSize(volumes, "c: [system]");
    EXPECT_EQ(collector.clusterSize, 0);
}

}  // namespace
}  // namespace quarvo
