#include <gtest/gtest.h>

#include "tests/toolkit/chart_test_application.h"
#include "toolkit/chart/chart.h"

namespace quarvo {
namespace {

class ChartSeriesTest : public ::testing::Test, protected testing::WithApplication {
protected:
    void SetUp() override { chart.resize(500, 300); }
    Chart chart;
};

TEST_F(ChartSeriesTest, PieMergesSlicesBelowThePercentIntoOtherAndPullsOutTheBiggest) {
    PieSeries* pie = chart.addPieSeries();
    pie->setOtherSlicePercent(5);
    pie->setExplodeBiggest(10);
    pie->setStartAngle(60);
    pie->add(30, QStringLiteral("Word"), Qt::red);
    pie->add(50, QStringLiteral("Application"), Qt::green);
    pie->add(0, QStringLiteral("Empty"), Qt::cyan);
    pie->add(3, QStringLiteral("Cursor"), Qt::blue);
    pie->add(16, QStringLiteral("Bitmap"), Qt::yellow);
    pie->add(1, QStringLiteral("Font"), Qt::gray);

    const std::vector<PieSlice> slices = pie->slices();
    ASSERT_EQ(slices.size(), 4u);
    EXPECT_EQ(slices[2].label, QStringLiteral("Bitmap"));
    EXPECT_TRUE(slices[3].merged);
    EXPECT_EQ(slices[3].label, QStringLiteral("Other"));
    EXPECT_DOUBLE_EQ(slices[3].value, 4);
    EXPECT_EQ(PieSeries::biggest(slices), 1);

    const PieGeometry& geometry = *chart.currentLayout().pie;
    ASSERT_EQ(geometry.wedges.size(), 4u);
    EXPECT_DOUBLE_EQ(geometry.wedges[0].startDegrees, 60);
    EXPECT_NEAR(geometry.wedges[3].startDegrees + geometry.wedges[3].sweepDegrees, 420, 1e-9);
    EXPECT_TRUE(geometry.wedges[0].offset.isNull());
    EXPECT_NEAR(std::hypot(geometry.wedges[1].offset.x(), geometry.wedges[1].offset.y()),
                0.1 * geometry.radius, 1e-6);
    EXPECT_GT(geometry.radius, 50);

    pie->rotate(310);
    EXPECT_EQ(pie->startAngle(), 10);

    // A rest of the whole that no point names joins "Other", and every
    // share is of the whole; clearing the pie clears the rest.
    pie->setRest(100);
    EXPECT_DOUBLE_EQ(pie->slices().back().value, 104);
    EXPECT_EQ(pie->percentText(50), QStringLiteral("25 %"));
    pie->clear();
    EXPECT_EQ(pie->rest(), 0);
}

TEST_F(ChartSeriesTest, PieMarksAddTheEarlierShareOfTheEarlierWhole) {
    PieSeries* pie = chart.addPieSeries();
    pie->setOtherSlicePercent(5);
    pie->marks().visible = true;
    pie->marks().content = MarkContent::LabelAndPercent;
    pie->add(50, QStringLiteral("JPEG image"));
    pie->add(30, QStringLiteral("Disc image"));
    pie->add(2, QStringLiteral("Cursor"));
    pie->setRest(18);
    const auto marks = [pie] {
        QStringList out;
        for (const PieSlice& slice : pie->slices()) out << pie->markText(slice);
        return out.join(u'|').replace(QChar::Nbsp, u' ');
    };
    EXPECT_EQ(marks(), QStringLiteral("JPEG image 50 %|Disc image 30 %|Other 20 %"));

    // Shares of the earlier whole; a slice without an earlier value is new,
    // and "Other" was all that the named slices were not.
    pie->setEarlier(0, 40);
    pie->setEarlier(2, 10);
    pie->setEarlierRest(30);
    EXPECT_EQ(marks(), QStringLiteral("JPEG image 50 % (was 50 %)|Disc image 30 % (new)|"
                                      "Other 20 % (was 50 %)"));
    pie->marks().content = MarkContent::Value;
    EXPECT_EQ(marks(), QStringLiteral("50 (was 40)|30 (new)|20 (was 40)"));

    // The earlier part stays on one line when long labels break.
    pie->marks().content = MarkContent::LabelAndPercent;
    pie->add(20, QStringLiteral("translated messages (machine-readable) of every program"));
    for (const PieWedge& wedge : chart.currentLayout().pie->wedges)
        EXPECT_FALSE(wedge.markText.contains(QStringLiteral("(was\n")) ||
                     wedge.markText.contains(QStringLiteral("\n%)")))
            << wedge.markText.toStdString();
}

TEST_F(ChartSeriesTest, PieWithLongLabelsBreaksThemIntoLinesAndStillFillsItsPlot) {
    PieSeries* pie = chart.addPieSeries();
    pie->marks().visible = true;
    pie->marks().content = MarkContent::LabelAndPercent;
    const auto fill = [this, pie](bool longLabels) {
        pie->clear();
        for (int i = 0; i < 12; ++i)
            pie->add(12 - i,
                     longLabels ? QStringLiteral("translated messages %1 (machine-readable)").arg(i)
                                : QString(QChar('A' + i)));
        return chart.currentLayout().pie->radius;
    };
    const double shortRadius = fill(false);
    const double longRadius = fill(true);
    // On one line the labels would leave the pie no room at all.
    EXPECT_GT(longRadius, 0.4 * shortRadius);
    for (const PieWedge& wedge : chart.currentLayout().pie->wedges) {
        EXPECT_TRUE(wedge.markText.contains(u'\n')) << wedge.markText.toStdString();
        EXPECT_FALSE(wedge.markText.contains(QStringLiteral("\n%")))
            << wedge.markText.toStdString();
    }
    // The lines hang on the texts alone: a turning pie keeps its size.
    pie->rotate(45);
    EXPECT_DOUBLE_EQ(chart.currentLayout().pie->radius, longRadius);
}

TEST_F(ChartSeriesTest, MarksWriteValueOrShareThroughTheSeriesMasks) {
    BarSeries* bars = chart.addBarSeries(BarSeries::Orientation::Horizontal);
    bars->setPercentFormat(QStringLiteral("##0.# %"));
    bars->setValueFormat(QStringLiteral("#,##0.00 GB"));
    bars->add(1.5, QStringLiteral("0 - 16K"));
    bars->add(4.5, QStringLiteral("16K - 32K"));
    bars->marks().content = MarkContent::Percent;
    EXPECT_EQ(bars->markText(0), QStringLiteral("25 %"));
    bars->marks().content = MarkContent::Value;
    EXPECT_EQ(bars->markText(1), QStringLiteral("4.50 GB"));
    bars->marks().content = MarkContent::LabelAndPercent;
    EXPECT_EQ(bars->markText(1), QStringLiteral("16K - 32K 75 %"));
    EXPECT_EQ(bars->points()[0].color, bars->color());  // no colour given: the series'
}

TEST_F(ChartSeriesTest, LegendListsVisibleSeriesOrOneSeriesValuesInvertedOrNot) {
    LineSeries* modified = chart.addLineSeries();
    modified->setTitle(QStringLiteral("Modified time"));
    LineSeries* created = chart.addLineSeries();
    created->setTitle(QStringLiteral("Created time"));
    LineSeries* accessed = chart.addLineSeries();
    accessed->setTitle(QStringLiteral("Access Time"));
    accessed->setVisible(false);
    std::vector<LegendItem> items = chart.legendItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].text, QStringLiteral("Created time"));
    chart.legend().inverted = true;
    EXPECT_EQ(chart.legendItems()[0].text, QStringLiteral("Created time"));
    chart.legend().inverted = false;

