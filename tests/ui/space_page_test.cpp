#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "tests/ui/statistics_window_fixture.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;

class SpacePageTest : public StatisticsWindowTest {
protected:
    // Drives c, d, e, ... of 100 GiB, the n-th with n GiB free.
    void addDrives(int count) {
        for (int n = 0; n < count; ++n)
            volumes.add(static_cast<char>('c' + n), sizedDrive(100 * kGiB, (n + 1) * kGiB));
    }
    void showPies() { window().spacePage->rgSpace1->setChecked(true); }
    int angle(Chart* pie) const { return SpacePage::pieSeriesOf(*pie)->startAngle(); }
};

TEST_F(SpacePageTest, OneDriveShowsItsFiguresAndOneBarWithoutTotal) {
    volumes.add('c', sizedDrive(100 * kGiB, 40 * kGiB, "system"));
    TfrmStatistics& w = window();
    w.FormShow();
    EXPECT_EQ(w.spacePage->lblTotal->text(), "100.00");
    EXPECT_EQ(w.spacePage->lblTot->text(), "GB");
    EXPECT_EQ(w.spacePage->lblFree->text(), "40.00");
    EXPECT_EQ(w.spacePage->lblPct->text(), "GB ");
    EXPECT_EQ(w.spacePage->lblUsed->text(), "60.00");
    EXPECT_EQ(w.spacePage->lblPct2->text(), "GB ");
    EXPECT_TRUE(w.spacePage->cbTotal->isChecked());
    EXPECT_THAT(values(*w.spacePage->Series5), ElementsAre(60));
    EXPECT_THAT(values(*w.spacePage->Series4), ElementsAre(40));
    EXPECT_EQ(w.spacePage->Series5->points()[0].label, "c");
    EXPECT_EQ(w.spacePage->Series4->points()[0].color, QColor(255, 0, 255));
    EXPECT_EQ(w.spacePage->Series5->points()[0].color, QColor(0, 0, 255));
    EXPECT_FALSE(w.spacePage->chartSpaceBar->isHidden());
    EXPECT_TRUE(w.spacePage->pnlPie->isHidden());
}

TEST_F(SpacePageTest, TotalBarFollowsTheCheckBoxWhenTwoDrivesAreTicked) {
    volumes.add('c', sizedDrive(100 * kGiB, 40 * kGiB));
    volumes.add('d', sizedDrive(50 * kGiB, 10 * kGiB));
    tickOnly({0, 1});
    TfrmStatistics& w = window();
    EXPECT_THAT(values(*w.spacePage->Series4), ElementsAre(40, 10, 50));
    EXPECT_THAT(values(*w.spacePage->Series5), ElementsAre(60, 40, 100));
    EXPECT_EQ(w.spacePage->Series4->points()[2].label, "Total");
    EXPECT_EQ(w.spacePage->lblTotal->text(), "150.00");

    w.spacePage->cbTotal->setChecked(false);
    EXPECT_THAT(values(*w.spacePage->Series4), ElementsAre(40, 10));
    w.spacePage->cbTotal->setChecked(true);
    EXPECT_EQ(w.spacePage->Series4->count(), 3);
}

TEST_F(SpacePageTest, TotalBarStaysWhenOnlyTheLastDriveHasFreeSpace) {
    volumes.add('c', sizedDrive(100 * kGiB, 0));
    volumes.add('d', sizedDrive(50 * kGiB, 10 * kGiB));
    tickOnly({0, 1});
    EXPECT_THAT(values(*window().spacePage->Series4), ElementsAre(0, 10, 10));
}

TEST_F(SpacePageTest, FreeFigureTurnsRedWhenAtMostATenthOfAGigabyteIsUsed) {
    const double tenth = 0.1 * kGiB;
    volumes.add('c', sizedDrive(10 * kGiB, 10 * kGiB - std::floor(tenth)));
    volumes.add('d', sizedDrive(10 * kGiB, 10 * kGiB - std::ceil(tenth)));
    TfrmStatistics& w = window();
    tickOnly({0});
    EXPECT_EQ(w.spacePage->lblFree->textColor(), QColor(Qt::red));
    EXPECT_EQ(w.spacePage->lblPct->textColor(), QColor(Qt::red));
    tickOnly({1});
    EXPECT_EQ(w.spacePage->lblFree->textColor(), QColor(Qt::black));
    EXPECT_EQ(w.spacePage->lblPct->textColor(), QColor(Qt::black));
}

