#pragma once
// What changed between an earlier scan and the one just made: per row of
// every listing the files and bytes now less those then. The report prints
// these beside its figures; the statistics window shows them as change
// columns.

#include <cstdint>
#include <string>
#include <vector>

#include "collect/file_type_table.h"
#include "collect/statistics_collector.h"
#include "collect/tallies.h"

namespace quarvo {

// The figures of one scan, as a saved run or a report holds them.
struct RunFigures {
    std::vector<FileTypeCount> types;
    Tallies tallies;
    std::int32_t clusterSize = 0;
    // Whether the overhang was counted: only in a run of one target.
    bool withOverhang = false;
};

[[nodiscard]] RunFigures runFigures(const StatisticsCollector& collector, bool withOverhang);

struct TypeChange {
    std::string key;
    double files = 0;
    std::int64_t bytes = 0;
};

struct RunChanges {
    // One per type of the current table, in its order, then one per type
    // found only before, which has lost all its files and bytes.
    std::vector<TypeChange> types;
    // Every tally now less then; timeOfDay slots too, bytesProcessed too.
    Tallies tallies;
    // The overhang changes mean something only when both runs counted it.
    bool withOverhang = false;
};

[[nodiscard]] RunChanges runChanges(const RunFigures& now, const RunFigures& then);

// Gives each type of the earlier run that the table lacks an entry with no
// files, so that a listing shows the type that has gone.
void addGoneTypes(FileTypeTable& table, const RunFigures& then);

}  // namespace quarvo
