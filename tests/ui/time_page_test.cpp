#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QScrollBar>

#include "tests/fakes/sample_statistics.h"
#include "tests/ui/date_pages_fixture.h"
#include "views/regional_format.h"

namespace quarvo {
namespace {

using ::testing::Each;

class TimePageTest : public DatePagesTest {
protected:
    void SetUp() override {
        window().timePage->shortTimeFormat = QStringLiteral("HH:mm");
        for (int slot = 0; slot < kHalfHourSlots; ++slot) {
            tallies().modifiedSlotCount[slot] = 2 * slot;
            tallies().createdSlotCount[slot] = slot % 3;
        }
    }
    static std::vector<double> xs(const ChartSeries& series) {
        std::vector<double> out;
        for (const ChartPoint& point : series.points()) out.push_back(point.x);
        return out;
    }
};

TEST_F(TimePageTest, ThreeLinesOfFortyEightHalfHoursLabelledInTheShortTimeFormat) {
    tallies().accessedSlotCount[47] = 5;
    TfrmStatistics& w = fill();
    std::vector<double> everySlot(kHalfHourSlots);
    for (int s = 0; s < kHalfHourSlots; ++s) everySlot[s] = s;
    for (LineSeries* series : {w.timePage->Series10, w.timePage->Series11, w.timePage->Series12}) {
        EXPECT_EQ(xs(*series), everySlot);
        EXPECT_EQ(labels(*series).at(0), "00:00");
        EXPECT_EQ(labels(*series).at(1), "00:30");
        EXPECT_EQ(labels(*series).at(47), "23:30");
        EXPECT_THAT(colours(*series), Each(series->color()));
    }
    EXPECT_DOUBLE_EQ(w.timePage->Series10->points()[47].value, 94);
    EXPECT_DOUBLE_EQ(w.timePage->Series11->points()[5].value, 2);
    EXPECT_DOUBLE_EQ(w.timePage->Series12->points()[47].value, 5);
    EXPECT_TRUE(w.timePage->Series12->isVisible());
    EXPECT_EQ(w.timePage->Series10->title(), "Modified time");
    EXPECT_EQ(w.timePage->Series11->color(), QColor(0, 255, 0));
    EXPECT_EQ(w.timePage->Series12->title(), "Access Time");

    w.timePage->shortTimeFormat = QStringLiteral("h.mm");
    w.timePage->doFileTimes();
    EXPECT_EQ(labels(*w.timePage->Series10).at(27), "13.30");
    EXPECT_EQ(w.timePage->Series10->count(), kHalfHourSlots);

    // The whole day on one page, and no seconds where the locale's short
    // format has them.
    EXPECT_EQ(w.timePage->Chart4->pageCount(), 1);
    w.timePage->shortTimeFormat = shortTimeFormatOf(QLocale::c());
    w.timePage->doFileTimes();
    EXPECT_EQ(labels(*w.timePage->Series11).at(1), "00:30");
    EXPECT_EQ(labels(*w.timePage->Series11).at(47), "23:30");
}

TEST_F(TimePageTest, AccessLineIsHiddenWhileNoAccessTimeWasCounted) {
    TfrmStatistics& w = fill();
    EXPECT_FALSE(w.timePage->Series12->isVisible());
    EXPECT_TRUE(w.timePage->Series10->isVisible());
    EXPECT_TRUE(w.timePage->Series11->isVisible());
    testing::fillSampleStatistics(w.collector);
    w.timePage->doFileTimes();
    EXPECT_TRUE(w.timePage->Series12->isVisible());
}

TEST_F(TimePageTest, ScrollBarSetsTheDepthFromTheFormsTwentyPercent) {
    TfrmStatistics& w = window();
    EXPECT_EQ(w.timePage->sbTime->value(), 8);
    EXPECT_EQ(w.timePage->Chart4->view3D().depthPercent, 20);
    w.timePage->sbTime->setValue(50);
    EXPECT_EQ(w.timePage->Chart4->view3D().depthPercent, 50);
    w.timePage->sbTime->setValue(0);
    EXPECT_EQ(w.timePage->Chart4->view3D().depthPercent, 1);
}

}  // namespace
}  // namespace quarvo
