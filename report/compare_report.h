#pragma once
// quarvo-report --compare: the earlier scan read before anything is
// scanned, and what the output says of it.

#include <optional>
#include <string>
#include <vector>

#include "listings/saved_run.h"
#include "text/json_writer.h"

namespace quarvo {

struct Comparison {
    std::string path;  // as given on the command line
    SavedRun then;
};

// The earlier scan in the file at path, taken only when it is of these
// command-line targets; else nothing, with the reason in problem.
[[nodiscard]] std::optional<Comparison> readComparison(const std::string& path,
                                                       const std::vector<std::string>& targets,
                                                       std::string& problem);

// "comparedWith": the file, and the time, targets and rule of its scan when
// it says them.
void writeComparedWith(JsonWriter& json, const Comparison& comparison);
// The line above the text report that says what the changes are measured
// from.
[[nodiscard]] std::string comparedWithText(const Comparison& comparison);

}  // namespace quarvo