    // Earlier values are listed after their series when the owner names
    // them, with a swatch that looks like them.
    modified->addXY(0, 3);
    modified->setEarlier(0, 2);
    EXPECT_EQ(chart.legendItems().size(), 2u);
    modified->setEarlierTitle(QStringLiteral("Modified time (earlier)"));
    items = chart.legendItems();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1].text, QStringLiteral("Modified time (earlier)"));
    EXPECT_EQ(items[1].swatch, LegendSwatch::Dashes);
    EXPECT_EQ(items[1].color, items[0].color);
    EXPECT_EQ(items[2].swatch, LegendSwatch::Box);
    // Inverted, the series turn round, each still followed by its earlier
    // values.
    chart.legend().inverted = true;
    items = chart.legendItems();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text, QStringLiteral("Created time"));
    EXPECT_EQ(items[2].text, QStringLiteral("Modified time (earlier)"));

    Chart sizes;
    BarSeries* bars = sizes.addBarSeries(BarSeries::Orientation::Horizontal);
    bars->setValueFormat(QStringLiteral("#,##0.#"));
    bars->add(1.5, QStringLiteral("0 - 16K"), Qt::red);
    bars->add(1234, QStringLiteral("16K - 32K"), Qt::green);
    sizes.legend().style = LegendStyle::Values;
    sizes.legend().inverted = true;
    items = sizes.legendItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, QStringLiteral("16K - 32K"));
    EXPECT_EQ(items[0].value, QStringLiteral("1,234"));
    EXPECT_EQ(items[1].value, QStringLiteral("1.5"));
    EXPECT_EQ(items[1].color, QColor(Qt::red));

    // A white bar would melt into the white wall: it is drawn, and listed,
    // in a tone that stands out; the red one keeps its colour.
    bars->add(7, QStringLiteral("8MB - 16MB"), Qt::white);
    sizes.resize(500, 300);
    const ChartLayout& layout = sizes.currentLayout();
    ASSERT_EQ(layout.bars.size(), 3u);
    EXPECT_EQ(layout.bars[0].color, QColor(Qt::red));
    const QColor tone = layout.bars[2].color;
    EXPECT_LT(tone.lightness(), 220);
    EXPECT_EQ(sizes.legendItems()[0].color, tone);
    // On a dark wall white stands out by itself.
    sizes.backWall().color = Qt::darkBlue;
    EXPECT_EQ(sizes.currentLayout().bars[2].color, QColor(Qt::white));
    // Earlier values drawn in the bars' colours are named once, last, with
    // no value, and take the values' room for their text.
    bars->setEarlier(1, 1000);
    bars->setEarlierTitle(QStringLiteral("Run of 08/12/2026 18:38"));
    items = sizes.legendItems();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[3].text, QStringLiteral("Run of 08/12/2026 18:38"));
    EXPECT_EQ(items[3].swatch, LegendSwatch::Outline);
    EXPECT_TRUE(items[3].value.isEmpty());
    const QRectF legendWithEarlier = sizes.currentLayout().legendRect;
    bars->setEarlierTitle({});
    EXPECT_EQ(sizes.legendItems().size(), 3u);
    EXPECT_LT(sizes.currentLayout().legendRect.width(), legendWithEarlier.width());
}

