// The Space page's pie view and the two animations: the turning pies and
// the deepening bar chart.
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include "views/regional_format.h"
#include "views/space_page.h"

namespace quarvo {
namespace {

// Degrees per tick of the small pies and of the total pie.
constexpr int kSmallPieTurn = 4;
constexpr int kTotalPieTurn = 2;
// With this many entries in the drive list or more, only the total turns.
constexpr int kTurnSmallPiesBelow = 6;

// How fast and how far the bar chart deepens: the fewer the bars, the
// deeper they grow.
struct DepthGrowth {
    int step;
    int limit;
};

DepthGrowth depthGrowth(int driveCount) {
    if (driveCount <= 2) return {6, 60};
    if (driveCount <= 4) return {3, 30};
    if (driveCount <= 6) return {2, 20};
    return {2, 10};
}

}  // namespace

QString SpacePage::percentText(double part, double whole) {
    // A drive that reads as 0 bytes has nothing free of nothing.
    QString text = twoDecimals(whole > 0 ? 100 * part / whole : 0);
    text.chop(1);
    return text;
}

void SpacePage::doPieCharts() {
    int pieNumber = 1;
    double sumFree = 0;
    double sumTotal = 0;
    for (int i = 0; i < pckStatDrive->count() && pieNumber <= kSmallPieCount; ++i) {
        if (!entryReady(i)) continue;
        const DriveSize size = entrySpace(i);
        sumFree += size.freeBytes;
        sumTotal += size.totalBytes;
        fillPie(*smallPie(pieNumber),
                QString::fromStdString(drives_[i]).toUpper() + QStringLiteral("  "), size.freeBytes,
                size.totalBytes);
        ++pieNumber;
    }
    fillPie(*pieTotal, QStringLiteral("TOTAL "), sumFree, sumTotal);
}

void SpacePage::fillPie(Chart& pie, const QString& titleStart, double freeBytes,
                        double totalBytes) {
    pie.show();
    PieSeries* series = pieSeriesOf(pie);
    series->clear();
    pie.setTitle(titleStart + percentText(freeBytes, totalBytes) + QStringLiteral("% free"));
    series->add(totalBytes - freeBytes, QStringLiteral(" "), kUsedColour);
    series->add(freeBytes, QStringLiteral(" "), kFreeColour);
}

void SpacePage::pieTotalClick() {
    if (pieTimer_.isActive())
        pieTimer_.stop();
    else
        pieTimer_.start();
    ScrollBar3->setVisible(!pieTimer_.isActive());
}

std::vector<PieSeries*> SpacePage::shownSmallPies() const {
    std::vector<PieSeries*> shown;
    for (int number = 1; number <= kSmallPieCount; ++number)
        if (!smallPie(number)->isHidden()) shown.push_back(pieSeriesOf(*smallPie(number)));
    return shown;
}

void SpacePage::ScrollBar1Change() {
    for (PieSeries* pie : shownSmallPies()) pie->setStartAngle(ScrollBar3->value());
    if (!pieTotal->isHidden()) pieSeriesOf(*pieTotal)->setStartAngle(ScrollBar3->value());
}

void SpacePage::turnSpacePies() {
    if (!rgSpace1->isChecked()) return;
    if (pckStatDrive->count() < kTurnSmallPiesBelow)
        for (PieSeries* pie : shownSmallPies()) pie->rotate(kSmallPieTurn);
    if (!pieTotal->isHidden()) pieSeriesOf(*pieTotal)->rotate(kTotalPieTurn);
    ScrollBar3->hide();
    // The bar only follows the angle here; moving it must not set every pie
    // to the angle of the first.
    const QSignalBlocker quiet(ScrollBar3);
    ScrollBar3->setValue(pieSeriesOf(*pie1)->startAngle());
}

void SpacePage::Timer2Timer() {
    // Hidden: the notebook shows another page.
    if (isHidden()) {
        Timer2->stop();
        return;
    }
    const DepthGrowth growth = depthGrowth(spaceDriveCount);
    const int depth = chartSpaceBar->view3D().depthPercent;
    if (depth < growth.limit)
        chartSpaceBar->setDepthPercent(depth + growth.step);
    else
        Timer2->stop();
}

}  // namespace quarvo
