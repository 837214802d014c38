#include "report/compare_report.h"

#include <filesystem>

#include "collect/scan_targets.h"
#include "listings/saved_run_store.h"

namespace quarvo {
namespace {

// A folder named on the command line as the window names it: its whole
// path, so that "." and "./tree/" stand for the same folder as the path.
std::string comparableName(const std::string& target) {
    ScanTarget scanTarget = scanTargetOf(target);
    if (scanTarget.folder) {
        std::error_code error;
        std::filesystem::path path = std::filesystem::absolute(scanTarget.entry, error);
        path = path.lexically_normal();
        if (!path.has_filename() && path.has_parent_path() && path != path.root_path())
            path = path.parent_path();
        if (!error) scanTarget.entry = path.string();
    }
    return targetName(scanTarget);
}

}  // namespace

std::optional<Comparison> readComparison(const std::string& path,
                                         const std::vector<std::string>& targets,
                                         std::string& problem) {
    SavedRunReading reading = readSavedRunFile(path);
    if (!reading.run) {
        problem = reading.problem;
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (const std::string& target : targets) names.push_back(comparableName(target));
    if (const std::string other = targetsProblem(reading.run->info, names); !other.empty()) {
        problem = "Can't compare with " + path + ": " + other;
        return std::nullopt;
    }
    return Comparison{path, std::move(*reading.run)};
}

void writeComparedWith(JsonWriter& json, const Comparison& comparison) {
    const SavedRunInfo& info = comparison.then.info;
    json.key("comparedWith");
    json.beginObject();
    json.key("file");
    json.value(comparison.path);
    if (info.schemaVersion != 0) writeRunInfo(json, info);
    json.endObject();
}

std::string comparedWithText(const Comparison& comparison) {
    const SavedRunInfo& info = comparison.then.info;
    std::string text = "Changes since " + comparison.path;
    if (info.schemaVersion != 0) {
        text += " (" + info.time + ", ";
        for (const std::string& target : info.targets) text += target + " ";
        text += info.rule + ")";
    }
    return text + "\n\n";
}

}  // namespace quarvo