TEST_F(ChartSeriesTest, StackedBarsSitOnTheSeriesBeforeAndHiddenSeriesAreNotDrawn) {
    BarSeries* used = chart.addBarSeries();
    BarSeries* free = chart.addBarSeries();
    used->add(6, QStringLiteral("c"));
    free->add(4, QStringLiteral("c"));
    used->add(15, QStringLiteral("d"));
    free->add(5, QStringLiteral("d"));
    const ChartLayout& layout = chart.currentLayout();
    ASSERT_EQ(layout.bars.size(), 4u);
    const BarBox& usedC = layout.bars[0];
    const BarBox& freeC = layout.bars[2];
    EXPECT_EQ(freeC.series, 1);
    EXPECT_FLOAT_EQ(freeC.low.y(), usedC.high.y());
    EXPECT_FLOAT_EQ(freeC.high.y(), layout.world(0, 10).y());
    EXPECT_GE(layout.vScale.maximum(), 20);
    ASSERT_EQ(layout.categoryLabels.size(), 2u);
    EXPECT_EQ(layout.categoryLabels[1].text, QStringLiteral("d"));

    used->setVisible(false);
    const ChartLayout& hidden = chart.currentLayout();
    ASSERT_EQ(hidden.bars.size(), 2u);
    EXPECT_EQ(hidden.bars[0].series, 1);
    EXPECT_FLOAT_EQ(hidden.bars[0].low.y(), 0);
}

TEST_F(ChartSeriesTest, EarlierValuesStandBesideTheirBarsWithinTheBarsBand) {
    for (const bool lying : {false, true}) {
        Chart bars;
        bars.resize(500, 300);
        const auto orientation =
            lying ? BarSeries::Orientation::Horizontal : BarSeries::Orientation::Vertical;
        BarSeries* used = bars.addBarSeries(orientation);
        BarSeries* free = bars.addBarSeries(orientation);
        const int across = lying ? 1 : 0, along = 1 - across;  // world axes
        used->add(10);
        used->add(0);  // gone now, there before
        free->add(5);
        free->add(4);
        const BarBox alone = bars.currentLayout().bars[0];
        used->setEarlier(0, 12);
        used->setEarlier(1, 30);
        free->setEarlier(0, 6);
        const ChartLayout& layout = bars.currentLayout();
        const BarBox& now = layout.bars[0];
        const BarBox& was = layout.bars[1];
        ASSERT_TRUE(was.earlier && !now.earlier);
        // The pair shares the band the bar had alone, the outline first as
        // the axis is read: left of an upright bar, above a lying one.
        EXPECT_GE(std::min(now.low[across], was.low[across]), alone.low[across] - 1e-3);
        EXPECT_LE(std::max(now.high[across], was.high[across]), alone.high[across] + 1e-3);
        if (lying)
            EXPECT_GE(was.low[across], now.high[across] - 1e-3);
        else
            EXPECT_LE(was.high[across], now.low[across] + 1e-3);
        // Earlier values stack on earlier values; the axis reaches the highest.
        const auto freeWas =
            std::find_if(layout.bars.begin(), layout.bars.end(),
                         [](const BarBox& b) { return b.series == 1 && b.earlier; });
        ASSERT_NE(freeWas, layout.bars.end());
        EXPECT_FLOAT_EQ(freeWas->high[along], layout.world(18, 18)[along]);
        EXPECT_GE(lying ? layout.hScale.maximum() : layout.vScale.maximum(), 30);
    }
}

