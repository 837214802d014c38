#pragma once
// The volume services on POSIX systems: the mounted volumes of the mount
// table stand in for drive letters ("/" is c:), statvfs for the free-space
// queries. The table is read anew whenever the drives are listed, so a
// medium mounted meanwhile shows up in the next list.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "system/posix/mounted_drives.h"
#include "system/posix/posix_volume_sources.h"
#include "system/volume_api.h"

namespace quarvo {

class PosixVolumeApi : public VolumeApi {
public:
    PosixVolumeApi() : PosixVolumeApi(PosixVolumeSources::machine()) {}
    explicit PosixVolumeApi(PosixVolumeSources sources) : sources_(std::move(sources)) {}

    std::uint32_t logicalDrives() override;
    unsigned driveType(const std::string& root) override;
    std::optional<std::string> volumeLabel(const std::string& root) override;
    std::optional<std::string> networkName(const std::string& letterColon) override;
    unsigned setErrorMode(unsigned mode) override;
    std::optional<DiskGeometry> diskFreeSpace(const std::string& root) override;
    bool hasDiskFreeSpaceEx() override { return true; }
    std::optional<DiskSpace> diskFreeSpaceEx(const std::string& root) override;
    std::string currentDirectory() override;
    std::string rootFolder(const std::string& root) override;

private:
    struct Drive {
        LetteredMount volume;
        unsigned type = kDriveFixed;
        std::string label;
    };

    Drive describe(LetteredMount volume);
    void readMountTable();
    const Drive* find(const std::string& root);
    std::optional<VolumeStats> statsOf(const Drive& drive);

    PosixVolumeSources sources_;
    bool read_ = false;
    std::vector<MountEntry> table_;
    std::vector<Drive> drives_;
    unsigned errorMode_ = 0;
    // Remote volumes that did not answer in time are not asked again, so a
    // dead server costs its time-out once, not at every list and chart.
    std::set<std::pair<std::string, std::string>> dead_;  // source, mount point
};

// Cluster geometry and sizes of the volume that holds a folder, so that a
// folder can be scanned as if it were the root of a drive; nullopt when the
// folder cannot be queried.
struct FolderVolume {
    DiskGeometry geometry;
    DiskSpace space;
};
[[nodiscard]] std::optional<FolderVolume> folderVolume(const std::string& folder);

// How statvfs figures read as the volume services report them: a fragment is
// a cluster of 512-byte sectors; counts beyond 32 bits are held at the top.
[[nodiscard]] DiskGeometry geometryOf(const VolumeStats& stats);
[[nodiscard]] DiskSpace spaceOf(const VolumeStats& stats);

}  // namespace quarvo
