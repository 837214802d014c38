#pragma once
// The scan's figures as one JSON object, plain numbers without separators,
// for programs to read: what quarvo-report --json prints and what a saved
// run holds.

#include <string>
#include <vector>

#include "collect/run_changes.h"
#include "collect/scan_run.h"
#include "collect/statistics_collector.h"
#include "listings/page_listings.h"
#include "text/json_writer.h"

namespace quarvo {

// The overhang accumulators are written only when withOverhang is set (a run
// of one target), as only then are they counted. leftOut: the folders the
// scan did not count, and why.
struct ReportFigures {
    const StatisticsCollector& collector;
    DescribeType describe;
    bool withOverhang = false;
    const std::vector<LeftOutFolder>& leftOut;
};

// Writes the figures as members of the object being written. With changes,
// each row of types, sizes, dates and attributes gets "filesDelta" and
// "bytesDelta", each counter a "...Delta" beside it, and the overhang an
// "overhangDelta" when both runs counted it. The changes' types follow the
// collector's table.
void writeReportMembers(JsonWriter& json, const ReportFigures& figures,
                        const RunChanges* changes = nullptr);

[[nodiscard]] std::string jsonReport(const StatisticsCollector& collector,
                                     const DescribeType& describe, bool withOverhang,
                                     const std::vector<LeftOutFolder>& leftOut);

}  // namespace quarvo