TEST_F(ChartSeriesTest, RightAxisShowsOnlyWhenASeriesIsPlottedAgainstIt) {
    BarSeries* bars = chart.addBarSeries();
    bars->add(12);
    const double plain = chart.currentLayout().plotArea.right();
    EXPECT_FALSE(chart.currentLayout().rightAxis);

    bars->setValueAxes(ChartSeries::ValueAxes::LeftAndRight);
    EXPECT_TRUE(chart.currentLayout().rightAxis);
    EXPECT_LT(chart.currentLayout().plotArea.right(), plain - 10);  // room for its labels

    chart.rightAxis().visible = false;
    EXPECT_FALSE(chart.currentLayout().rightAxis);
}

TEST_F(ChartSeriesTest, SideBySideBarsStandApartInOffsetOrderEachGroupOnItsLabel) {
    constexpr int kGroups = 10;
    for (const int offset : {-25, 0, 25}) {
        BarSeries* series = chart.addBarSeries(BarSeries::Orientation::Horizontal);
        series->setBarWidthPercent(40);
        series->setSideBySide(true);
        series->setOffsetPercent(offset);
        for (int k = 0; k < kGroups; ++k) series->add(10 + k, QString::number(k));
    }
    chart.setDepthPercent(20);
    const ChartLayout& layout = chart.currentLayout();
    ASSERT_EQ(layout.bars.size(), 3u * kGroups);
    EXPECT_TRUE(layout.horizontalBars);
    const BarBox* first[3] = {&layout.bars[0], &layout.bars[kGroups], &layout.bars[2 * kGroups]};
    for (const BarBox* bar : first) EXPECT_FLOAT_EQ(bar->low.x(), 0);  // all from zero
    EXPECT_LE(first[0]->high.y(), first[1]->low.y() + 1e-3);
    EXPECT_LE(first[1]->high.y(), first[2]->low.y() + 1e-3);
    EXPECT_GT(first[0]->high.y() - first[0]->low.y(), 0);
    EXPECT_GT(first[0]->high.z(), 0);  // still bars in depth

    // What each group covers on screen, top faces included: the groups keep
    // clear of one another and each label lies at the middle of its own.
    std::vector<double> top(kGroups, 1e9), bottom(kGroups, -1e9);
    for (const BarBox& bar : layout.bars) {
        const QPointF farTop = layout.projection.project({bar.low.x(), bar.high.y(), bar.high.z()});
        top[bar.point] = std::min(top[bar.point], farTop.y());
        bottom[bar.point] = std::max(bottom[bar.point], layout.projection.project(bar.low).y());
    }
    for (int k = 0; k < kGroups; ++k) {
        const double label = layout.projection.project(layout.categoryAnchor(k)).y();
        EXPECT_NEAR(label, (top[k] + bottom[k]) / 2, 0.5) << k;
        if (k + 1 < kGroups) {
            EXPECT_LE(bottom[k + 1], top[k] + 1e-3) << k;
        }
    }
}

TEST_F(ChartSeriesTest, PointsPerPageShowOnePageOfPoints) {
    LineSeries* line = chart.addLineSeries();
    for (int s = 0; s < 48; ++s) line->addXY(s, s * 2);
    chart.setPointsPerPage(47);
    EXPECT_EQ(chart.pageCount(), 2);
    EXPECT_EQ(chart.currentLayout().lastPoint, 46);
    EXPECT_EQ(chart.currentLayout().lines[0].points.size(), 47u);
    chart.setPage(5);
    EXPECT_EQ(chart.page(), 2);
    EXPECT_EQ(chart.currentLayout().firstPoint, 47);
    EXPECT_EQ(chart.currentLayout().lines[0].points.size(), 1u);

    // The earlier line runs through the points that had a value, in the
    // lane behind its line.
    for (const int s : {0, 20, 47}) line->setEarlier(s, 200);
    chart.setPage(1);
    const ChartLayout& layout = chart.currentLayout();
    ASSERT_EQ(layout.lines.size(), 2u);
    EXPECT_TRUE(layout.lines[1].earlier);
    EXPECT_EQ(layout.lines[1].points.size(), 2u);
    EXPECT_GT(layout.lines[1].points[0].z(), layout.lines[0].points[0].z());
    EXPECT_GE(layout.vScale.maximum(), 200);
}

}  // namespace
}  // namespace quarvo
