// The drive overview of the main window: its bars, and its opening and
// closing animations stepped tick by tick.
#include <QStringList>

#include "tests/ui/frm_main_fixture.h"
#include "toolkit/chart/chart_readout.h"

namespace quarvo::testing {
namespace {

QStringList labelsOf(const ChartSeries& series) {
    QStringList labels;
    for (const ChartPoint& point : series.points()) labels << point.label;
    return labels;
}

std::vector<double> valuesOf(const ChartSeries& series) {
    std::vector<double> values;
    for (const ChartPoint& point : series.points()) values.push_back(point.value);
    return values;
}

using DriveOverview = MainWindowTest;

TEST_F(DriveOverview, OneDriveIsOneStackedBarWithoutTotal) {
    addDrive('c', 10, 4);
    open();
    const BarSeries& used = *window->Series5;
    const BarSeries& free = *window->Series4;
    EXPECT_EQ(window->chartSpaceBar->series(0), &used);
    EXPECT_EQ(labelsOf(used), QStringList{"c"});
    EXPECT_EQ(labelsOf(free), QStringList{"c"});
    EXPECT_EQ(valuesOf(used), std::vector<double>{6.0});
    EXPECT_EQ(valuesOf(free), std::vector<double>{4.0});
    EXPECT_EQ(used.points()[0].color, QColor(0, 0, 255));
    EXPECT_EQ(free.points()[0].color, QColor(255, 0, 255));
    EXPECT_EQ(used.markText(0), QStringLiteral("6.00 GB"));
    EXPECT_EQ(free.markText(0), QStringLiteral("4.00 GB"));
    // A screen reader names each part of the bar by the drive as the axis
    // shows it, and gives the figure its mark shows.
    const std::vector<ChartReadout> read = chartReadouts(*window->chartSpaceBar);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].text, QStringLiteral("c Used: 6.00 GB"));
    EXPECT_EQ(read[1].text, QStringLiteral("c Free: 4.00 GB"));
}

TEST_F(DriveOverview, SeveralDrivesGetATotalBar) {
    addDrive('c', 10, 4);
    addDrive('d', 20, 5);
    open();
    EXPECT_EQ(labelsOf(*window->Series5), (QStringList{"c", "d", "Total"}));
    EXPECT_EQ(valuesOf(*window->Series5), (std::vector<double>{6, 15, 21}));
    EXPECT_EQ(valuesOf(*window->Series4), (std::vector<double>{4, 5, 9}));
    EXPECT_EQ(window->Series4->points()[2].color, QColor(255, 0, 255));
    EXPECT_EQ(window->Series5->points()[2].color, QColor(0, 0, 255));
    // Both series are read on the left and the right axis.
    EXPECT_TRUE(window->chartSpaceBar->currentLayout().rightAxis);
}

// A full drive before the last one must not make the Total bar vanish.
TEST_F(DriveOverview, FullDrivesBeforeTheLastStillGetATotal) {
    addDrive('c', 100, 0);
    addDrive('d', 10, 5);
    open();
    EXPECT_EQ(labelsOf(*window->Series4), (QStringList{"c", "d", "Total"}));
    EXPECT_EQ(valuesOf(*window->Series5), (std::vector<double>{100, 5, 105}));
}

TEST_F(DriveOverview, DrivesThatAreNotReadyGetNoBarAndNoShareOfTheTotal) {
    addDrive('c', 10, 4);
    volumes.add('x', {.type = kDriveRemote, .network = "\\\\server\\share", .ready = false});
    addDrive('y', 20, 5);
    open();
    ASSERT_EQ(statistics->spacePage->pckStatDrive->count(), 3);
    EXPECT_EQ(labelsOf(*window->Series5), (QStringList{"c", "y", "Total"}));
    EXPECT_EQ(valuesOf(*window->Series4), (std::vector<double>{4, 5, 9}));
}

TEST_F(DriveOverview, WithoutAReadyDriveTheChartStaysEmpty) {
    addDrive('c', 10, 4, false);
    open();
    EXPECT_EQ(window->Series4->count(), 0);
    EXPECT_EQ(window->Series5->count(), 0);
    window->Series4->add(1);
    window->doDiskSize();
    EXPECT_EQ(window->Series4->count(), 0);
}

