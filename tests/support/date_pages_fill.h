#pragma once
// Fills the Sizes, date, Combined and Time pages of a statistics window from
// its collector's tallies, in the order the end of a scan does, and marks
// the statistics as collected so that the pages are uncovered.

#include <QString>

#include "views/frm_statistics.h"

namespace quarvo::testing {

inline void fillDatePages(TfrmStatistics& w) {
    const Tallies& t = w.collector.tallies();
    w.statisticsCollected = true;
    w.doFileSizes();
    w.fillGridDates(QStringLiteral("Accessed Date"), *w.gridAccess, t.accessedAgeBytes,
                    t.accessedAgeCount);
    w.fillGridDates(QStringLiteral("Created Date"), *w.gridCreate, t.createdAgeBytes,
                    t.createdAgeCount);
    w.fillGridDates(QStringLiteral("Modified Date"), *w.gridModify, t.modifiedAgeBytes,
                    t.modifiedAgeCount);
    w.fillCombinedGridDates();
    w.doFileTimes();
    w.doFileAges();
}

}  // namespace quarvo::testing
