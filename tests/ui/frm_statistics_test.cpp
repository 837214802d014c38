#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QTimer>

#include "tests/ui/statistics_window_fixture.h"
#include "views/band_colors.h"

namespace quarvo {
namespace {

class FrmStatisticsTest : public StatisticsWindowTest {
protected:
    void SetUp() override { volumes.add('c', sizedDrive(100 * kGiB, 40 * kGiB, "system")); }
};

TEST_F(FrmStatisticsTest, OpensOnTheSpacePageWithTenPagesInOrder) {
    TfrmStatistics& w = window();
    QStringList captions;
    for (int i = 0; i < w.OvcNotebook1->pageCount(); ++i) captions << w.OvcNotebook1->caption(i);
    EXPECT_EQ(captions, QStringList({"Space", "Types", "Sizes", "Overhang", "Access", "Created",
                                     "Modified", "Combined", "Attribute", "Time"}));
    EXPECT_EQ(w.OvcNotebook1->pageIndex(), 0);
    EXPECT_EQ(w.windowTitle(), "File Statistics Not Yet Collected");
    EXPECT_EQ(w.pnlNotYet->pos(), QPoint(0, 19));
    EXPECT_TRUE(w.btAbort->isHidden());
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_FALSE(w.spacePage->Timer2->isActive());
    EXPECT_EQ(w.spacePage->pckStatDrive->text(0), "c: [system]");
    // Tab reaches the buttons in the order they stand, left to right.
    const std::vector<QWidget*> row{w.comparisonChoice->btCompare, w.btOK, w.btPrint, w.btCancel};
    std::vector<QWidget*> buttons;
    for (QWidget* next = w.nextInFocusChain(); next != &w; next = next->nextInFocusChain())
        if (std::find(row.begin(), row.end(), next) != row.end()) buttons.push_back(next);
    EXPECT_EQ(buttons, row);
}

TEST_F(FrmStatisticsTest, CoverPanelHidesPagesUntilAScanHasRunAndEveryPageDuringOne) {
    TfrmStatistics& w = window();
    const struct {
        bool collected;
        bool scanning;
        int page;
        bool covered;
    } cases[] = {{false, false, 2, true}, {false, false, 0, false}, {false, false, 9, true},
                 {false, true, 0, true},  {false, true, 5, true},   {true, true, 0, true},
                 {true, false, 5, false}, {true, false, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.collected << c.scanning << c.page);
        w.scanRun.statisticsCollected = c.collected;
        w.scanRun.scanning = c.scanning;
        w.OvcNotebook1->setPageIndex(c.page == 0 ? 1 : 0);
        w.OvcNotebook1->setPageIndex(c.page);
        EXPECT_EQ(w.pnlNotYet->isHidden(), !c.covered);
    }
}

TEST_F(FrmStatisticsTest, ChoosingTheSpacePageRefreshesItAndRestartsTheDepthGrowth) {
    TfrmStatistics& w = window();
    w.OvcNotebook1->setPageIndex(3);
    volumes.add('c', sizedDrive(100 * kGiB, 30 * kGiB, "system"));
    w.OvcNotebook1->setPageIndex(0);
    EXPECT_EQ(w.spacePage->lblFree->text(), "30.00");
    EXPECT_EQ(w.spacePage->chartSpaceBar->view3D().depthPercent, 1);
    EXPECT_TRUE(w.spacePage->Timer2->isActive());
}

TEST(BandColoursTest, ColourTableTakesOneColourOrTheDefaultPalette) {
    for (const QColor& colour : initAColors(false, Qt::gray)) EXPECT_EQ(colour, QColor(Qt::gray));
    const BandColors palette = initAColors(true, Qt::green);
    EXPECT_EQ(palette[0], QColor(255, 0, 0));
    EXPECT_EQ(palette[6], QColor(255, 0, 255));
    EXPECT_EQ(palette[11], QColor(128, 128, 128));
}

TEST_F(FrmStatisticsTest, BackgroundColourReachesChartsListsAndGridsButNotTheTypesListing) {
    TfrmStatistics& w = window();
    auto* sizes = new StringGrid(w.sizesPage);
    const QColor typesFixed = w.typesPage->gridTypes->fixedColor();
    const QColor typesColour = w.typesPage->gridTypes->color();
    w.changeBackgroundColor(Qt::white);
    EXPECT_EQ(w.spacePage->chartSpaceBar->background().color, QColor(Qt::white));
    EXPECT_EQ(w.spacePage->pie7->background().color, QColor(Qt::white));
    EXPECT_EQ(w.spacePage->pckStatDrive->color(), QColor(Qt::white));
    EXPECT_EQ(w.OvcNotebook1->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(sizes->color(), QColor(Qt::white));
    EXPECT_EQ(sizes->fixedColor(), QColor(Qt::white));
    EXPECT_EQ(w.typesPage->gridTypes->color(), typesColour);
    EXPECT_EQ(w.typesPage->gridTypes->fixedColor(), typesFixed);
}

TEST_F(FrmStatisticsTest, EveryShowingRewritesTheListingHeaderAndRecomputesTheSpacePage) {
    TfrmStatistics& w = window();
    w.show();
    EXPECT_EQ(w.typesPage->gridTypes->row(0),
              QStringList({"Extension", "Type", "Size", "# Files", "Avg File Size"}));
    EXPECT_EQ(w.spacePage->lblUsed->text(), "60.00");
    w.hide();
    w.typesPage->gridTypes->setCell(0, 0, "changed");
    volumes.add('c', sizedDrive(100 * kGiB, 90 * kGiB, "system"));
    w.show();
    EXPECT_EQ(w.typesPage->gridTypes->cell(0, 0), "Extension");
    EXPECT_EQ(w.spacePage->lblUsed->text(), "10.00");
    EXPECT_TRUE(w.pnlNotYet->isHidden());
}

TEST_F(FrmStatisticsTest, EscapeHidesTheWindowUnlessAScanRunsWhenItAsksTheScanToStop) {
    TfrmStatistics& w = window();
    w.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    w.scanRun.scanning = true;
    QApplication::sendEvent(&w, &escape);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.scanRun.abortRequested());
    w.scanRun.scanning = false;
    w.btCancel->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace quarvo
