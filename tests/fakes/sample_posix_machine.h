#pragma once
// A POSIX machine as a test lays it out for the volume back end: its mount
// table text, what its block devices say of themselves, which mount points
// are single files, how its volumes answer size queries, and a clock that
// the test moves. Every query is counted, so a test can tell what was touched.

#include <chrono>
#include <map>
#include <set>
#include <string>

#include "system/posix/posix_volume_sources.h"

namespace quarvo::testing {

struct SamplePosixMachine {
    std::string table;                          // mountinfo text
    std::map<std::string, std::string> labels;  // by device ("8:3")
    std::set<std::string> removableDevices;
    std::set<std::string> files;    // mount points that are files
    std::set<std::string> hung;     // mount points that never answer
    std::set<std::string> failing;  // mount points whose query fails
    std::string cwd = "/";
    std::chrono::steady_clock::time_point clock{};

    std::map<std::string, int> sizeQueries;    // by mount point
    std::map<std::string, int> folderQueries;  // by mount point
    int deviceQueries = 0;

    static constexpr VolumeStats kStats{
        .fragmentSize = 4096, .blocks = 1000, .freeBlocks = 300, .availableBlocks = 250};

    PosixVolumeSources sources() {
        return {
            .mountTable = [this] { return table; },
            .deviceFacts =
                [this](const MountEntry& m) {
                    ++deviceQueries;
                    const auto label = labels.find(m.device);
                    return DeviceFacts{.label = label == labels.end()
                                                    ? std::nullopt
                                                    : std::optional(label->second),
                                       .removable = removableDevices.contains(m.device)};
                },
            .isFolder =
                [this](const MountEntry& m) {
                    ++folderQueries[m.mountPoint];
                    return !files.contains(m.mountPoint);
                },
            .stats =
                [this](const std::string& folder, bool) {
                    ++sizeQueries[folder];
                    if (hung.contains(folder))
                        return StatsAnswer{.stats = std::nullopt, .timedOut = true};
                    if (failing.contains(folder)) return StatsAnswer{};
                    return StatsAnswer{.stats = kStats};
                },
            .workingDirectory = [this] { return cwd; },
            .now = [this] { return clock; },
        };
    }
};

}  // namespace quarvo::testing
