#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "tests/toolkit/chart_test_application.h"
#include "toolkit/chart/chart.h"

namespace quarvo {
namespace {

class ChartTextFitTest : public ::testing::Test, protected testing::WithApplication {
protected:
    void SetUp() override {
        chart.legend().visible = false;
        QFont bold(QStringLiteral("Arial"));
        bold.setPixelSize(11);
        bold.setBold(true);
        chart.title().font = bold;
        chart.addPieSeries()->add(1);
    }
    Chart chart;
};

TEST_F(ChartTextFitTest, TitleWiderThanTheChartKeepsItsBeginningWithinTheChart) {
    chart.resize(103, 99);
    chart.setTitle(QStringLiteral("C: (MODEL_TOOLS_ENV)  41.3% free"));
    const ChartLayout& layout = chart.currentLayout();
    ASSERT_EQ(layout.titleLines.size(), 1);
    EXPECT_TRUE(layout.titleLines.front().startsWith(QStringLiteral("C: (")));
    EXPECT_LE(QFontMetricsF(layout.titleFont).horizontalAdvance(layout.titleLines.front()),
              layout.titleRect.width());
    EXPECT_GE(layout.titleFont.pixelSize(), 8);

    // A little too wide: a smaller font shows it whole.
    chart.setTitle(QStringLiteral("E:  63.8% free and more"));
    const QString whole = chart.currentLayout().titleLines.front();
    EXPECT_EQ(whole, QStringLiteral("E:  63.8% free and more"));
    EXPECT_LT(chart.currentLayout().titleFont.pixelSize(), 11);

    // A title that fits keeps its font.
    chart.resize(400, 300);
    EXPECT_EQ(chart.currentLayout().titleFont.pixelSize(), 11);
}

}  // namespace
}  // namespace quarvo
