#include "system/posix/posix_volume_sources.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "system/posix/timed_stats.h"

namespace quarvo {
namespace {

namespace fs = std::filesystem;

constexpr int kRemoteTimeLimitMs = 2000;

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string deviceNumber(dev_t device) {
    return std::to_string(major(device)) + ":" + std::to_string(minor(device));
}

// File systems such as btrfs give their mounts a device number of their own,
// so the link is also compared with the block device the mount names.
bool namesDevice(const fs::path& link, const MountEntry& mount) {
    struct stat st {};
    if (::stat(link.c_str(), &st) != 0 || !S_ISBLK(st.st_mode)) return false;
    if (deviceNumber(st.st_rdev) == mount.device) return true;
    std::error_code linkError, sourceError;
    const fs::path target = fs::canonical(link, linkError);
    return !linkError && target == fs::canonical(mount.source, sourceError) && !sourceError;
}

std::optional<std::string> labelOf(const MountEntry& mount) {
    std::error_code error;
    fs::directory_iterator it("/dev/disk/by-label", error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        if (namesDevice(it->path(), mount)) return decodeHexEscapes(it->path().filename().string());
    }
    return std::nullopt;
}

// A partition has no flag of its own; its disk, one folder up, has it.
bool isRemovable(const MountEntry& mount) {
    if (mount.device.starts_with("0:")) return false;
    const fs::path device = fs::path("/sys/dev/block") / mount.device;
    std::error_code error;
    for (const fs::path& flag : {device / "removable", device / ".." / "removable"}) {
        if (fs::exists(flag, error)) return fileText(flag).starts_with('1');
    }
    return false;
}

// A mount point that cannot be looked at (a folder the user may not enter)
// is taken for a folder: it is listed, and a scan of it says what is wrong.
bool rootIsFolder(const MountEntry& mount) {
    struct stat st {};
    return ::stat(mount.mountPoint.c_str(), &st) != 0 || S_ISDIR(st.st_mode);
}

StatsAnswer statsOf(const std::string& folder, bool remote) {
    if (remote) return readVolumeStatsWithin(folder, kRemoteTimeLimitMs);
    return {.stats = readVolumeStats(folder)};
}

std::string currentPath() {
    std::error_code error;
    return fs::current_path(error).string();
}

}  // namespace

PosixVolumeSources PosixVolumeSources::machine() {
    return {
        .mountTable = [] { return fileText("/proc/self/mountinfo"); },
        .deviceFacts =
            [](const MountEntry& mount) {
                return DeviceFacts{.label = labelOf(mount), .removable = isRemovable(mount)};
            },
        .isFolder = rootIsFolder,
        .stats = statsOf,
        .workingDirectory = currentPath,
        .now = std::chrono::steady_clock::now,
    };
}

std::optional<VolumeStats> readVolumeStats(const std::string& folder) {
    struct statvfs s {};
    if (::statvfs(folder.c_str(), &s) != 0) return std::nullopt;
    // The block counts are in fragments; a file system that gives no
    // fragment size counts them in blocks.
    const std::uint64_t fragment = s.f_frsize != 0 ? s.f_frsize : s.f_bsize;
    return VolumeStats{fragment, s.f_blocks, s.f_bfree, s.f_bavail};
}

}  // namespace quarvo
