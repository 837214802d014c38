#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QRadioButton>

#include "tests/fakes/sample_statistics.h"
#include "tests/ui/date_pages_fixture.h"
#include "toolkit/chart/chart_readout.h"

namespace quarvo {
namespace {

using ::testing::Each;

class SizesPageTest : public DatePagesTest {};

TEST_F(SizesPageTest, ListingShowsTheBandsLargestFirstWithTotalsBeyondThirtyTwoBits) {
    testing::fillSampleStatistics(window().collector);
    TfrmStatistics& w = fill();
    EXPECT_EQ(w.sizesPage->gridSizes->row(0),
              QStringList({"File size", "Total file size", "Number of files"}));
    EXPECT_EQ(w.sizesPage->gridSizes->row(1), QStringList({"Over 16MB", "43,232,788,480", "14"}));
    EXPECT_EQ(w.sizesPage->gridSizes->row(12), QStringList({"0 - 16K", "125,829,120", "48,211"}));
    EXPECT_EQ(w.sizesPage->gridSizes->selection(), QPoint(-1, -1));

    // Sorted by a header, by the numbers and not by their text: "48,211"
    // files come before "14", and a second click puts them last.
    StringGrid& grid = *w.sizesPage->gridSizes;
    const QStringList bands = column(grid, 0);
    emit grid.headerClicked(2);
    EXPECT_EQ(grid.row(1), QStringList({"0 - 16K", "125,829,120", "48,211"}));
    emit grid.headerClicked(2);
    EXPECT_EQ(grid.row(12)[2], "48,211");
    emit grid.headerClicked(0);
    EXPECT_EQ(column(grid, 0), bands);
    // A new run keeps the order the user chose.
    emit grid.headerClicked(1);
    const QStringList sorted = column(grid, 0);
    fill();
    EXPECT_EQ(column(grid, 0), sorted);
}

TEST_F(SizesPageTest, ChartBySizeGivesMegabytesBandOneFirstWithListingLabelsAndPalette) {
    tallies().sizeBandBytes[1] = 1572864;
    tallies().sizeBandBytes[12] = 3 * kMiB / 2 + 3 * kMiB;
    tallies().sizeBandCount[1] = 3;
    tallies().sizeBandCount[12] = 1;
    TfrmStatistics& w = fill();
    EXPECT_EQ(w.sizesPage->gridSizes->cell(1, 12), "1,572,864");
    EXPECT_TRUE(w.sizesPage->gridSizes->isHidden());
    EXPECT_EQ(w.sizesPage->Chart1->title().lines, QStringList({"File Sizes in MB"}));
    ASSERT_EQ(w.sizesPage->Series1->count(), 12);
    EXPECT_DOUBLE_EQ(w.sizesPage->Series1->points()[0].value, 1.5);
    EXPECT_DOUBLE_EQ(w.sizesPage->Series1->points()[11].value, 4.5);
    EXPECT_EQ(labels(*w.sizesPage->Series1).first(), "0 - 16K");
    EXPECT_EQ(labels(*w.sizesPage->Series1).last(), "Over 16MB");
    EXPECT_EQ(w.sizesPage->Series1->points()[1].color, QColor(128, 0, 0));
    EXPECT_EQ(w.sizesPage->Series1->points()[11].color, QColor(128, 128, 128));
    // Shares of the bars' total: 1.5 and 4.5 of 6 MB.
    EXPECT_EQ(w.sizesPage->Series1->markText(0), "25 %");
    EXPECT_EQ(w.sizesPage->Series1->markText(11), "75 %");
    EXPECT_EQ(w.sizesPage->Series1->markText(5), "0 %");
    // A screen reader hears each bar with its unit.
    w.sizesPage->Chart1->resize(617, 331);
    EXPECT_EQ(chartReadouts(*w.sizesPage->Chart1).front().text, "0 - 16K: 1.5 MB");

    w.sizesPage->rgSize2->setChecked(true);
    EXPECT_EQ(w.sizesPage->Chart1->title().lines, QStringList({"Number of Files"}));
    EXPECT_DOUBLE_EQ(w.sizesPage->Series1->points()[0].value, 3);
    EXPECT_EQ(w.sizesPage->Series1->markText(11), "25 %");
    EXPECT_EQ(chartReadouts(*w.sizesPage->Chart1).front().text, "0 - 16K: 3 files");
    EXPECT_EQ(w.sizesPage->Series1->count(), 12);
}

TEST_F(SizesPageTest, ListingButtonSwapsChartForGridAndBackWithZoomUndone) {
    testing::fillSampleStatistics(window().collector);
    TfrmStatistics& w = fill();
    w.sizesPage->rgSize0->setChecked(true);
    EXPECT_FALSE(w.sizesPage->gridSizes->isHidden());
    EXPECT_TRUE(w.sizesPage->Chart1->isHidden());

    w.sizesPage->Chart1->resize(617, 331);
    w.sizesPage->Chart1->zoomToRect({150, 100, 200, 100});
    settleZoom(*w.sizesPage->Chart1);
    ASSERT_TRUE(w.sizesPage->Chart1->isZoomed());
    w.sizesPage->rgSize1->setChecked(true);
    settleZoom(*w.sizesPage->Chart1);
    EXPECT_TRUE(w.sizesPage->gridSizes->isHidden());
    EXPECT_FALSE(w.sizesPage->Chart1->isHidden());
    EXPECT_FALSE(w.sizesPage->Chart1->isZoomed());
}

TEST_F(SizesPageTest, NoSelectedFileGivesZeroCellsAndFlatBars) {
    TfrmStatistics& w = fill();
    for (int col : {1, 2})
        EXPECT_THAT(column(*w.sizesPage->gridSizes, col).mid(1), Each(QString("0")));
    for (const ChartPoint& point : w.sizesPage->Series1->points()) EXPECT_EQ(point.value, 0);
    EXPECT_EQ(w.sizesPage->Series1->markText(0), "0 %");
}

}  // namespace
}  // namespace quarvo
