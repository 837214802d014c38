#include "report/scan_rule.h"

#include "system/extension_lists.h"
#include "system/selection_list.h"

namespace quarvo {
namespace {

using Rule = ReportOptions::Rule;

std::vector<std::string> ruleEntries(const ReportOptions& options, ProfileFile& profile,
                                     ClassesRoot& classes) {
    std::vector<std::string> entries;
    if (options.rule == Rule::include || options.rule == Rule::exclude) {
        for (const std::string& pattern : options.patterns)
            entries.push_back(extensionListEntry(classes, pattern));
        return entries;
    }
    StringSelectionList saved;
    ReadStatFilesFromDisk(profile, classes, saved,
                          options.rule == Rule::includeList ? "Include" : "Exclude");
    return saved.entries();
}

}  // namespace

std::optional<FileRule> scanRule(const ReportOptions& options, ProfileFile& profile,
                                 ClassesRoot& classes, std::string& error) {
    FileRule rule;
    if (options.rule == Rule::allFiles) return rule;
    rule.allFileTypes = false;
    rule.selectIfListed = options.rule == Rule::include || options.rule == Rule::includeList;
    rule.selectIfNotListed = !rule.selectIfListed;
    rule.setRuleList(ruleEntries(options, profile, classes));
    if (rule.ruleList().empty()) {
        error = std::string("the saved \"") + (rule.selectIfListed ? "Include" : "Exclude") +
                "\" list holds no file types";
        return std::nullopt;
    }
    return rule;
}

}  // namespace quarvo
