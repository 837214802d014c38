#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QRadioButton>

#include "tests/fakes/sample_statistics.h"
#include "tests/fakes/scripted_dialogs.h"
#include "tests/ui/date_pages_fixture.h"
#include "views/band_colors.h"

namespace quarvo {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);

class DateChartsTest : public DatePagesTest {
protected:
    // Bucket k of every kind holds k + 1 files of 1 MB each; access and
    // creation add 1 and 2 files to bucket 0 on top.
    void SetUp() override {
        Tallies& t = tallies();
        for (int k = 0; k < kAgeBuckets; ++k) {
            t.accessedAgeCount[k] = t.createdAgeCount[k] = t.modifiedAgeCount[k] = k + 1;
            t.accessedAgeBytes[k] = t.createdAgeBytes[k] = t.modifiedAgeBytes[k] = (k + 1) * kMiB;
        }
        t.accessedAgeCount[0] += 1;
        t.createdAgeCount[0] += 2;
    }
    void choosePage(int index, QRadioButton* view) {
        window().OvcNotebook1->setPageIndex(index);
        view->setChecked(true);
    }
};

TEST_F(DateChartsTest, ListingsShowTheBucketsOldestFirstUnderTheirCaptions) {
    testing::fillSampleStatistics(window().collector);
    TfrmStatistics& w = fill();
    EXPECT_EQ(w.accessPage->grid->row(0),
              QStringList({"Accessed Date", "Total file size", "Number of files"}));
    EXPECT_EQ(w.createdPage->grid->cell(0, 0), "Created Date");
    EXPECT_EQ(w.modifiedPage->grid->cell(0, 0), "Modified Date");
    EXPECT_EQ(w.accessPage->grid->row(1), QStringList({"Over 4 years", "727,585,914", "721"}));
    EXPECT_EQ(w.createdPage->grid->row(10),
              QStringList({"Not recorded", "1,455,171,829", "1,442"}));
    EXPECT_EQ(
        column(*w.modifiedPage->grid, 0).mid(1),
        QStringList({"Over 4 years", "3 - 4 years", "2 - 3 years", "1 - 2 years", "121 - 365 days",
                     "61 - 120 days", "31 - 60 days", "8 - 30 days", "<= 7 days", "Not recorded"}));
}

TEST_F(DateChartsTest, EachDateChartTakesThePaletteAndTheCombinedSeriesOneColourEach) {
    TfrmStatistics& w = fill();
    EXPECT_EQ(w.accessPage->chart->title().lines, QStringList({"Access Date (file sizes in MB)"}));
    EXPECT_EQ(w.createdPage->chart->title().lines,
              QStringList({"Created Date (file sizes in MB)"}));
    EXPECT_EQ(w.modifiedPage->chart->title().lines,
              QStringList({"Modified Date (file sizes in MB)"}));
    EXPECT_THAT(values(*w.createdPage->series), ElementsAre(1, 2, 3, 4, 5, 6, 7, 8, 9, 10));
    EXPECT_EQ(labels(*w.accessPage->series).first(), "Not recorded");
    EXPECT_EQ(labels(*w.accessPage->series).last(), "Over 4 years");
    const std::vector<QColor> palette(kDefaultBandColors.begin(), kDefaultBandColors.begin() + 10);
    EXPECT_EQ(colours(*w.modifiedPage->series), palette);
    EXPECT_THAT(colours(*w.combinedPage->Series6), Each(kRed));
    EXPECT_THAT(colours(*w.combinedPage->Series7), Each(kGreen));
    EXPECT_THAT(colours(*w.combinedPage->Series8), Each(kYellow));
    EXPECT_EQ(w.combinedPage->chartCombine->title().lines,
              QStringList({"Combination Access/Created/Modified Chart"}));

    choosePage(TfrmStatistics::kAccessPage, w.accessPage->rgByFiles);
    EXPECT_EQ(w.accessPage->chart->title().lines, QStringList({"Access Date (Number of files)"}));
    EXPECT_THAT(values(*w.accessPage->series), ElementsAre(2, 2, 3, 4, 5, 6, 7, 8, 9, 10));
    choosePage(TfrmStatistics::kCombinedPage, w.combinedPage->rbCombine2);
    EXPECT_THAT(values(*w.combinedPage->Series7), ElementsAre(3, 2, 3, 4, 5, 6, 7, 8, 9, 10));
    EXPECT_THAT(values(*w.combinedPage->Series6), ElementsAre(2, 2, 3, 4, 5, 6, 7, 8, 9, 10));
    // The date pages keep their own choice.
    EXPECT_DOUBLE_EQ(w.createdPage->series->points()[0].value, 1);
}

