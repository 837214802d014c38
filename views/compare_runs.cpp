// The statistics window's side of comparing with an earlier run: its pages
// filled anew, and the status line saying what is compared with what.
#include <QStatusBar>

#include "views/frm_statistics.h"

namespace quarvo {
namespace {

// What the status line adds to its text while comparing.
const QString kComparedText = QStringLiteral(" - Compared with the run of ");

}  // namespace

void TfrmStatistics::refillPages() {
    if (!scanRun.statisticsCollected) return;
    rebuildPages(false);
    doFileAges();
    QString status = StatusBar1->currentMessage();
    if (const qsizetype compared = status.indexOf(kComparedText); compared >= 0)
        status.truncate(compared);
    const RunComparison& comparison = comparisonChoice->comparison();
    if (comparison.on()) status += kComparedText + QString::fromStdString(comparison.label());
    StatusBar1->showMessage(status);
}

}  // namespace quarvo
