#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "tests/fakes/sample_statistics.h"
#include "tests/ui/statistics_window_fixture.h"
#include "toolkit/chart/chart_readout.h"

namespace quarvo {
namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;

// Where a chart's bars are seen centred, top faces included, on its page.
std::vector<double> barMiddles(Chart& chart) {
    const ChartLayout& layout = chart.currentLayout();
    std::vector<double> out;
    for (const BarBox& bar : layout.bars)
        out.push_back(chart.y() + layout.projection.project((bar.low + bar.high) / 2).y());
    return out;
}

// The middles of row labels, the bottom row first as bars are added.
std::vector<double> rowMiddles(std::initializer_list<const QLabel*> bottomFirst) {
    std::vector<double> out;
    for (const QLabel* label : bottomFirst) out.push_back(label->y() + label->height() / 2.0);
    return out;
}

// A bar stands beside its label within a tenth of a row.
constexpr double kBesideRow = 2.5;

class OverhangPageTest : public StatisticsWindowTest {
protected:
    // A one-drive run that selected a single file of size bytes.
    void oneFile(std::int64_t size, std::int32_t clusterSize) {
        StatisticsCollector& c = window().collector;
        c.clearVariables();
        Tallies& t = c.tallies();
        t.sizeBandBytes[StatisticsCollector::sizeBand(size)] += size;
        t.filesSelected = 1;
        std::int64_t* const overhangs[] = {&t.overhang4K, &t.overhang8K, &t.overhang16K,
                                           &t.overhang32K, &t.overhang64K};
        std::int64_t cluster = 4096;
        for (std::int64_t* overhang : overhangs) {
            if (size % cluster != 0) *overhang = cluster - size % cluster;
            cluster *= 2;
        }
        if (clusterSize > 0 && size % clusterSize != 0)
            t.overhangActual = clusterSize - size % clusterSize;
        c.clusterSize = clusterSize;
    }
    QStringList wasted() {
        QStringList texts;
        for (QLabel* label : {window().overhangPage->lblOver1, window().overhangPage->lblOver2,
                              window().overhangPage->lblOver3, window().overhangPage->lblOver4,
                              window().overhangPage->lblOver5})
            texts << label->text();
        return texts;
    }
};

TEST_F(OverhangPageTest, OneByteOnFourKilobyteClustersPointsAtFourK) {
    oneFile(1, 4096);
    TfrmStatistics& w = window();
    w.overhangPage->doOverHang();
    EXPECT_EQ(wasted(), QStringList({"4,095", "8,191", "16,383", "32,767", "65,535"}));
    EXPECT_FALSE(w.overhangPage->imArrow->isHidden());
    EXPECT_EQ(w.overhangPage->imArrow->y(), w.overhangPage->lblCSize1->y());
    EXPECT_TRUE(w.overhangPage->pnlCluster->isHidden());
    EXPECT_FALSE(w.overhangPage->pnlOverhang->isHidden());
    EXPECT_EQ(w.overhangPage->lblNumFiles->text(), "Number of files scanned: 1");
    EXPECT_EQ(w.overhangPage->lblSize->text(), "0 KB");
    EXPECT_EQ(w.overhangPage->lblLbl->text(), "Actual space used 4 KB");
    // One bar per cluster size, 64K first, each just under 100 percent.
    std::vector<double> expected;
    for (double cluster : {65536.0, 32768.0, 16384.0, 8192.0, 4096.0})
        expected.push_back(100 * (cluster - 1) / cluster);
    EXPECT_THAT(values(*w.overhangPage->Series9), Pointwise(DoubleNear(1e-9), expected));
    for (const ChartPoint& bar : w.overhangPage->Series9->points())
        EXPECT_EQ(bar.color, QColor(255, 0, 0));
    // A screen reader reads each bar with its cluster size.
    const auto readouts = chartReadouts(*w.overhangPage->chartOverhang);
    ASSERT_EQ(readouts.size(), 5u);
    EXPECT_EQ(readouts.back().text, "4K clusters: 100.0 %");
    EXPECT_EQ(w.overhangPage->Series9->markText(4), "100.0 %");
}

TEST_F(OverhangPageTest, ArrowFollowsTheClusterSizeOrGivesWayToTheCover) {
    TfrmStatistics& w = window();
    oneFile(6000, 65536);
    w.overhangPage->doOverHang();
    EXPECT_EQ(w.overhangPage->imArrow->y(), w.overhangPage->lblCSize5->y());
    EXPECT_EQ(w.overhangPage->imArrow->x(), 229);
    EXPECT_EQ(w.overhangPage->lblLbl->text(), "Actual space used 64 KB");

    // A unit without a row: the arrow at the nearest one, the space used at
    // the unit itself.
    oneFile(6000, 2048);
    w.overhangPage->doOverHang();
    EXPECT_EQ(w.overhangPage->imArrow->y(), w.overhangPage->lblCSize1->y());
    EXPECT_TRUE(w.overhangPage->pnlCluster->isHidden());
    EXPECT_EQ(w.overhangPage->lblLbl->text(), "Actual space used 6 KB");

    // A drive whose unit could not be found.
    oneFile(6000, 0);
    w.overhangPage->doOverHang();
    EXPECT_TRUE(w.overhangPage->imArrow->isHidden());
    EXPECT_FALSE(w.overhangPage->pnlCluster->isHidden());
    EXPECT_EQ(w.overhangPage->pnlCluster->text(),
              "Cluster overhang analysis is not applicable to this drive.");
    // The figures beneath the cover are filled all the same.
    EXPECT_EQ(w.overhangPage->lblOver1->text(), "2,192");
    EXPECT_EQ(w.overhangPage->Series9->count(), 5);

    oneFile(6000, 8192);
    w.overhangPage->drawClusterArrow();
    EXPECT_EQ(w.overhangPage->imArrow->y(), w.overhangPage->lblCSize2->y());
    EXPECT_TRUE(w.overhangPage->pnlCluster->isHidden());
}

TEST_F(OverhangPageTest, NoBytesDisableThePageAndLeaveItAsItWas) {
    TfrmStatistics& w = window();
    oneFile(1, 4096);
    w.overhangPage->doOverHang();
    ASSERT_TRUE(w.OvcNotebook1->isPageEnabled(TfrmStatistics::kOverhangPage));
    oneFile(0, 4096);
    w.overhangPage->doOverHang();
    EXPECT_FALSE(w.OvcNotebook1->isPageEnabled(TfrmStatistics::kOverhangPage));
    EXPECT_EQ(w.overhangPage->lblOver1->text(), "4,095");
    EXPECT_EQ(w.overhangPage->Series9->count(), 5);
}

TEST_F(OverhangPageTest, SampleRunInMegabytes) {
    TfrmStatistics& w = window();
    testing::fillSampleStatistics(w.collector);
    w.overhangPage->doOverHang();
    EXPECT_EQ(w.overhangPage->lblSize->text(), "69,388 MB");
    EXPECT_EQ(w.overhangPage->lblLbl->text(), "Actual space used 69,529 MB");
    EXPECT_EQ(w.overhangPage->lblNumFiles->text(), "Number of files scanned: 72,147");
    EXPECT_EQ(w.overhangPage->lblOver5->text(), "2,999,975,936");
    EXPECT_NEAR(w.overhangPage->Series9->points()[0].value, 100.0 * 2861 / (2861 + 69388), 1e-9);
    // A small share keeps its decimal rather than read "0 %".
    EXPECT_EQ(w.overhangPage->Series9->markText(4), "0.2 %");
    EXPECT_THAT(barMiddles(*w.overhangPage->chartOverhang),
                Pointwise(DoubleNear(kBesideRow),
                          rowMiddles({w.overhangPage->lblCSize5, w.overhangPage->lblCSize4,
                                      w.overhangPage->lblCSize3, w.overhangPage->lblCSize2,
                                      w.overhangPage->lblCSize1})));
}

TEST_F(OverhangPageTest, NoteFitsItsBoxWithNoWordAloneOnALine) {
    TfrmStatistics& w = window();
    w.OvcNotebook1->setPageIndex(TfrmStatistics::kOverhangPage);
    w.show();
    QApplication::processEvents();
    EXPECT_EQ(w.overhangPage->Memo1->verticalScrollBar()->maximum(), 0);
    int lines = 0;
    for (QTextBlock block = w.overhangPage->Memo1->document()->begin(); block.isValid();
         block = block.next()) {
        const QTextLayout& layout = *block.layout();
        for (int i = 0; i < layout.lineCount(); ++i, ++lines) {
            const QTextLine line = layout.lineAt(i);
            const QString text = block.text().mid(line.textStart(), line.textLength()).trimmed();
            EXPECT_TRUE(text.isEmpty() || text.contains(u' ')) << text.toStdString();
        }
    }
    EXPECT_GT(lines, 5);  // the note is there, wrapped
}

class AttributePageTest : public StatisticsWindowTest {
protected:
    Tallies& tallies() { return window().collector.tallies(); }
    QStringList labels(std::initializer_list<QLabel*> list) {
        QStringList texts;
        for (QLabel* label : list) texts << label->text();
        return texts;
    }
};

TEST_F(AttributePageTest, TwoHiddenSystemFilesShareTheBarsEvenly) {
    TfrmStatistics& w = window();
    for (int i = 0; i < 2; ++i) w.collector.collectFileAttr(0x02 | 0x04, 1500);
    w.attributePage->doFileAttrs();
    EXPECT_EQ(labels({w.attributePage->lblNHidden, w.attributePage->lblNReadOnly,
                      w.attributePage->lblNSystem, w.attributePage->lblNArchive}),
              QStringList({"2", "0", "2", "0"}));
    EXPECT_EQ(labels({w.attributePage->lblSzHidden, w.attributePage->lblSzReadOnly,
                      w.attributePage->lblSzSystem, w.attributePage->lblSzArchive}),
              QStringList({"3,000", "0", "3,000", "0"}));
    // Archive, system, read-only, hidden: the bottom bar first.
    EXPECT_THAT(values(*w.attributePage->HorizBarSeries4), ElementsAre(0, 50, 0, 50));
    EXPECT_THAT(values(*w.attributePage->HorizBarSeries5), ElementsAre(0, 50, 0, 50));
    EXPECT_EQ(w.attributePage->HorizBarSeries4->points()[1].color, QColor(255, 0, 0));
    EXPECT_EQ(w.attributePage->HorizBarSeries5->points()[1].color, QColor(0, 0, 255));
    EXPECT_EQ(w.attributePage->HorizBarSeries4->markText(1), "50 %");
}

TEST_F(AttributePageTest, EmptyFilesFillOnlyTheCountChartAndNoFilesNeither) {
    TfrmStatistics& w = window();
    w.collector.collectFileAttr(0x01, 0);
    w.collector.collectFileAttr(0x20, 0);
    w.collector.collectFileAttr(0x20, 0);
    w.attributePage->doFileAttrs();
    EXPECT_THAT(values(*w.attributePage->HorizBarSeries4),
                Pointwise(DoubleNear(1e-9), {200.0 / 3, 0.0, 100.0 / 3, 0.0}));
    EXPECT_EQ(w.attributePage->HorizBarSeries5->count(), 0);

    // The next run holds no attribute at all: both charts end up empty.
    w.collector.clearVariables();
    w.attributePage->doFileAttrs();
    EXPECT_EQ(w.attributePage->HorizBarSeries4->count(), 0);
    EXPECT_EQ(w.attributePage->lblNReadOnly->text(), "0");
}

TEST_F(AttributePageTest, SampleRunFiguresAndSharesAddUpToAHundred) {
    TfrmStatistics& w = window();
    testing::fillSampleStatistics(w.collector);
    w.attributePage->doFileAttrs();
    w.attributePage->doFileAttrs();
    EXPECT_EQ(labels({w.attributePage->lblNHidden, w.attributePage->lblNReadOnly,
                      w.attributePage->lblNSystem, w.attributePage->lblNArchive}),
              QStringList({"14,120", "2,310", "41", "72,106"}));
    EXPECT_EQ(w.attributePage->lblSzSystem->text(), "2,097,152");
    for (const BarSeries* series :
         {w.attributePage->HorizBarSeries4, w.attributePage->HorizBarSeries5}) {
        ASSERT_EQ(series->count(), 4);
        EXPECT_NEAR(series->total(), 100, 1e-9);
    }
    EXPECT_EQ(w.attributePage->HorizBarSeries4->markText(3), "15.94 %");
    // Each bar lies beside its row's caption, archive at the bottom.
    std::map<QString, const QLabel*> captions;
    // The page's own captions, not those of the table of changes.
    for (const QLabel* label : w.attributePage->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        captions[label->text()] = label;
    const std::vector<double> rows = rowMiddles(
        {captions["Archive"], captions["System"], captions["Read-only"], captions["Hidden"]});
    for (Chart* chart : {w.attributePage->Chart2, w.attributePage->Chart3})
        EXPECT_THAT(barMiddles(*chart), Pointwise(DoubleNear(kBesideRow), rows));
}

TEST_F(AttributePageTest, LargeFiguresShowWholeAndClearOfTheChartsBesideThem) {
    TfrmStatistics& w = window();
    testing::fillSampleStatistics(w.collector);
    w.attributePage->doFileAttrs();
    const QRect usual = w.attributePage->Chart3->geometry();
    tallies().readOnlyCount = 2'147'483'647;
    tallies().readOnlyBytes = 123'456'789'012'345LL;
    tallies().hiddenBytes = 1'234'567'890'123LL;
    w.attributePage->doFileAttrs();
    const std::pair<QLabel*, Chart*> columns[] = {
        {w.attributePage->lblNReadOnly, w.attributePage->Chart2},
        {w.attributePage->lblSzReadOnly, w.attributePage->Chart3},
        {w.attributePage->lblSzHidden, w.attributePage->Chart3}};
    for (const auto& [label, chart] : columns) {
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_GE(label->width(), textWidth) << label->text().toStdString();
        EXPECT_LT(chart->geometry().right(), label->geometry().right() - textWidth)
            << label->text().toStdString();
    }
    EXPECT_EQ(w.attributePage->lblSzReadOnly->geometry().right(),
              w.attributePage->lblSzHidden->geometry().right());
    // Back to the sample's figures, the chart has its room again.
    testing::fillSampleStatistics(w.collector);
    w.attributePage->doFileAttrs();
    EXPECT_EQ(w.attributePage->Chart3->geometry(), usual);
}

}  // namespace
}  // namespace quarvo