TEST_F(DateChartsTest, ListingOnOnePageLeavesTheOthersAndAChartButtonRebuildsAllFour) {
    TfrmStatistics& w = fill();
    choosePage(TfrmStatistics::kCreatedPage, w.createdPage->rgListing);
    EXPECT_FALSE(w.createdPage->grid->isHidden());
    EXPECT_TRUE(w.createdPage->chart->isHidden());
    EXPECT_TRUE(w.accessPage->grid->isHidden());
    EXPECT_TRUE(w.modifiedPage->grid->isHidden());

    tallies().accessedAgeBytes[9] = 7 * kMiB;
    tallies().modifiedAgeBytes[9] = 5 * kMiB;
    choosePage(TfrmStatistics::kCreatedPage, w.createdPage->rgBySize);
    EXPECT_TRUE(w.createdPage->grid->isHidden());
    EXPECT_FALSE(w.createdPage->chart->isHidden());
    EXPECT_DOUBLE_EQ(w.accessPage->series->points()[9].value, 7);
    EXPECT_DOUBLE_EQ(w.combinedPage->Series8->points()[9].value, 5);
}

TEST_F(DateChartsTest, CombinedListingTakesModifiedLabelsAndWholeFileCounts) {
    tallies().createdAgeCount[3] = 1234.75;
    TfrmStatistics& w = fill();
    EXPECT_EQ(w.combinedPage->gridCombine->row(0),
              QStringList({"Combined dates", "Access Size", "Access # files", "Create Size",
                           "Create # files", "Modify Size", "Modify # files"}));
    EXPECT_EQ(column(*w.combinedPage->gridCombine, 0).mid(1),
              column(*w.modifiedPage->grid, 0).mid(1));
    EXPECT_EQ(w.combinedPage->gridCombine->row(10),
              QStringList({"Not recorded", "1,048,576", "2", "1,048,576", "3", "1,048,576", "1"}));
    EXPECT_EQ(w.combinedPage->gridCombine->cell(4, 7), "1,234");

    // A header click orders the buckets by that column, largest first, a
    // second click smallest first; the first column gives back their order.
    StringGrid& grid = *w.combinedPage->gridCombine;
    const QStringList buckets = column(grid, 0);
    emit grid.headerClicked(4);
    EXPECT_EQ(grid.row(1)[4], "1,234");
    EXPECT_EQ(grid.row(1)[0], buckets[7]);
    emit grid.headerClicked(4);
    EXPECT_EQ(grid.row(10)[4], "1,234");
    EXPECT_EQ(grid.sortIndicatorColumn(), 4);
    emit grid.headerClicked(0);
    EXPECT_EQ(column(grid, 0), buckets);
    EXPECT_EQ(grid.row(10)[3], "1,048,576");
}