TEST_F(SpacePageTest, NoReadyTickedDriveHidesTheChartButKeepsTheDriveListReachable) {
    volumes.add('c', sizedDrive(100 * kGiB, 40 * kGiB));
    volumes.add('d', sizedDrive(50 * kGiB, 10 * kGiB));
    volumes.drives['D'].ready = false;
    TfrmStatistics& w = window();
    tickOnly({1});
    EXPECT_EQ(w.spacePage->spaceDriveCount, 0);
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             w.spacePage->chartSpaceBar, w.spacePage->Panel1, w.spacePage->Panel2,
             w.spacePage->lblTotalC, w.spacePage->lblFreeC, w.spacePage->label26})
        EXPECT_TRUE(hidden->isHidden());
    for (EffectLabel* figure : {w.spacePage->lblTotal, w.spacePage->lblFree, w.spacePage->lblUsed,
                                w.spacePage->lblTot, w.spacePage->lblPct, w.spacePage->lblPct2})
        EXPECT_TRUE(figure->text().isEmpty());
    EXPECT_FALSE(w.spacePage->Timer2->isActive());

    showPies();
    EXPECT_TRUE(w.spacePage->Panel4->isHidden());
    w.spacePage->rgSpace2->setChecked(true);
    EXPECT_FALSE(w.spacePage->Panel4->isHidden());
    EXPECT_TRUE(w.spacePage->pnlPie->isHidden());
    EXPECT_TRUE(w.spacePage->chartSpaceBar->isHidden());

    w.spacePage->SelectAll1Click();
    EXPECT_EQ(w.spacePage->spaceDriveCount, 1);
    EXPECT_FALSE(w.spacePage->chartSpaceBar->isHidden());
}

TEST_F(SpacePageTest, ElevenPiesForTheFirstElevenReadyDrivesAndATotalOfThem) {
    for (int n = 0; n < 12; ++n)
        volumes.add(static_cast<char>('c' + n), sizedDrive(100 * kGiB, n < 11 ? 50 * kGiB : 0));
    volumes.add('o', sizedDrive(100 * kGiB, 100 * kGiB));
    volumes.drives['C'].ready = false;
    showPies();
    TfrmStatistics& w = window();
    for (int number = 1; number <= 11; ++number)
        EXPECT_FALSE(w.spacePage->smallPie(number)->isHidden());
    EXPECT_EQ(w.spacePage->pie1->title().lines, QStringList{"D: [DISK]  50.0% free"});
    EXPECT_EQ(w.spacePage->pie11->title().lines, QStringList{"N: [DISK]  0.0% free"});
    EXPECT_EQ(w.spacePage->pieTotal->title().lines, QStringList{"TOTAL 45.4% free"});
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_TRUE(w.spacePage->Panel4->isHidden());
    EXPECT_TRUE(w.spacePage->cbTotal->isHidden());
}

TEST_F(SpacePageTest, PieTitlesGiveTheFreeShareWithOneDecimal) {
    volumes.add('c', sizedDrive(3 * kGiB, kGiB, "system"));
    volumes.add('d', sizedDrive(2 * kGiB, 2 * kGiB, "données"));
    volumes.add('e', sizedDrive(0, 0, "empty"));
    showPies();
    TfrmStatistics& w = window();
    EXPECT_EQ(w.spacePage->pie1->title().lines, QStringList{"C: [SYSTEM]  33.3% free"});
    EXPECT_EQ(w.spacePage->pie2->title().lines, QStringList{"D: [DONNÉES]  100.0% free"});
    EXPECT_EQ(w.spacePage->pie3->title().lines, QStringList{"E: [EMPTY]  0.0% free"});
    EXPECT_TRUE(w.spacePage->pie4->isHidden());
    EXPECT_EQ(w.spacePage->pieTotal->title().lines, QStringList{"TOTAL 60.0% free"});
    const auto& slices = SpacePage::pieSeriesOf(*w.spacePage->pie1)->points();
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_EQ(slices[0].value, 2 * kGiB);
    EXPECT_EQ(slices[0].color, QColor(0, 0, 255));
    EXPECT_EQ(slices[1].label, " ");
    EXPECT_EQ(SpacePage::percentText(41.25, 100), "41.2");
}

TEST_F(SpacePageTest, WithFewerThanSixEntriesEveryPieTurnsElseOnlyTheTotal) {
    for (const int count : {5, 6}) {
        SCOPED_TRACE(count);
        volumes.drives.clear();
        addDrives(count);
        ProgramServices services{volumes, profile, classes, {",", "."}};
        TfrmStatistics w(services);
        w.spacePage->rgSpace1->setChecked(true);
        w.Timer1Timer();
        const int small = count < 6 ? 64 : 60;
        EXPECT_EQ(angle(w.spacePage->pie1), small);
        EXPECT_EQ(angle(w.spacePage->pie5), small);
        EXPECT_EQ(angle(w.spacePage->pieTotal), 62);
        EXPECT_EQ(w.spacePage->ScrollBar3->value(), small);
        EXPECT_TRUE(w.spacePage->ScrollBar3->isHidden());
    }
}

