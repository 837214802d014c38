#include "views/space_page.h"

#include <QCheckBox>
#include <QFrame>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "system/drive_list.h"
#include "views/reentry_guard.h"
#include "views/regional_format.h"

namespace quarvo {
namespace {

const QString kTotalLabel = QStringLiteral("Total");

}  // namespace

void SpacePage::buildDrives() {
    StringSelectionList drives;
    buildDriveList(volumes_, drives, true);
    drives_ = drives.entries();
    pckStatDrive->clear();
    for (int i = 0; i < drives.count(); ++i) {
        pckStatDrive->add(QString::fromStdString(drives.entry(i)));
        pckStatDrive->setSelected(i, drives.selected(i));
    }
}

void SpacePage::pageShown() {
    chartSpaceBar->setDepthPercent(1);
    doDiskSize();
    Timer2->start();
}

bool SpacePage::entryReady(int index) const {
    return driveReady(volumes_, drives_[index].front());
}

DriveSize SpacePage::entrySpace(int index) const {
    return driveSpace(volumes_, driveRoot(drives_[index].front()));
}

void SpacePage::doDiskSize() {
    clearSpaceFigures();
    Series4->clear();
    Series5->clear();
    spaceDriveCount = 0;
    double sumFree = 0;
    double sumTotal = 0;
    for (int i = 0; i < pckStatDrive->count(); ++i) {
        if (!pckStatDrive->selected(i) || !entryReady(i)) continue;
        ++spaceDriveCount;
        const DriveSize size = entrySpace(i);
        sumFree += size.freeBytes;
        sumTotal += size.totalBytes;
        const double free = toGigabytes(size.freeBytes);
        const QString letter = QString::fromStdString(drives_[i].substr(0, 1));
        Series4->add(free, letter, kFreeColour);
        Series5->add(toGigabytes(size.totalBytes) - free, letter, kUsedColour);
    }
    sumFree = toGigabytes(sumFree);
    sumTotal = toGigabytes(sumTotal);
    // The total needs two bars to add up; counting them, rather than
    // comparing the sum with the last drive's free space, keeps it when
    // every drive but the last is full.
    if (cbTotal->isChecked() && spaceDriveCount > 1) {
        Series4->add(sumFree, kTotalLabel, kFreeColour);
        Series5->add(sumTotal - sumFree, kTotalLabel, kUsedColour);
    }
    if (sumTotal > 0)
        showSpaceFigures(sumFree, sumTotal);
    else
        hideSpaceCaptions();
    rgSpaceClick();
}

void SpacePage::clearSpaceFigures() {
    for (EffectLabel* label : {lblTotal, lblFree, lblUsed, lblTot, lblPct, lblPct2})
        label->setText({});
}

void SpacePage::showSpaceFigures(double freeGB, double totalGB) {
    for (QWidget* widget : std::initializer_list<QWidget*>{Panel1, Panel2, chartSpaceBar, lblTotalC,
                                                           lblFreeC, label26})
        widget->show();
    const double usedGB = totalGB - freeGB;
    lblTot->setText(QStringLiteral("GB"));
    lblTotal->setText(twoDecimals(totalGB));
    lblFree->setText(twoDecimals(freeGB));
    lblPct->setText(QStringLiteral("GB "));
    const QColor freeColour = usedGB <= 0.1 ? Qt::red : Qt::black;
    lblFree->setTextColor(freeColour);
    lblPct->setTextColor(freeColour);
    lblUsed->setText(twoDecimals(usedGB));
    lblPct2->setText(QStringLiteral("GB "));
}

void SpacePage::hideSpaceCaptions() {
    for (QWidget* widget : std::initializer_list<QWidget*>{lblTotalC, lblFreeC, label26, Panel1,
                                                           Panel2, chartSpaceBar})
        widget->hide();
}

void SpacePage::pckStatDriveClick() {
    const ReentryGuard guard(inDriveClick);
    if (!guard.entered()) return;
    doDiskSize();
}

void SpacePage::cbTotalClick() {
    pckStatDriveClick();
}

void SpacePage::SelectAll1Click() {
    for (int i = 0; i < pckStatDrive->count(); ++i) pckStatDrive->setSelected(i, true);
    pckStatDriveClick();
}

void SpacePage::DeselectAll1Click() {
    for (int i = 0; i < pckStatDrive->count(); ++i) pckStatDrive->setSelected(i, false);
    pckStatDriveClick();
}

void SpacePage::rgSpaceClick() {
    if (rgSpace1->isChecked())
        showPieView();
    else
        showBarView();
}

void SpacePage::showPieView() {
    Panel4->hide();
    doPieCharts();
    cbTotal->hide();
    chartSpaceBar->hide();
    pieTimer_.start();
    pnlPie->show();
}

void SpacePage::showBarView() {
    // Even with no ticked drive ready the drive list comes back, so that
    // the user can tick one; there is just no chart to show.
    Panel4->show();
    pnlPie->hide();
    cbTotal->show();
    if (spaceDriveCount == 0) return;
    chartSpaceBar->show();
    chartSpaceBar->setDepthPercent(1);
    Timer2->start();
}

}  // namespace quarvo
