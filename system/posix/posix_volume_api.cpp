#include "system/posix/posix_volume_api.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace quarvo {
namespace {

constexpr std::uint32_t kSectorSize = 512;

std::uint32_t heldAt32Bits(std::uint64_t value) {
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(value, std::numeric_limits<std::uint32_t>::max()));
}

std::optional<char> letterOf(const std::string& root) {
    if (root.size() < 2 || root[1] != ':') return std::nullopt;
    const char c = root[0];
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    if (c >= 'a' && c <= 'z') return c;
    return std::nullopt;
}

}  // namespace

DiskGeometry geometryOf(const VolumeStats& stats) {
    const std::uint32_t fragment = heldAt32Bits(stats.fragmentSize);
    const bool inSectors = fragment >= kSectorSize && fragment % kSectorSize == 0;
    return {
        .sectorsPerCluster = inSectors ? fragment / kSectorSize : 1,
        .bytesPerSector = inSectors ? kSectorSize : fragment,
        .freeClusters = heldAt32Bits(stats.freeBlocks),
        .totalClusters = heldAt32Bits(stats.blocks),
    };
}

DiskSpace spaceOf(const VolumeStats& stats) {
    return {
        .freeBytesAvailable = stats.availableBlocks * stats.fragmentSize,
        .totalBytes = stats.blocks * stats.fragmentSize,
        .totalFreeBytes = stats.freeBlocks * stats.fragmentSize,
    };
}

std::optional<FolderVolume> folderVolume(const std::string& folder) {
    const std::optional<VolumeStats> stats = readVolumeStats(folder);
    if (!stats) return std::nullopt;
    return FolderVolume{geometryOf(*stats), spaceOf(*stats)};
}

// Facts of a device are read once for each volume at its letter: reading
// the table again costs little, asking every device at every query would not.
PosixVolumeApi::Drive PosixVolumeApi::describe(LetteredMount volume,
                                               const std::vector<Drive>& known) {
    for (const Drive& drive : known) {
        if (drive.volume.letter == volume.letter && drive.volume.mount == volume.mount)
            return drive;
    }
    const MountEntry& mount = volume.mount;
    // A network volume is never touched here: its server may be gone.
    const DeviceFacts facts =
        isRemoteFileSystem(mount.fsType) ? DeviceFacts{} : sources_.deviceFacts(mount);
    // The label names the whole file system; a mount of a folder of it (a
    // btrfs subvolume, a bound folder) is told apart by its mount point.
    const std::string label = mount.root == "/" ? facts.label.value_or("") : std::string();
    return {.volume = volume,
            .type = volumeType(mount, facts.removable),
            .label = label.empty() ? mount.mountPoint : label};
}

void PosixVolumeApi::refresh() {
    std::string text = sources_.mountTable();
    if (read_ && text == tableText_) return;
    tableText_ = std::move(text);
    read_ = true;
    table_ = parseMountInfo(tableText_);
    std::vector<Drive> drives;
    const auto volumes = driveVolumes(table_, sources_.isFolder, letters_);
    for (LetteredMount& volume : letters_.assign(volumes))
        drives.push_back(describe(std::move(volume), drives_));
    drives_ = std::move(drives);
}

// A letter whose volume is no longer mounted has no drive: it is not ready,
// and nothing is answered for it from what is now under its mount point.
const PosixVolumeApi::Drive* PosixVolumeApi::find(const std::string& root) {
    const std::optional<char> letter = letterOf(root);
    if (!letter) return nullptr;
    refresh();
    const auto it = std::find_if(drives_.begin(), drives_.end(),
                                 [&](const Drive& d) { return d.volume.letter == *letter; });
    return it == drives_.end() ? nullptr : &*it;
}

std::optional<VolumeStats> PosixVolumeApi::statsOf(const Drive& drive) {
    const MountEntry& mount = drive.volume.mount;
    const auto key = std::make_pair(mount.source, mount.mountPoint);
    const auto timedOut = timedOut_.find(key);
    if (timedOut != timedOut_.end() && sources_.now() - timedOut->second < kAskAgainAfter)
        return std::nullopt;
    const StatsAnswer answer = sources_.stats(mount.mountPoint, drive.type == kDriveRemote);
    if (answer.timedOut)
        timedOut_[key] = sources_.now();
    else
        timedOut_.erase(key);
    return answer.stats;
}

std::uint32_t PosixVolumeApi::logicalDrives() {
    refresh();
    std::uint32_t mask = 0;
    for (const Drive& drive : drives_) mask |= 1u << (drive.volume.letter - 'a');
    return mask;
}

unsigned PosixVolumeApi::driveType(const std::string& root) {
    const Drive* drive = find(root);
    return drive ? drive->type : kDriveNoRootDir;
}

std::optional<std::string> PosixVolumeApi::volumeLabel(const std::string& root) {
    const Drive* drive = find(root);
    if (!drive) return std::nullopt;
    return drive->label;
}

std::optional<std::string> PosixVolumeApi::networkName(const std::string& letterColon) {
    const Drive* drive = find(letterColon);
    if (!drive || drive->type != kDriveRemote) return std::nullopt;
    return drive->volume.mount.source;
}

unsigned PosixVolumeApi::setErrorMode(unsigned mode) {
    // No system box ever asks for a medium here; the mode is only kept.
    return std::exchange(errorMode_, mode);
}

std::optional<DiskGeometry> PosixVolumeApi::diskFreeSpace(const std::string& root) {
    const Drive* drive = find(root);
    if (!drive) return std::nullopt;
    const std::optional<VolumeStats> stats = statsOf(*drive);
    if (!stats) return std::nullopt;
    return geometryOf(*stats);
}

std::optional<DiskSpace> PosixVolumeApi::diskFreeSpaceEx(const std::string& root) {
    const Drive* drive = find(root);
    if (!drive) return std::nullopt;
    const std::optional<VolumeStats> stats = statsOf(*drive);
    if (!stats) return std::nullopt;
    return spaceOf(*stats);
}

std::string PosixVolumeApi::currentDirectory() {
    refresh();
    std::vector<LetteredMount> volumes;
    for (const Drive& drive : drives_) volumes.push_back(drive.volume);
    return drivePathOf(sources_.workingDirectory(), table_, volumes);
}

std::string PosixVolumeApi::rootFolder(const std::string& root) {
    const Drive* drive = find(root);
    return drive ? drive->volume.mount.mountPoint : std::string();
}

}  // namespace quarvo