TEST_F(SpacePageTest, ClickingAPieStopsTheTurnAndTheScrollBarSetsEveryShownPie) {
    addDrives(2);
    showPies();
    TfrmStatistics& w = window();
    w.Timer1Timer();
    w.spacePage->pie2->clicked();
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_FALSE(w.spacePage->ScrollBar3->isHidden());
    EXPECT_EQ(w.spacePage->ScrollBar3->value(), 64);

    w.spacePage->ScrollBar3->setValue(90);
    EXPECT_EQ(angle(w.spacePage->pie1), 90);
    EXPECT_EQ(angle(w.spacePage->pie2), 90);
    EXPECT_EQ(angle(w.spacePage->pieTotal), 90);
    EXPECT_EQ(angle(w.spacePage->pie3), 60);
    w.spacePage->ScrollBar3->setValue(360);
    EXPECT_EQ(angle(w.spacePage->pie1), 0);

    w.spacePage->pieTotalClick();
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_TRUE(w.spacePage->ScrollBar3->isHidden());
}

TEST_F(SpacePageTest, PiesTurnOnlyInThePieViewOnTheSpacePage) {
    addDrives(2);
    showPies();
    TfrmStatistics& w = window();
    w.OvcNotebook1->setPageIndex(1);
    w.Timer1Timer();
    EXPECT_EQ(angle(w.spacePage->pie1), 60);
    w.OvcNotebook1->setPageIndex(0);
    w.spacePage->rgSpace2->setChecked(true);
    w.Timer1Timer();
    EXPECT_EQ(angle(w.spacePage->pie1), 60);
}

// Steps Timer2 until it stops and gives every depth seen, the first one
// included.
std::vector<int> depthGrowth(TfrmStatistics& w) {
    std::vector<int> depths{w.spacePage->chartSpaceBar->view3D().depthPercent};
    for (int tick = 0; tick < 100 && w.spacePage->Timer2->isActive(); ++tick) {
        w.spacePage->Timer2Timer();
        depths.push_back(w.spacePage->chartSpaceBar->view3D().depthPercent);
    }
    return depths;
}

TEST_F(SpacePageTest, BarDepthGrowsByTheDriveCountUntilItsLimit) {
    addDrives(7);
    const struct {
        std::initializer_list<int> ticked;
        int step;
        int last;
    } cases[] = {{{0, 1}, 6, 61},
                 {{0, 1, 2}, 3, 31},
                 {{0, 1, 2, 3, 4}, 2, 21},
                 {{0, 1, 2, 3, 4, 5, 6}, 2, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last);
        tickOnly(c.ticked);
        const std::vector<int> depths = depthGrowth(window());
        EXPECT_FALSE(window().spacePage->Timer2->isActive());
        ASSERT_GE(depths.size(), 3u);
        EXPECT_EQ(depths[0], 1);
        EXPECT_EQ(depths[1], 1 + c.step);
        // The tick that finds the limit reached stops the timer and keeps
        // the depth.
        EXPECT_EQ(depths[depths.size() - 2], c.last);
        EXPECT_EQ(depths.back(), c.last);
    }
}

TEST_F(SpacePageTest, LeavingTheSpacePageStopsTheDepthGrowth) {
    addDrives(3);
    tickOnly({0, 1, 2});
    TfrmStatistics& w = window();
    w.spacePage->Timer2Timer();
    w.OvcNotebook1->setPageIndex(4);
    w.spacePage->Timer2Timer();
    EXPECT_FALSE(w.spacePage->Timer2->isActive());
    EXPECT_EQ(w.spacePage->chartSpaceBar->view3D().depthPercent, 4);
}

TEST_F(SpacePageTest, HandlersEnteredAgainWhileRunningReturnAtOnce) {
    addDrives(2);
    TfrmStatistics& w = window();
    showPies();
    SpacePage::inDriveClick = true;
    w.spacePage->SelectAll1Click();
    EXPECT_TRUE(w.spacePage->lblTotal->text().isEmpty());
    SpacePage::inDriveClick = false;
    TfrmStatistics::inAnimationTick = true;
    w.Timer1Timer();
    EXPECT_EQ(angle(w.spacePage->pie1), 60);
    TfrmStatistics::inAnimationTick = false;

    w.spacePage->pckStatDriveClick();
    w.Timer1Timer();
    EXPECT_EQ(w.spacePage->lblTotal->text(), "200.00");
    EXPECT_EQ(angle(w.spacePage->pie1), 64);
    EXPECT_FALSE(SpacePage::inDriveClick);
    EXPECT_FALSE(TfrmStatistics::inAnimationTick);
}

}  // namespace
}  // namespace quarvo
