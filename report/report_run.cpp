#include "report/report_run.h"

#include <algorithm>

#include "collect/run_changes.h"
#include "collect/scan_targets.h"
#include "collect/system_directories.h"
#include "listings/json_report.h"
#include "listings/page_listings.h"
#include "report/compare_report.h"
#include "report/drive_report.h"
#include "report/locale_text.h"
#include "report/scan_rule.h"
#include "report/silent_scan_window.h"
#include "report/text_report.h"
#include "system/file_type_description.h"
#include "system/system_services.h"

namespace quarvo {
namespace {

constexpr const char* kProgram = "quarvo-report: ";

// Every target is checked before any is scanned, so a mistyped one costs no
// scan of the others.
bool allTargetsScannable(const std::vector<std::string>& targets, VolumeApi& volumes,
                         std::ostream& err) {
    bool scannable = true;
    for (const std::string& target : targets) {
        const std::string problem = targetProblem(target, volumes);
        if (problem.empty()) continue;
        err << kProgram << problem << "\n";
        scannable = false;
    }
    return scannable;
}

struct ScanOutcome {
    std::vector<std::string> errors;  // a message for every target that could not be opened
    std::vector<LeftOutFolder> leftOut;
};

// Walks every target into the collector's tallies, as the statistics window
// runs over several drives; the overhang is counted exactly when there is
// one target.
ScanOutcome scanTargets(const ReportOptions& options, VolumeApi& volumes,
                        StatisticsCollector& collector) {
    SilentScanWindow window;
    const ScanRun::DirectoryFactory directories = [threads = options.threads] {
        return makeSystemDirectoryApi(threads);
    };
    ScanRun run(volumes, directories, collector, window, NumberFormat{}, folderVolumeApi);
    run.stallTimeout = options.stallTimeout;
    std::vector<ScanTarget> chosen;
    for (const std::string& target : options.targets) chosen.push_back(scanTargetOf(target));
    run.run(std::move(chosen), collector.rule(), false);
    run.tickUntilOver([&window] { window.waitForWake(); });
    return {window.errors, run.leftOut()};
}

int exitStatusOf(const std::vector<LeftOutFolder>& leftOut) {
    const bool timedOut = std::any_of(leftOut.begin(), leftOut.end(), [](const auto& folder) {
        return folder.reason == ScanRun::kTimedOut;
    });
    return timedOut ? kExitTimedOut : kExitOk;
}

// Prints the figures, with their changes since the earlier scan when there
// is one to compare with.
void print(const ReportOptions& options, StatisticsCollector& collector, const ScanOutcome& outcome,
           const DescribeType& describe, const std::optional<Comparison>& comparison,
           std::ostream& out) {
    const bool withOverhang = options.targets.size() == 1;
    std::optional<RunChanges> changes;
    if (comparison) {
        addGoneTypes(collector.fileTypeTable(), comparison->then.figures);
        changes = runChanges(runFigures(collector, withOverhang), comparison->then.figures);
    }
    const RunChanges* shown = changes ? &*changes : nullptr;
    if (options.json) {
        JsonWriter json;
        json.beginObject();
        writeReportMembers(json, {collector, describe, withOverhang, outcome.leftOut}, shown);
        if (comparison) writeComparedWith(json, *comparison);
        json.endObject();
        out << json.text();
    } else {
        if (comparison) out << comparedWithText(*comparison);
        out << textReport(collector, {systemNumberFormat(), shortTimeText, describe}, withOverhang,
                          shown);
    }
}

int scanAndPrint(const ReportOptions& options, VolumeApi& volumes, std::ostream& out,
                 std::ostream& err) {
    const auto classes = makeSystemClassesRoot();
    const auto profile = makeSystemProfileFile();
    std::string error;
    std::optional<FileRule> rule = scanRule(options, *profile, *classes, error);
    if (!rule) {
        err << kProgram << error << "\n";
        return kExitUsage;
    }
    if (!allTargetsScannable(options.targets, volumes, err)) return kExitBadTarget;
    std::optional<Comparison> comparison;
    if (options.compareWith) {
        comparison = readComparison(*options.compareWith, options.targets, error);
        if (!comparison) {
            err << kProgram << error << "\n";
            return kExitBadTarget;
        }
    }

    StatisticsCollector collector;
    collector.rule() = std::move(*rule);
    const ScanOutcome outcome = scanTargets(options, volumes, collector);
    for (const std::string& failure : outcome.errors) err << kProgram << failure << "\n";
    if (!outcome.errors.empty()) return kExitBadTarget;

    seedListedTypes(collector.fileTypeTable(), collector.rule());
    const DescribeType describe = [&](const std::string& key) {
        return typeKeyDescription(*classes, key);
    };
    print(options, collector, outcome, describe, comparison, out);
    if (!options.json) {
        for (const LeftOutFolder& folder : outcome.leftOut)
            err << kProgram << "left out " << folder.path << ": " << folder.reason << "\n";
    }
    return exitStatusOf(outcome.leftOut);
}

}  // namespace

int runReport(const ReportOptions& options, std::ostream& out, std::ostream& err) {
    if (options.help) {
        out << usageText();
        return kExitOk;
    }
    if (options.version) {
        out << versionText() << "\n";
        return kExitOk;
    }
    const auto volumes = makeSystemVolumeApi();
    if (options.drives) {
        out << (options.json ? drivesJson(*volumes) : drivesText(*volumes, systemNumberFormat()));
        return kExitOk;
    }
    return scanAndPrint(options, *volumes, out, err);
}

}  // namespace quarvo
