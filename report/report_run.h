#pragma once
// What quarvo-report does with its options: list the drives, or scan the
// targets and print what the statistics pages show.

#include <ostream>

#include "report/report_options.h"

namespace quarvo {

// Exit statuses of quarvo-report.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;  // bad arguments
// A target that cannot be scanned, or an earlier scan to compare with that
// cannot be read or is of other targets.
inline constexpr int kExitBadTarget = 2;
// A folder kept the scan waiting and was left out: the figures are short by
// what it holds, for a reason that may pass.
inline constexpr int kExitTimedOut = 3;

[[nodiscard]] int runReport(const ReportOptions& options, std::ostream& out, std::ostream& err);

}  // namespace quarvo
