#pragma once
// The file-type rule that the command line asks for, made as the selection
// wizard makes it: extension list entries (pattern, tab, description) from
// the patterns given or from a saved list.

#include <optional>
#include <string>

#include "collect/file_rule.h"
#include "report/report_options.h"
#include "system/classes_root.h"
#include "system/profile_file.h"

namespace quarvo {

// The rule; nullopt with the reason in error when the saved list that should
// give it is empty: like the wizard, which starts no such scan without a
// type chosen.
[[nodiscard]] std::optional<FileRule> scanRule(const ReportOptions& options, ProfileFile& profile,
                                               ClassesRoot& classes, std::string& error);

}  // namespace quarvo
