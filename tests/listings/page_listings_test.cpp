#include "listings/page_listings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "collect/statistics_collector.h"
#include "listings/overhang_page.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using Row = std::vector<std::string>;

const NumberFormat kFormat;

std::string describe(const std::string& key) {
    return key.empty() ? "" : key.substr(1) + " File";
}

TEST(TypesListing, RowsPerTypeThenTotals) {
    FileTypeTable table;
    table.insertType(".txt", 100, false);
    for (int i = 0; i < 3; ++i) table.insertType(".doc", 10'000, false);
    table.insertType("", 7, false);

    const ListingRows rows = typesListing(table, describe, kFormat);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], (Row{"Extension", "Type", "Size", "# Files", "Avg File Size"}));
    EXPECT_EQ(rows[1], (Row{"", "", "7", "1", "7"}));
    EXPECT_EQ(rows[2], (Row{".DOC", "DOC File", "30,000", "3", "10,000"}));
    EXPECT_EQ(rows[3], (Row{".TXT", "TXT File", "100", "1", "100"}));
    EXPECT_EQ(rows[4], (Row{"", "Totals", "30,107", "5", ""}));
}

TEST(TypesListing, IncludeRuleSeedsEveryListedTypeWithNoFiles) {
    FileRule include;
    include.allFileTypes = false;
    include.selectIfListed = true;
    include.setRuleList({"*.doc\tWord", "*.QQ\tQQ"});
    FileTypeTable table;
    table.insertType(".doc", 500, false);
    seedListedTypes(table, include);

    const ListingRows rows = typesListing(table, describe, kFormat);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], (Row{".DOC", "DOC File", "500", "1", "500"}));
    EXPECT_EQ(rows[2], (Row{".QQ", "QQ File", "0", "0", "0"}));
    EXPECT_EQ(rows[3], (Row{"", "Totals", "500", "1", ""}));

    FileRule exclude = include;
    exclude.selectIfListed = false;
    exclude.selectIfNotListed = true;
    FileTypeTable untouched;
    seedListedTypes(untouched, exclude);
    EXPECT_EQ(untouched.size(), 0u);
}

TEST(SizeAndDateListings, LargestBandAndOldestBucketFirst) {
    Tallies t;
    t.sizeBandBytes[12] = 1'572'864;
    t.sizeBandCount[12] = 1;
    t.sizeBandBytes[1] = 20;
    t.sizeBandCount[1] = 2;
    const NumberFormat dots{".", ","};

    const ListingRows sizes = sizesListing(t, dots);
    ASSERT_EQ(sizes.size(), 13u);
    EXPECT_EQ(sizes[0], (Row{"File size", "Total file size", "Number of files"}));
    EXPECT_EQ(sizes[1], (Row{"Over 16MB", "1.572.864", "1"}));
    EXPECT_EQ(sizes[7], (Row{"256K - 512K", "0", "0"}));
    EXPECT_EQ(sizes[12], (Row{"0 - 16K", "20", "2"}));

    t.modifiedAgeBytes[0] = 5;
    t.modifiedAgeCount[0] = 1;
    t.modifiedAgeBytes[9] = 1234;
    t.modifiedAgeCount[9] = 2;
    const ListingRows modified = modifiedListing(t, kFormat);
    ASSERT_EQ(modified.size(), 11u);
    EXPECT_EQ(modified[0], (Row{"Modified Date", "Total file size", "Number of files"}));
    EXPECT_EQ(modified[1], (Row{"Over 4 years", "1,234", "2"}));
    EXPECT_EQ(modified[5], (Row{"121 - 365 days", "0", "0"}));
    EXPECT_EQ(modified[10], (Row{"Not recorded", "5", "1"}));
    EXPECT_EQ(accessedListing(t, kFormat)[0][0], "Accessed Date");
    EXPECT_EQ(createdListing(t, kFormat)[1][1], "0");
}

TEST(SizeAndDateListings, CombinedSetsTheThreeDateKindsSideBySide) {
    Tallies t;
    t.accessedAgeBytes[1] = 1000;
    t.accessedAgeCount[1] = 1;
    t.createdAgeBytes[1] = 2000;
    t.createdAgeCount[1] = 2;
    t.modifiedAgeBytes[1] = 3000;
    t.modifiedAgeCount[1] = 3000;

    const ListingRows combined = combinedListing(t, kFormat);
    ASSERT_EQ(combined.size(), 11u);
    EXPECT_EQ(combined[0], (Row{"Combined dates", "Access Size", "Access # files", "Create Size",
                                "Create # files", "Modify Size", "Modify # files"}));
    EXPECT_EQ(combined[9], (Row{"<= 7 days", "1,000", "1", "2,000", "2", "3,000", "3,000"}));
    const ListingRows modified = modifiedListing(t, kFormat);
    for (std::size_t r = 1; r < combined.size(); ++r) EXPECT_EQ(combined[r][0], modified[r][0]);
}

TEST(TimeAndAttributes, HalfHourSlotsInOrder) {
    Tallies t;
    t.modifiedSlotCount[1] = 4;
    t.createdSlotCount[47] = 1500;
    t.accessedSlotCount[20] = 2;
    const auto timeText = [](int h, int m) { return std::to_string(h) + ":" + std::to_string(m); };

    const ListingRows rows = timeOfDayListing(t, timeText, kFormat);
    ASSERT_EQ(rows.size(), 49u);
    EXPECT_EQ(rows[0], (Row{"Time", "Modified time", "Created time", "Access Time"}));
    EXPECT_EQ(rows[1], (Row{"0:0", "0", "0", "0"}));
    EXPECT_EQ(rows[2], (Row{"0:30", "4", "0", "0"}));
    EXPECT_EQ(rows[21], (Row{"10:0", "0", "0", "2"}));
    EXPECT_EQ(rows[48], (Row{"23:30", "0", "1,500", "0"}));
}