TEST_F(DriveOverview, OpeningZoomsAndTurnsThenDeepens) {
    addDrives(3);
    open();
    EXPECT_EQ(zoom(), 20);
    EXPECT_EQ(view().rotation, 280);
    EXPECT_EQ(view().elevation, 280);
    EXPECT_FALSE(view().orthogonal);
    EXPECT_EQ(view().perspective, 100);
    EXPECT_EQ(depth(), 25);
    EXPECT_TRUE(window->Timer2->isActive());
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_TRUE(labelsHidden());

    for (int tick = 1; tick <= 40; ++tick) {
        window->Timer2Timer();
        ASSERT_EQ(zoom(), 20 + 2 * tick);
        ASSERT_EQ(view().rotation, 280 + 2 * tick);
        ASSERT_EQ(view().elevation, 280 + 2 * tick);
    }
    EXPECT_FALSE(view().orthogonal);
    EXPECT_TRUE(window->Timer2->isActive());
    window->Timer2Timer();
    EXPECT_TRUE(view().orthogonal);
    EXPECT_EQ(view().rotation, 360);
    EXPECT_EQ(view().elevation, 360);
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->chartSpaceBar->hint(), QString());

    EXPECT_EQ(runTimer1(), (std::vector<int>{25, 29, 33, 37, 41, 45, 49, 53, 57, 61}));
    EXPECT_EQ(depth(), 61);
    EXPECT_FALSE(labelsHidden());
    EXPECT_EQ(window->chartSpaceBar->hint(),
              QStringLiteral("Double click chart to view animation"));
}

TEST_F(DriveOverview, TheDepthStepsByTheNumberOfListedDrives) {
    struct Case {
        int drives;
        int finalDepth;
        size_t ticks;
    };
    for (const Case& c : {Case{5, 37, 7}, Case{8, 37, 7}, Case{9, 25, 1}, Case{13, 25, 1}}) {
        SCOPED_TRACE(c.drives);
        volumes.drives.clear();
        addDrives(c.drives);
        open();
        runTimer2();
        const std::vector<int> depths = runTimer1();
        EXPECT_EQ(depths.size(), c.ticks);
        EXPECT_EQ(depth(), c.finalDepth);
        EXPECT_FALSE(labelsHidden());
    }
}

TEST_F(DriveOverview, ClosingShrinksTheDepthThenZoomsOutAndCloses) {
    addDrives(3);
    open();
    runOpening();
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(runTimer1(), (std::vector<int>{61, 57, 53, 49, 45, 41, 37, 33, 29, 25, 21, 17, 13}));
    EXPECT_FALSE(view().orthogonal);
    EXPECT_EQ(view().rotation, 360);
    EXPECT_TRUE(window->Timer2->isActive());

    for (int tick = 1; tick <= 34; ++tick) {
        window->Timer2Timer();
        ASSERT_TRUE(window->isVisible()) << tick;
    }
    EXPECT_EQ(zoom(), -2);
    EXPECT_EQ(view().rotation, 292);
    EXPECT_EQ(view().elevation, 292);
    window->Timer2Timer();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->Timer2->isActive());
}

TEST_F(DriveOverview, ClosingWithManyDrivesShrinksTheDepthOneByOne) {
    addDrives(10);
    open();
    runOpening();
    window->close();
    EXPECT_EQ(runTimer1(), (std::vector<int>{25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15}));
}

TEST_F(DriveOverview, ACloseRequestWhileZoomingInTurnsBothAnimationsBack) {
    addDrives(3);
    open();
    for (int tick = 0; tick < 10; ++tick) window->Timer2Timer();
    window->close();
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_TRUE(window->Timer2->isActive());
    window->Timer2Timer();
    EXPECT_EQ(zoom(), 37);
    EXPECT_EQ(view().rotation, 298);
    window->Timer1Timer();
    EXPECT_EQ(depth(), 21);
}

TEST_F(DriveOverview, ADoubleClickWhileClosingOpensAgainWithoutTheButtons) {
    addDrives(3);
    open();
    runOpening();
    window->close();
    window->Timer1Timer();
    window->chartSpaceBarDblClick();
    EXPECT_EQ(zoom(), 20);
    EXPECT_EQ(view().rotation, 280);
    EXPECT_FALSE(view().orthogonal);
    EXPECT_EQ(depth(), 25);
    EXPECT_TRUE(window->Timer2->isActive());
    // The depth animation that was shrinking now grows.
    EXPECT_TRUE(window->Timer1->isActive());
    window->Timer1Timer();
    EXPECT_EQ(depth(), 29);
    EXPECT_TRUE(buttonsHidden());
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(DriveOverview, AReplayHidesLabelsAndHintUntilItHasFinished) {
    addDrives(3);
    open();
    runOpening();
    window->chartSpaceBarDblClick();
    EXPECT_TRUE(labelsHidden());
    EXPECT_EQ(window->chartSpaceBar->hint(), QString());
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(runTimer2(), 41);
    runTimer1();
    EXPECT_FALSE(labelsHidden());
    EXPECT_EQ(window->chartSpaceBar->hint(),
              QStringLiteral("Double click chart to view animation"));
    EXPECT_FALSE(buttonsHidden());
}

}  // namespace
}  // namespace quarvo::testing
