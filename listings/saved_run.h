#pragma once
// A saved run: the report's JSON object (see json_report.h) with four more
// members in front, "schemaVersion", "time" (UTC, "2026-12-08T18:38:10Z"),
// "targets" (a drive as "c:", a folder by its path) and "rule" (as
// ruleText gives it). The reader takes such a file or any earlier
// quarvo-report --json output, which has no schema version and says nothing
// of its time, targets or rule.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "collect/run_changes.h"
#include "collect/scan_run.h"
#include "listings/json_report.h"

namespace quarvo {

inline constexpr int kSavedRunSchema = 1;

struct SavedRunInfo {
    int schemaVersion = kSavedRunSchema;  // 0 for a report's output
    std::string time;
    std::vector<std::string> targets;
    std::string rule;
};

struct SavedRun {
    SavedRunInfo info;
    RunFigures figures;
};

// How a saved run names a target: "c:" for a drive, the path for a folder.
[[nodiscard]] std::string targetName(const ScanTarget& target);
// "All files", "Only *.doc, *.txt" or "All but *.tmp".
[[nodiscard]] std::string ruleText(const FileRule& rule);

// The members "time", "targets" and "rule".
void writeRunInfo(JsonWriter& json, const SavedRunInfo& info);
[[nodiscard]] std::string savedRunJson(const SavedRunInfo& info, const ReportFigures& figures);

struct SavedRunReading {
    std::optional<SavedRun> run;
    std::string problem;  // why the text is no saved run, when run is empty
};

[[nodiscard]] SavedRunReading readSavedRun(std::string_view text);

// Why a saved run cannot stand beside a run of these targets (named as
// targetName names them); empty when it can. A report's output names no
// targets and stands beside any.
[[nodiscard]] std::string targetsProblem(const SavedRunInfo& info,
                                         const std::vector<std::string>& targets);

}  // namespace quarvo
