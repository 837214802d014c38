#pragma once
// The scan's figures as one JSON object, plain numbers without separators,
// for programs to read.

#include <string>
#include <vector>

#include "collect/scan_run.h"
#include "collect/statistics_collector.h"
#include "listings/page_listings.h"

namespace quarvo {

// The overhang accumulators are written only when withOverhang is set (a run
// of one target), as only then are they counted. leftOut: the folders the
// scan did not count, and why.
[[nodiscard]] std::string jsonReport(const StatisticsCollector& collector,
                                     const DescribeType& describe, bool withOverhang,
                                     const std::vector<LeftOutFolder>& leftOut);

}  // namespace quarvo
