#pragma once
// The scan's figures as text for a person: the listings of the statistics
// pages one after the other, each under its page's name, numbers with the
// user's thousands separator, and the count line of the status bar.

#include <string>

#include "collect/run_changes.h"
#include "collect/statistics_collector.h"
#include "listings/page_listings.h"
#include "text/number_format.h"

namespace quarvo {

struct TextReportStyle {
    NumberFormat format;
    TimeOfDayText timeText;
    DescribeType describe;
};

// The Overhang page is shown only when withOverhang is set (a run of one
// target) and the selected files hold any bytes. With changes, the Types,
// Sizes, date and Attribute listings end in the columns "Change in files"
// and "Change in size"; the changes' types follow the collector's table.
[[nodiscard]] std::string textReport(const StatisticsCollector& collector,
                                     const TextReportStyle& style, bool withOverhang,
                                     const RunChanges* changes = nullptr);

// The rows in columns: the first leftColumns flush left, the others flush
// right, as the listings align them.
[[nodiscard]] std::string tableText(const ListingRows& rows, std::size_t leftColumns);

// "Finished - 1,234 files processed", with " 1,000 files found" when the
// rule left some files out.
[[nodiscard]] std::string finishedText(const Tallies& tallies, const NumberFormat& format);

}  // namespace quarvo
