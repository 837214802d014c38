#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "tests/fakes/scripted_dialogs.h"
#include "tests/toolkit/chart_test_application.h"
#include "toolkit/chart/chart.h"

namespace quarvo {
namespace {

class ChartWidgetTest : public ::testing::Test, protected testing::WithApplication {
protected:
    void SetUp() override {
        fill(chart);
        chart.set3D(false);
    }

    static void fill(Chart& chart) {
        chart.resize(400, 300);
        chart.legend().visible = false;
        BarSeries* bars = chart.addBarSeries();
        for (int i = 0; i < 4; ++i) bars->add(10 * (i + 1), QString::number(i), Qt::red);
    }

    void mouse(QEvent::Type type, const QPoint& at) {
        QMouseEvent event(type, at, chart.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    }

    void drag(const QPoint& from, const QPoint& to) {
        mouse(QEvent::MouseButtonPress, from);
        mouse(QEvent::MouseMove, to);
        mouse(QEvent::MouseButtonRelease, to);
    }

    Chart chart;
};

TEST_F(ChartWidgetTest, DraggingRightZoomsInAndDraggingLeftUndoes) {
    const AxisWindow full = chart.currentLayout().shownWindow();
    const QRectF plot = chart.currentLayout().plotArea;
    int clicks = 0;
    QObject::connect(&chart, &Chart::clicked, [&clicks] { ++clicks; });

    drag(plot.topLeft().toPoint(), plot.center().toPoint());
    ASSERT_TRUE(chart.isZoomed());
    const AxisWindow zoomed = chart.currentLayout().shownWindow();
    EXPECT_NEAR(zoomed.hMin, full.hMin, 0.05);
    EXPECT_NEAR(zoomed.hMax, (full.hMin + full.hMax) / 2, 0.05);
    EXPECT_NEAR(zoomed.vMin, (full.vMin + full.vMax) / 2, 0.5);

    drag(plot.center().toPoint(), plot.topLeft().toPoint());
    EXPECT_FALSE(chart.isZoomed());
    EXPECT_DOUBLE_EQ(chart.currentLayout().shownWindow().hMax, full.hMax);

    mouse(QEvent::MouseButtonPress, {50, 50});
    mouse(QEvent::MouseButtonRelease, {51, 50});
    EXPECT_EQ(clicks, 1);
}

TEST_F(ChartWidgetTest, AnimatedZoomMovesStepByStepOnTheTimer) {
    chart.setZoomAnimated(true);
    const AxisWindow full = chart.currentLayout().shownWindow();
    const QRectF plot = chart.currentLayout().plotArea;
    chart.zoomToRect(QRectF(plot.topLeft(), plot.center()));
    EXPECT_TRUE(chart.isZoomAnimating());
    chart.zoomTimerTick();
    const double firstStep = chart.currentLayout().shownWindow().hMax;
    EXPECT_LT(firstStep, full.hMax);
    EXPECT_GT(firstStep, (full.hMin + full.hMax) / 2 + 0.05);
    for (int tick = 0; tick < 10; ++tick) chart.zoomTimerTick();
    EXPECT_FALSE(chart.isZoomAnimating());
    EXPECT_NEAR(chart.currentLayout().shownWindow().hMax, (full.hMin + full.hMax) / 2, 0.05);

    chart.undoZoom();
    EXPECT_TRUE(chart.isZoomed());  // still on its way back
    for (int tick = 0; tick < 8; ++tick) chart.zoomTimerTick();
    EXPECT_FALSE(chart.isZoomed());
}

TEST_F(ChartWidgetTest, HiddenSeriesLeaveNoPixels) {
    const BarBox bar = chart.currentLayout().bars.back();
    const QPoint inside =
        chart.currentLayout().projection.project((bar.low + bar.high) / 2).toPoint();
    EXPECT_EQ(testing::renderChart(chart).pixelColor(inside), QColor(Qt::red));
    chart.series(0)->setVisible(false);
    EXPECT_NE(testing::renderChart(chart).pixelColor(inside), QColor(Qt::red));

    // An earlier value is an outline over a faint wash, not one more bar.
    chart.series(0)->setVisible(true);
    chart.series(0)->setEarlier(3, 40);
    const BarBox outline = chart.currentLayout().bars.back();
    ASSERT_TRUE(outline.earlier);
    const QColor wash = testing::renderChart(chart).pixelColor(
        chart.currentLayout().projection.project((outline.low + outline.high) / 2).toPoint());
    EXPECT_GT(wash.lightness(), QColor(Qt::red).lightness());
    EXPECT_GT(wash.red(), wash.green());
}

TEST_F(ChartWidgetTest, SteppingZoomAndDepthGrowsTheProjectedBox) {
    chart.set3D(true);
    chart.setView3D({true, 25, 20, 280, 280, 100, false});
    const auto reach = [this] {
        const ChartLayout& layout = chart.currentLayout();
        return QLineF(layout.projection.project({0, 0, 0}), layout.projection.project(layout.box))
            .length();
    };
    double last = reach();
    for (int step = 0; step < 5; ++step) {
        chart.setZoomPercent(chart.view3D().zoomPercent + 2);
        chart.setRotation(chart.view3D().rotation + 2);
        chart.setElevation(chart.view3D().elevation + 2);
        EXPECT_GT(reach(), last);
        last = reach();
    }
    chart.setView3D({true, 25, 100, 360, 360, 100, true});
    const float shallow = chart.currentLayout().box.z();
    chart.setDepthPercent(61);
    EXPECT_GT(chart.currentLayout().box.z(), shallow);

    // However it got there, a chart draws as one given its view and data
    // at once: the steps keep nothing of the views or data before.
    chart.series(0)->setEarlier(2, 55);
    testing::renderChart(chart);
    chart.setOrthogonal(false);
    chart.setRotation(300);
    Chart fresh;
    fill(fresh);
    fresh.series(0)->setEarlier(2, 55);
    fresh.setView3D(chart.view3D());
    EXPECT_EQ(testing::renderChart(chart), testing::renderChart(fresh));
}

TEST_F(ChartWidgetTest, PagedPointsAreReachedByKeysAndThePager) {
    EXPECT_TRUE(chart.pager()->isHidden());
    EXPECT_EQ(chart.focusPolicy(), Qt::NoFocus);
    const double fullHeight = chart.currentLayout().chartRect.height();

    LineSeries* line = chart.addLineSeries();
    for (int s = 0; s < 48; ++s) line->addXY(s, s % 7, QString::number(s));
    chart.setPointsPerPage(47);
    std::vector<int> pages;
    QObject::connect(&chart, &Chart::pageChanged, [&pages](int page) { pages.push_back(page); });
    ASSERT_FALSE(chart.pager()->isHidden());
    EXPECT_EQ(chart.focusPolicy(), Qt::StrongFocus);
    // The pager takes its strip off the drawing rather than covering it,
    // and keeps clear of the corners the owner asks for.
    EXPECT_LE(chart.currentLayout().chartRect.height(), fullHeight - chart.pager()->height());
    chart.setPagerInsets(30, 20);
    EXPECT_EQ(chart.pager()->geometry(), QRect(30, chart.height() - chart.pager()->height(),
                                               chart.width() - 50, chart.pager()->height()));

    const auto key = [this](int code) {
        QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    };
    key(Qt::Key_PageDown);
    EXPECT_EQ(chart.currentLayout().firstPoint, 47);  // the 48th point, alone on its page
    EXPECT_EQ(chart.pager()->value(), 2);
    // A lone point of a line is still drawn (here on the plot's top edge).
    const ChartLayout& layout = chart.currentLayout();
    const QPointF lone = layout.projection.project(layout.lines[0].points[0]);
    EXPECT_EQ(testing::renderChart(chart).pixelColor(lone.toPoint() + QPoint(0, 1)), line->color());
    key(Qt::Key_PageDown);
    key(Qt::Key_Home);
    key(Qt::Key_End);
    key(Qt::Key_PageUp);
    EXPECT_EQ(pages, (std::vector<int>{2, 1, 2, 1}));

    chart.pager()->setValue(2);
    EXPECT_EQ(chart.page(), 2);
    chart.setPointsPerPage(0);
    EXPECT_TRUE(chart.pager()->isHidden());
    EXPECT_EQ(chart.currentLayout().lastPoint, 47);
}

TEST_F(ChartWidgetTest, PrintPreviewPaintsTheChartOnOnePdfPage) {
    testing::ScriptedDialogs dialogs;
    chart.printPreview();
    ASSERT_EQ(dialogs.previews, 1);
    ASSERT_TRUE(dialogs.lastPreviewPaint);

    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("chart.pdf")));
    dialogs.lastPreviewPaint(&printer);

    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
    EXPECT_GT(content.size(), 2000);
}

}  // namespace
}  // namespace quarvo
