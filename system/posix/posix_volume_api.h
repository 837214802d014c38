#pragma once
// The volume services on POSIX systems: the mounted volumes of the mount
// table stand in for drive letters ("/" is c:), statvfs for the free-space
// queries. Every query reads the table anew, so a medium mounted meanwhile
// shows up in the next list under a letter of its own, and a volume
// unmounted meanwhile is not ready; letters stay with their mount points for
// the life of the object (see drive_letters.h).

#include <chrono>
#include <map>
#include <optional>
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

    // How long a remote volume that did not answer in time counts as not
    // ready before it is asked again.
    static constexpr std::chrono::seconds kAskAgainAfter{30};

private:
    struct Drive {
        LetteredMount volume;
        unsigned type = kDriveFixed;
        std::string label;
    };

    Drive describe(LetteredMount volume, const std::vector<Drive>& known);
    void refresh();
    const Drive* find(const std::string& root);
    std::optional<VolumeStats> statsOf(const Drive& drive);

    PosixVolumeSources sources_;
    std::string tableText_;  // as last read; the rest is worked out from it
    bool read_ = false;
    std::vector<MountEntry> table_;
    DriveLetters letters_;
    std::vector<Drive> drives_;
    unsigned errorMode_ = 0;
    // When remote volumes last did not answer in time: they count as not
    // ready without being asked until kAskAgainAfter has passed, so a dead
    // server costs its time-out once in a while, not at every list and chart.
    std::map<std::pair<std::string, std::string>, std::chrono::steady_clock::time_point>
        timedOut_;  // by source and mount point
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
