#include "collect/run_changes.h"

#include <unordered_map>

namespace quarvo {
namespace {

template <typename T, std::size_t N>
void subtract(std::array<T, N>& now, const std::array<T, N>& then) {
    for (std::size_t i = 0; i < N; ++i) now[i] -= then[i];
}

Tallies difference(Tallies now, const Tallies& then) {
    subtract(now.sizeBandCount, then.sizeBandCount);
    subtract(now.sizeBandBytes, then.sizeBandBytes);
    subtract(now.accessedAgeCount, then.accessedAgeCount);
    subtract(now.accessedAgeBytes, then.accessedAgeBytes);
    subtract(now.createdAgeCount, then.createdAgeCount);
    subtract(now.createdAgeBytes, then.createdAgeBytes);
    subtract(now.modifiedAgeCount, then.modifiedAgeCount);
    subtract(now.modifiedAgeBytes, then.modifiedAgeBytes);
    subtract(now.modifiedSlotCount, then.modifiedSlotCount);
    subtract(now.createdSlotCount, then.createdSlotCount);
    subtract(now.accessedSlotCount, then.accessedSlotCount);
    now.readOnlyCount -= then.readOnlyCount;
    now.hiddenCount -= then.hiddenCount;
    now.systemCount -= then.systemCount;
    now.archiveCount -= then.archiveCount;
    now.readOnlyBytes -= then.readOnlyBytes;
    now.hiddenBytes -= then.hiddenBytes;
    now.systemBytes -= then.systemBytes;
    now.archiveBytes -= then.archiveBytes;
    now.overhang4K -= then.overhang4K;
    now.overhang8K -= then.overhang8K;
    now.overhang16K -= then.overhang16K;
    now.overhang32K -= then.overhang32K;
    now.overhang64K -= then.overhang64K;
    now.overhangActual -= then.overhangActual;
    now.filesProcessed -= then.filesProcessed;
    now.filesSelected -= then.filesSelected;
    now.bytesProcessed -= then.bytesProcessed;
    return now;
}

}  // namespace

RunFigures runFigures(const StatisticsCollector& collector, bool withOverhang) {
    RunFigures figures{{}, collector.tallies(), collector.clusterSize, withOverhang};
    const FileTypeTable& table = collector.fileTypeTable();
    for (std::size_t i = 0; i < table.size(); ++i) figures.types.push_back(table.at(i));
    return figures;
}

RunChanges runChanges(const RunFigures& now, const RunFigures& then) {
    RunChanges changes;
    changes.tallies = difference(now.tallies, then.tallies);
    changes.withOverhang = now.withOverhang && then.withOverhang;
    std::unordered_map<std::string, const FileTypeCount*> before;
    for (const FileTypeCount& type : then.types) before[type.key] = &type;
    for (const FileTypeCount& type : now.types) {
        TypeChange change{type.key, static_cast<double>(type.count), type.bytes};
        if (const auto found = before.find(type.key); found != before.end()) {
            change.files -= found->second->count;
            change.bytes -= found->second->bytes;
            before.erase(found);
        }
        changes.types.push_back(change);
    }
    // In the earlier run's order, which is the table's.
    for (const FileTypeCount& type : then.types) {
        if (before.contains(type.key))
            changes.types.push_back({type.key, -static_cast<double>(type.count), -type.bytes});
    }
    return changes;
}

void addGoneTypes(FileTypeTable& table, const RunFigures& then) {
    for (const FileTypeCount& type : then.types) table.insertType(type.key, 0, true);
}

}  // namespace quarvo
