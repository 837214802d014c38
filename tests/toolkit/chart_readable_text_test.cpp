#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "tests/toolkit/chart_test_application.h"
#include "toolkit/chart/chart.h"
#include "toolkit/chart/number_mask.h"

namespace quarvo {
namespace {

class ChartReadableTextTest : public ::testing::Test, protected testing::WithApplication {
protected:
    void SetUp() override {
        chart.legend().visible = false;
        QFont bold(QStringLiteral("Arial"));
        bold.setPixelSize(11);
        bold.setBold(true);
        chart.title().font = bold;
    }

    Chart chart;
};

TEST_F(ChartReadableTextTest, TitleWiderThanTheChartKeepsItsBeginningWithinTheChart) {
    chart.addPieSeries()->add(1);
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

std::vector<QString> leftLabels(Chart& chart) {
    const ChartLayout& layout = chart.currentLayout();
    std::vector<QString> texts;
    for (const double tick : layout.vScale.ticks())
        texts.push_back(NumberMask(chart.leftAxis().valueFormat).format(tick));
    return texts;
}

TEST_F(ChartReadableTextTest, ValueLabelsNeverRepeatWhateverTheFormat) {
    chart.resize(436, 255);
    chart.title().visible = false;
    BarSeries* bars = chart.addBarSeries();
    bars->add(0.0004);
    bars->add(0.0011);
    for (const char* format : {"#,##0.0## GB", "#,##0.0# GB", "0 %"}) {
        chart.leftAxis().valueFormat = QString::fromLatin1(format);
        std::vector<QString> texts = leftLabels(chart);
        EXPECT_GE(texts.size(), 2u) << format;
        std::sort(texts.begin(), texts.end());
        EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end()) << format;
    }
    // Values the format can show keep their fine steps.
    bars->clear();
    bars->add(465.7);
    chart.leftAxis().valueFormat = QStringLiteral("#,##0.0## GB");
    EXPECT_GE(leftLabels(chart).size(), 5u);
}

TEST_F(ChartReadableTextTest, MarkInsideAShortBarStaysOffTheBarsLabel) {
    chart.resize(436, 255);
    chart.title().visible = false;
    chart.legend().visible = false;
    chart.set3D(false);
    BarSeries* used = chart.addBarSeries();
    used->setValueFormat(QStringLiteral("#,##0.00 GB"));
    SeriesMarks& marks = used->marks();
    marks.visible = true;
    marks.boxColor = Qt::blue;
    marks.frame = false;
    marks.arrowLength = 0;
    marks.distance = -24;  // inside the top of the bar
    used->add(1.4, QStringLiteral("e"), Qt::red);
    used->add(400, QStringLiteral("d"), Qt::red);
    const ChartLayout& layout = chart.currentLayout();
    const QImage image = testing::renderChart(chart);
    const int x = int(layout.projection.project(layout.world(0, 0)).x());
    const int floor = int(layout.projection.project(layout.world(0, 0)).y());
    for (int y = floor + 1; y < image.height(); ++y)
        ASSERT_NE(image.pixelColor(x, y), QColor(Qt::blue)) << "mark below the floor at y " << y;
    // The mark of the short bar is still drawn, just above the floor.
    EXPECT_EQ(image.pixelColor(x, floor - 3), QColor(Qt::blue));
}

}  // namespace
}  // namespace quarvo
