#pragma once
// Fills the Sizes, date, Combined and Time pages of a statistics window from
// its collector's tallies, in the order the end of a scan does, and marks
// the statistics as collected so that the pages are uncovered.

#include "views/frm_statistics.h"

namespace quarvo::testing {

inline void fillDatePages(TfrmStatistics& w) {
    w.scanRun.statisticsCollected = true;
    for (StatisticsPage* page : std::initializer_list<StatisticsPage*>{
             w.sizesPage, w.accessPage, w.createdPage, w.modifiedPage, w.combinedPage, w.timePage})
        page->rebuild();
}

}  // namespace quarvo::testing