TEST_F(DateChartsTest, CombinedBarsOfABucketStandModifiedLowestThenCreatedThenAccessed) {
    TfrmStatistics& w = fill();
    w.combinedPage->chartCombine->resize(619, 329);
    const std::vector<BarBox>& bars = w.combinedPage->chartCombine->currentLayout().bars;
    const auto centre = [&](int series, int point) {
        for (const BarBox& bar : bars)
            if (bar.series == series && bar.point == point) return (bar.low.y() + bar.high.y()) / 2;
        ADD_FAILURE() << "no bar " << series << "/" << point;
        return 0.0f;
    };
    // Series 0 is Modified, 1 Created, 2 Accessed; world y grows upwards.
    for (int bucket : {0, 5, 8}) {
        EXPECT_LT(centre(0, bucket), centre(1, bucket));
        EXPECT_LT(centre(1, bucket), centre(2, bucket));
        // A bucket's three bars stay below the next bucket's.
        EXPECT_LT(centre(2, bucket), centre(0, bucket + 1));
    }
}

TEST_F(DateChartsTest, NoSelectedFileGivesZeroInEveryListingAndFlatBars) {
    tallies() = Tallies{};
    TfrmStatistics& w = fill();
    for (StringGrid* grid : {w.accessPage->grid, w.createdPage->grid, w.modifiedPage->grid,
                             w.combinedPage->gridCombine})
        for (int col = 1; col < grid->colCount(); ++col)
            EXPECT_THAT(column(*grid, col).mid(1), Each(QString("0")));
    for (BarSeries* series :
         {w.accessPage->series, w.createdPage->series, w.modifiedPage->series,
          w.combinedPage->Series6, w.combinedPage->Series7, w.combinedPage->Series8})
        EXPECT_THAT(values(*series), Each(0.0));
}

TEST_F(DateChartsTest, NoListingCellCanBeSelected) {
    TfrmStatistics& w = fill();
    for (StringGrid* grid : {w.sizesPage->gridSizes, w.accessPage->grid, w.createdPage->grid,
                             w.modifiedPage->grid, w.combinedPage->gridCombine}) {
        EXPECT_FALSE(grid->selectByUser(1, 1));
        EXPECT_FALSE(grid->selectByUser(0, 5));
        EXPECT_EQ(grid->selection(), QPoint(-1, -1));
    }
}

TEST_F(DateChartsTest, NoteButtonsShowTheirTextsInInformationBoxes) {
    testing::ScriptedDialogs dialogs;
    TfrmStatistics& w = window();
    for (GlyphButton* button :
         {w.accessPage->noteButton, w.createdPage->noteButton, w.modifiedPage->noteButton,
          w.combinedPage->SpeedButton4, w.timePage->SpeedButton5})
        button->click();
    ASSERT_EQ(dialogs.messages.size(), 5u);
    // Each shows only a question mark: a screen reader needs its name.
    QStringList names;
    for (GlyphButton* button :
         {w.accessPage->noteButton, w.createdPage->noteButton, w.modifiedPage->noteButton,
          w.combinedPage->SpeedButton4, w.timePage->SpeedButton5})
        names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 5);
    EXPECT_FALSE(names.contains(QString()));
    for (const auto& message : dialogs.messages) {
        EXPECT_EQ(message.kind, MessageKind::Information);
        EXPECT_EQ(message.caption, "Information");
    }
    EXPECT_EQ(dialogs.messages[0].text,
              "Note: prior versions of Windows and DOS did not store the file access date.  "
              "Files never recorded as being accessed are probably old files that were "
              "converted to Windows 95.");
    EXPECT_EQ(dialogs.messages[1].text,
              "Files never recorded as being created are probably old files that were converted "
              "to Windows 95.  Note: prior versions of Windows and DOS did not store the file "
              "creation date independent of the last file modification or file write date.");
    EXPECT_EQ(dialogs.messages[2].text,
              "Note: prior versions of Windows and DOS treated the file creation date "
              "synonomously  with the last file modification date.  Therefore all files have a "
              "file modification date.");
    EXPECT_EQ(dialogs.messages[3].text,
              "This chart combines the Accessed, Created and Modified charts");
    EXPECT_EQ(dialogs.messages[4].text,
              "Note: Sometimes software vendors use the file modified time to indicate the "
              "version number of a product. For example, a file with the time of 02:10 am would "
              "represent version 2.1 of a certain product.");
}

}  // namespace
}  // namespace quarvo
