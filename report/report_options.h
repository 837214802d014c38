#pragma once
// What quarvo-report is asked to do, read from its command line.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "collect/system_directories.h"

namespace quarvo {

struct ReportOptions {
    enum class Rule { allFiles, include, exclude, includeList, excludeList };

    bool drives = false;  // list the drives instead of scanning
    bool json = false;
    bool help = false;
    bool version = false;
    Rule rule = Rule::allFiles;
    // The patterns of --include or --exclude, such as "*.doc".
    std::vector<std::string> patterns;
    // Drive letters ("c:") and folders, in command-line order.
    std::vector<std::string> targets;
    // --compare: the saved run or --json output to compare the scan with.
    std::optional<std::string> compareWith;
    // How long a folder may keep the scan waiting before it is left out.
    std::chrono::milliseconds stallTimeout = std::chrono::seconds(10);
    // How many threads read the tree of a target.
    std::size_t threads = defaultScanThreads();
};

struct ParsedArguments {
    std::optional<ReportOptions> options;
    std::string error;  // why the arguments were refused, when options is empty
};

// The arguments after the program name.
[[nodiscard]] ParsedArguments parseArguments(const std::vector<std::string>& args);

[[nodiscard]] std::string usageText();
// "quarvo-report 1.2.3".
[[nodiscard]] std::string versionText();

}  // namespace quarvo
