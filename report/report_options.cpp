#include "report/report_options.h"

#include <map>
#include <stdexcept>
#include <string>

namespace quarvo {
namespace {

using Rule = ReportOptions::Rule;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Splits "*.doc, *.txt" into its patterns; a pattern names an extension
// after "*." as the saved lists do. Empty when one of them is not such a
// pattern, with the reason in error.
std::vector<std::string> splitPatterns(std::string_view list, std::string& error) {
    std::vector<std::string> patterns;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view pattern = trimmed(list.substr(0, comma));
        if (!pattern.starts_with("*.") || pattern.find('\t') != std::string_view::npos) {
            error = "not a pattern such as *.doc: \"" + std::string(pattern) + "\"";
            return {};
        }
        patterns.emplace_back(pattern);
        if (comma == std::string_view::npos) return patterns;
        list.remove_prefix(comma + 1);
    }
}

// What an option that takes no value sets.
bool applyFlag(const std::string& arg, ReportOptions& options) {
    static const std::map<std::string, bool ReportOptions::*> flags = {
        {"--json", &ReportOptions::json},
        {"--drives", &ReportOptions::drives},
        {"--help", &ReportOptions::help},
        {"--version", &ReportOptions::version}};
    const auto flag = flags.find(arg);
    if (flag == flags.end()) return false;
    options.*flag->second = true;
    return true;
}

const std::map<std::string, Rule>& ruleOptions() {
    static const std::map<std::string, Rule> rules = {{"--include", Rule::include},
                                                      {"--exclude", Rule::exclude},
                                                      {"--include-list", Rule::includeList},
                                                      {"--exclude-list", Rule::excludeList}};
    return rules;
}

// Reads a rule option at args[i] and, for --include and --exclude, its
// patterns from the next argument; a refusal is left in error.
void applyRule(const std::vector<std::string>& args, std::size_t& i, ReportOptions& options,
               std::string& error) {
    const Rule rule = ruleOptions().at(args[i]);
    if (options.rule != Rule::allFiles) {
        error = "only one of --include, --exclude, --include-list and --exclude-list may be given";
        return;
    }
    options.rule = rule;
    if (rule != Rule::include && rule != Rule::exclude) return;
    if (i + 1 == args.size()) {
        error = args[i] + " needs a list of patterns such as *.doc,*.txt";
        return;
    }
    options.patterns = splitPatterns(args[++i], error);
}

// Reads the whole number after args[i] into value, from low to high; false,
// leaving value alone, for anything else or nothing.
bool readWholeNumber(const std::vector<std::string>& args, std::size_t& i, long low, long high,
                     long& value) {
    const std::string text = i + 1 < args.size() ? args[++i] : std::string();
    std::size_t used = 0;
    long number = 0;
    try {
        number = std::stol(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || number < low || number > high) return false;
    value = number;
    return true;
}

// Reads --stall-timeout SECONDS: a whole number of seconds, at least 1.
void applyStallTimeout(const std::vector<std::string>& args, std::size_t& i, ReportOptions& options,
                       std::string& error) {
    long seconds = 0;
    if (!readWholeNumber(args, i, 1, 86400, seconds)) {
        error = "--stall-timeout needs a number of seconds from 1 to 86400";
        return;
    }
    options.stallTimeout = std::chrono::seconds(seconds);
}

// Reads --threads N: how many threads read a tree, more than there are
// cores being allowed for trees on slow or network file systems.
void applyThreads(const std::vector<std::string>& args, std::size_t& i, ReportOptions& options,
                  std::string& error) {
    long threads = 0;
    if (!readWholeNumber(args, i, 1, 64, threads)) {
        error = "--threads needs a number from 1 to 64";
        return;
    }
    options.threads = static_cast<std::size_t>(threads);
}

std::string checkCombination(const ReportOptions& options) {
    if (options.help || options.version) return {};
    if (options.drives) {
        if (!options.targets.empty() || options.rule != Rule::allFiles)
            return "--drives takes neither targets nor file-type rules";
        if (options.compareWith) return "--drives can't be compared";
        return {};
    }
    if (options.targets.empty()) return "no drive or folder to scan";
    return {};
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args) {
    ReportOptions options;
    std::string error;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            options.targets.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (ruleOptions().contains(arg)) {
            applyRule(args, i, options, error);
        } else if (arg == "--stall-timeout") {
            applyStallTimeout(args, i, options, error);
        } else if (arg == "--threads") {
            applyThreads(args, i, options, error);
        } else if (arg == "--compare") {
            if (i + 1 < args.size())
                options.compareWith = args[++i];
            else
                error = "--compare needs the file of an earlier scan";
        } else if (!applyFlag(arg, options)) {
            error = "unknown option " + arg;
        }
    }
    if (error.empty()) error = checkCombination(options);
    if (!error.empty()) return {std::nullopt, error};
    return {options, {}};
}

std::string usageText() {
    return "usage: quarvo-report [--include PATTERNS | --exclude PATTERNS |\n"
           "                      --include-list | --exclude-list] [--json]\n"
           "                     [--compare OLD.json] [--stall-timeout SECONDS]\n"
           "                     [--threads N] TARGET...\n"
           "       quarvo-report --drives [--json]\n"
           "\n"
           "Scans each TARGET, a drive letter such as c: or a folder scanned as if it\n"
           "were the root of a drive, and prints what the statistics pages show.\n"
           "\n"
           "  --include PATTERNS  count only files of these types, such as *.doc,*.txt\n"
           "  --exclude PATTERNS  count all files but those of these types\n"
           "  --include-list      count only the types of the saved \"Include\" list\n"
           "  --exclude-list      count all files but the types of the saved \"Exclude\" list\n"
           "  --json              print one JSON object instead of the listings\n"
           "  --compare OLD.json  show how each figure changed since the scan in OLD.json,\n"
           "                      a saved run or earlier --json output of the same targets\n"
           "  --stall-timeout SECONDS\n"
           "                      leave out a folder that keeps the scan waiting this long\n"
           "                      (default 10); the exit status is then 3\n"
           "  --threads N         read each tree with N threads (default: two per core,\n"
           "                      at most 4), those past one per core only while the\n"
           "                      disk keeps the others waiting; the figures are the\n"
           "                      same for any N\n"
           "  --drives            list the drives with their total, free and used bytes\n"
           "  --help              print this text and exit\n"
           "  --version           print the version and exit\n"
           "  --                  what follows is a target, even if it begins with -\n";
}

std::string versionText() {
    return std::string("quarvo-report ") + QUARVO_VERSION;
}

}  // namespace quarvo
