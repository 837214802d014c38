#pragma once
// The volume services that the drive inventory and the cluster size rest on.
// Each operation mirrors one Windows call by meaning; the POSIX back end
// answers them from the mount table (see posix/), tests use a fake.

#include <cstdint>
#include <optional>
#include <string>

namespace quarvo {

// Drive type codes, as the Windows volume services number them.
enum DriveTypeCode : unsigned {
    kDriveUnknown = 0,
    kDriveNoRootDir = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdrom = 5,
    kDriveRamDisk = 6,
};

// Cluster geometry and cluster counts of a volume.
struct DiskGeometry {
    std::uint32_t sectorsPerCluster = 0;
    std::uint32_t bytesPerSector = 0;
    std::uint32_t freeClusters = 0;
    std::uint32_t totalClusters = 0;
};

// 64-bit byte counts of a volume.
struct DiskSpace {
    std::uint64_t freeBytesAvailable = 0;  // the caller's share
    std::uint64_t totalBytes = 0;
    std::uint64_t totalFreeBytes = 0;  // all free bytes of the volume
};

// The critical-error mode flag that keeps the system from asking for a medium.
inline constexpr unsigned kFailCriticalErrors = 1;

class VolumeApi {
public:
    virtual ~VolumeApi() = default;

    // Bit n set when drive letter 'A' + n exists.
    virtual std::uint32_t logicalDrives() = 0;
    // Type code of a root such as "c:\".
    virtual unsigned driveType(const std::string& root) = 0;
    // Volume label of a root; nullopt when it cannot be read (no medium).
    virtual std::optional<std::string> volumeLabel(const std::string& root) = 0;
    // Network name that a letter ("X:") is connected to; nullopt when none.
    virtual std::optional<std::string> networkName(const std::string& letterColon) = 0;
    // Sets the error mode, returns the previous one.
    virtual unsigned setErrorMode(unsigned mode) = 0;
    // Geometry of a root; nullopt when the volume cannot be read now.
    virtual std::optional<DiskGeometry> diskFreeSpace(const std::string& root) = 0;
    // Whether the 64-bit space query exists on this system.
    virtual bool hasDiskFreeSpaceEx() = 0;
    // 64-bit space of a root; nullopt when the query fails.
    virtual std::optional<DiskSpace> diskFreeSpaceEx(const std::string& root) = 0;
    // The process's current directory, in the drive form ("c:\work") when it
    // lies on a drive; any other text (a network path) has no drive.
    virtual std::string currentDirectory() = 0;
    // The folder in the platform's own path form where a root's files are:
    // "C:\" on Windows, the mount point on POSIX; empty for an unknown root.
    virtual std::string rootFolder(const std::string& root) = 0;
};

}  // namespace quarvo
