#pragma once
// Where the POSIX volume back end learns about the machine: the mount table,
// what a block device says of itself, the sizes of a volume and the working
// directory. The machine's own sources read the kernel; tests hand in
// sample ones.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "system/posix/mount_table.h"

namespace quarvo {

// A volume's figures as statvfs gives them, in fragments.
struct VolumeStats {
    std::uint64_t fragmentSize = 0;
    std::uint64_t blocks = 0;
    std::uint64_t freeBlocks = 0;       // all free blocks
    std::uint64_t availableBlocks = 0;  // the caller's share
};

// What a size query came to. A query that did not answer in time is told
// apart from one that failed, so that the volume's time-out is paid once.
struct StatsAnswer {
    std::optional<VolumeStats> stats;
    bool timedOut = false;
};

struct DeviceFacts {
    std::optional<std::string> label;  // the file system's own label
    bool removable = false;            // the block device is removable
};

struct PosixVolumeSources {
    std::function<std::string()> mountTable;  // text of /proc/self/mountinfo
    std::function<DeviceFacts(const MountEntry&)> deviceFacts;
    // Whether a local mount's root is a folder; true when that cannot be told.
    std::function<bool(const MountEntry&)> isFolder;
    std::function<StatsAnswer(const std::string& folder, bool remote)> stats;
    std::function<std::string()> workingDirectory;
    std::function<std::chrono::steady_clock::time_point()> now;

    // The running machine's. A remote volume that does not answer within
    // about two seconds counts as not ready.
    static PosixVolumeSources machine();
};

// statvfs of a folder; nullopt when it fails.
[[nodiscard]] std::optional<VolumeStats> readVolumeStats(const std::string& folder);

}  // namespace quarvo
