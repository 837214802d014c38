// The drive overview: the chart of used and free space per drive, and the
// animations that bring it on screen (zoom and turn, then depth) and take it
// off again (depth, then zoom) before the window closes.
#include "app/frm_main.h"
#include "app/pixel_font.h"
#include "app/window_colors.h"
#include "system/drive_space.h"
#include "views/frm_statistics.h"

namespace quarvo {
namespace {

const QString gbAxisFormat = QStringLiteral("#,##0.0## GB");

void setUpSpaceSeries(BarSeries& series, const QColor& color, int markDistance) {
    series.setColor(color);
    series.setBarWidthPercent(65);
    series.setSideMargins(false);
    series.setValueAxes(ChartSeries::ValueAxes::LeftAndRight);
    series.setValueFormat(QStringLiteral("#,##0.00 GB"));
    SeriesMarks& marks = series.marks();
    marks.visible = true;
    marks.content = MarkContent::Value;
    marks.font = pixelFont(QStringLiteral("Arial"), 11);
    marks.textColor = colors::white;
    marks.boxColor = color;
    marks.arrowLength = 0;
    marks.distance = markDistance;
}

void setUpValueAxis(ChartAxis& axis, int labelPixels) {
    axis.labelFont = pixelFont(QStringLiteral("Times New Roman"), labelPixels);
    axis.labelColor = colors::white;
    axis.valueFormat = gbAxisFormat;
}

}  // namespace

void TfrmMain::setUpChart() {
    Chart& chart = *chartSpaceBar;
    ChartBackground& background = chart.background();
    background.gradient = true;
    background.gradientBottom = colors::black;
    background.gradientTop = colors::blue;
    chart.backWall().transparent = true;
    chart.leftWall().transparent = true;
    chart.leftWall().color = QColor(128, 128, 192);
    chart.bottomWall().color = QColor(128, 128, 255);
    chart.margins() = ChartMargins{.left = 2, .top = 11, .right = 2, .bottom = 9};
    chart.title().visible = false;
    chart.legend().visible = false;
    chart.setAccessibleName(QStringLiteral("Used and free space by drive"));
    chart.setZoomEnabled(true);
    chart.setZoomAnimated(true);
    chart.setPerspective(100);
    setUpAxes();
    setUpSeries();
}

void TfrmMain::setUpAxes() {
    ChartAxis& bottom = chartSpaceBar->bottomAxis();
    bottom.labelFont = pixelFont(QStringLiteral("Arial"), 16);
    bottom.labelColor = colors::white;
    bottom.minorTicksVisible = false;
    ChartAxis& left = chartSpaceBar->leftAxis();
    setUpValueAxis(left, 12);
    left.lineVisible = false;
    left.tickColor = colors::white;
    left.minorTicksVisible = false;
    setUpValueAxis(chartSpaceBar->rightAxis(), 13);
}

// Used space first, so that it forms the lower part of each bar.
void TfrmMain::setUpSeries() {
    Series5 = chartSpaceBar->addBarSeries();
    setUpSpaceSeries(*Series5, colors::blue, -24);
    Series5->setStyle(BarSeries::Style::Gradient);
    Series4 = chartSpaceBar->addBarSeries();
    setUpSpaceSeries(*Series4, colors::fuchsia, 10);
    // Shown by no legend; a screen reader reads a bar's parts as "c Used:
    // 12.34 GB" and "c Free: 5.00 GB", the drive named as the axis shows it.
    Series5->setTitle(QStringLiteral("Used"));
    Series4->setTitle(QStringLiteral("Free"));
}

// One bar per ready drive of the statistics window's drive list, whether
// chosen there or not, and a Total bar when there are several.
void TfrmMain::doDiskSize() {
    Series4->clear();
    Series5->clear();
    const auto addBar = [this](const QString& label, double freeBytes, double totalBytes) {
        Series4->add(toGigabytes(freeBytes), label, colors::fuchsia);
        Series5->add(toGigabytes(totalBytes - freeBytes), label, colors::blue);
    };
    if (!statistics_) return;
    DriveSize sum;
    int plotted = 0;
    for (const std::string& entry : statistics_->spacePage->driveEntries()) {
        const char letter = entry.empty() ? '\0' : entry.front();
        if (letter == '\0' || !driveReady(services_.volumes, letter)) continue;
        const DriveSize size = driveSpace(services_.volumes, driveRoot(letter));
        if (size.totalBytes < 0) continue;
        sum.freeBytes += size.freeBytes;
        sum.totalBytes += size.totalBytes;
        ++plotted;
        addBar(QString(QChar::fromLatin1(letter)), size.freeBytes, size.totalBytes);
    }
    if (plotted > 1) addBar(QStringLiteral("Total"), sum.freeBytes, sum.totalBytes);
}

void TfrmMain::startOpening() {
    isOpening = true;
    ChartView3D view = chartSpaceBar->view3D();
    view.zoomPercent = 20;
    view.rotation = 280;
    view.elevation = 280;
    view.orthogonal = false;
    view.depthPercent = 25;
    chartSpaceBar->setView3D(view);
    Timer2->start();
}

void TfrmMain::chartSpaceBarDblClick() {
    setLabelsVisible(false);
    chartSpaceBar->setHint(QString());
    startOpening();
}

// Fewer drives make wider bars, which take a deeper view.
void TfrmMain::chooseDepthSteps() {
    const auto n = statistics_ ? statistics_->spacePage->driveEntries().size() : 0;
    if (n <= 3) {
        depthStep = 4;
        depthTarget = 60;
    } else if (n <= 8) {
        depthStep = 2;
        depthTarget = 36;
    } else {
        depthStep = 1;
        depthTarget = n <= 12 ? 20 : 10;
    }
}

void TfrmMain::Timer1Timer() {
    chooseDepthSteps();
    if (isOpening)
        stepOpeningDepth();
    else
        stepClosingDepth();
}

void TfrmMain::stepOpeningDepth() {
    const int depth = chartSpaceBar->view3D().depthPercent;
    if (depth < depthTarget) {
        chartSpaceBar->setDepthPercent(depth + depthStep);
        return;
    }
    setLabelsVisible(true);
    chartSpaceBar->setHint(QStringLiteral("Double click chart to view animation"));
    Timer1->stop();
}

void TfrmMain::stepClosingDepth() {
    const int depth = chartSpaceBar->view3D().depthPercent;
    if (depth > 15) {
        chartSpaceBar->setDepthPercent(depth - depthStep);
        return;
    }
    ChartView3D view = chartSpaceBar->view3D();
    view.orthogonal = false;
    view.rotation = 360;
    view.elevation = 360;
    chartSpaceBar->setView3D(view);
    Timer1->stop();
    Timer2->start();
}

void TfrmMain::Timer2Timer() {
    const int zoom = chartSpaceBar->view3D().zoomPercent;
    if (isOpening && zoom >= 100) {
        ChartView3D view = chartSpaceBar->view3D();
        view.orthogonal = true;
        view.rotation = 360;
        view.elevation = 360;
        chartSpaceBar->setView3D(view);
        Timer2->stop();
        Timer1->start();
    } else if (isOpening) {
        turn(2, 2);
    } else if (zoom < 1) {
        Timer2->stop();
        close();
    } else {
        turn(-3, -2);
    }
}

void TfrmMain::turn(int zoomStep, int angleStep) {
    ChartView3D view = chartSpaceBar->view3D();
    view.zoomPercent += zoomStep;
    view.rotation += angleStep;
    view.elevation += angleStep;
    chartSpaceBar->setView3D(view);
}

}  // namespace quarvo