TEST(TimeAndAttributes, AttributesInPageOrder) {
    Tallies t;
    t.hiddenCount = 2;
    t.hiddenBytes = 4096;
    t.systemCount = 2;
    t.systemBytes = 4096;
    t.archiveCount = 1234;
    t.archiveBytes = 5'000'000'000;
    EXPECT_THAT(attributesListing(t, kFormat),
                ElementsAre(Row{"", "# Files", "File Sizes"}, Row{"Hidden", "2", "4,096"},
                            Row{"Read-only", "0", "0"}, Row{"System", "2", "4,096"},
                            Row{"Archive", "1,234", "5,000,000,000"}));
}

Tallies oneFileOf(std::int64_t size) {
    Tallies t;
    t.sizeBandBytes[StatisticsCollector::sizeBand(size)] = size;
    t.filesSelected = 1;
    std::int64_t cluster = 4096;
    for (std::int64_t* o :
         {&t.overhang4K, &t.overhang8K, &t.overhang16K, &t.overhang32K, &t.overhang64K}) {
        if (size % cluster != 0) *o = cluster - size % cluster;
        cluster *= 2;
    }
    return t;
}

// As the collector counts it at the drive's own cluster size.
Tallies oneFileOf(std::int64_t size, std::int64_t clusterSize) {
    Tallies t = oneFileOf(size);
    if (size % clusterSize != 0) t.overhangActual = clusterSize - size % clusterSize;
    return t;
}

TEST(OverhangFigures, ArrowAtTheDrivesClusterSize) {
    const OverhangFigures page = overhangPage(oneFileOf(1, 4096), 4096, kFormat);
    ASSERT_TRUE(page.enabled);
    EXPECT_EQ(page.arrowRow, 1);
    ASSERT_EQ(page.rows.size(), 6u);
    EXPECT_EQ(page.rows[0], (Row{"FAT Partion size", "FAT 32 Size", "Cluster size",
                                 "Percent wasted", "Wasted space"}));
    EXPECT_EQ(page.rows[1], (Row{"255 MB", "Less than 8GB", "4K", "100 %", "4,095"}));
    EXPECT_EQ(page.rows[5], (Row{"2 GB - 4 GB", "", "64K", "100 %", "65,535"}));
    EXPECT_EQ(page.numberOfFiles, "Number of files scanned: 1");
    EXPECT_EQ(page.totalFileSizes, "0 KB");
    EXPECT_EQ(page.actualSpaceUsed, "Actual space used 4 KB");
    EXPECT_EQ(page.notApplicable, "");

    // 6,000 bytes leave 2,192 of two 4K clusters unused: 26.8 percent.
    const OverhangFigures halfFull = overhangPage(oneFileOf(6000, 16384), 16384, kFormat);
    EXPECT_EQ(halfFull.arrowRow, 3);
    EXPECT_EQ(halfFull.rows[1][3], "27 %");
    EXPECT_EQ(halfFull.actualSpaceUsed, "Actual space used 16 KB");
}

TEST(OverhangFigures, UnitsAndClusterSizesWithoutRow) {
    EXPECT_EQ(overhangPage(oneFileOf(1'048'575), 4096, kFormat).totalFileSizes, "1,024 KB");
    const OverhangFigures mb = overhangPage(oneFileOf(1'048'576, 65536), 65536, kFormat);
    EXPECT_EQ(mb.totalFileSizes, "1 MB");
    EXPECT_EQ(mb.actualSpaceUsed, "Actual space used 1 MB");

    // A unit without a row of its own: the arrow at the nearest row, the
    // space used at the unit itself.
    const OverhangFigures small = overhangPage(oneFileOf(100, 2048), 2048, kFormat);
    EXPECT_EQ(small.arrowRow, 1);
    EXPECT_EQ(small.actualSpaceUsed, "Actual space used 2 KB");
    EXPECT_EQ(small.notApplicable, "");
    EXPECT_EQ(overhangPage(oneFileOf(100, 1 << 20), 1 << 20, kFormat).arrowRow, 5);
    EXPECT_EQ(overhangPage(oneFileOf(100, 6144), 6144, kFormat).arrowRow, 2);
    EXPECT_EQ(actualOverhang(oneFileOf(100, 8192), 8192), 8092);

    // A drive that could not be asked has no unit and no arrow.
    const OverhangFigures unknown = overhangPage(oneFileOf(100), 0, kFormat);
    EXPECT_TRUE(unknown.enabled);
    EXPECT_EQ(unknown.arrowRow, 0);
    EXPECT_EQ(unknown.actualSpaceUsed, "Actual space used:");
    EXPECT_EQ(unknown.notApplicable, "Cluster overhang analysis is not applicable to this drive.");
    EXPECT_EQ(actualOverhang(oneFileOf(100, 2048), 0), 0);

    EXPECT_FALSE(overhangPage(oneFileOf(0), 4096, kFormat).enabled);
    EXPECT_FALSE(overhangPage(Tallies{}, 4096, kFormat).enabled);
}

}  // namespace
}  // namespace quarvo
