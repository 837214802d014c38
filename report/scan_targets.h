#pragma once
// The scan of quarvo-report: its targets walked one after the other into one
// set of tallies, as the statistics window walks the chosen drives of a run.
// A target is a drive letter ("c:") or a folder scanned as if it were the
// root of a drive.

#include <string>
#include <string_view>
#include <vector>

#include "collect/statistics_collector.h"
#include "system/volume_api.h"

namespace quarvo {

// "c:" or "C:", with or without a backslash after the colon.
[[nodiscard]] bool isDriveLetter(std::string_view target);

// Why a target cannot be scanned; empty when it can.
[[nodiscard]] std::string targetProblem(const std::string& target, VolumeApi& volumes);

// Zeroes the tallies and walks every target into them; the overhang is
// counted exactly when there is one target. Folders inside a target that
// cannot be read are passed over. Returns a message for every target that
// could not be opened.
[[nodiscard]] std::vector<std::string> scanTargets(const std::vector<std::string>& targets,
                                                   VolumeApi& volumes,
                                                   StatisticsCollector& collector);

}  // namespace quarvo
