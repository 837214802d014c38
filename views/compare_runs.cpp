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
    StatusBar1->showMessage(status + QString::fromStdString(comparedText()));
}

std::string TfrmStatistics::comparedText() const {
    const RunComparison& comparison = comparisonChoice->comparison();
    if (!comparison.on()) return {};
    return (kComparedText + QString::fromStdString(comparison.label())).toStdString();
}

}  // namespace quarvo
