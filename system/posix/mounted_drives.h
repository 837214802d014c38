#pragma once
// Which mounted volumes are offered as drives, under which letters and of
// which type. "/" is c:, the other real volumes follow in mount-point order;
// a: and b: are never given out. Pure functions over a parsed mount table.

#include <string>
#include <vector>

#include "system/posix/mount_table.h"

namespace quarvo {

struct LetteredMount {
    char letter = 'c';  // lower case
    MountEntry mount;
};

// The volumes of a table that are drives, in letter order: pseudo file
// systems, volumes below /proc, /sys, /dev and /run (but for /run/media),
// volumes hidden by a later mount on the same point and second mounts of a
// device already listed are left out. At most 24 (c: to z:); the rest are not
// offered.
[[nodiscard]] std::vector<LetteredMount> assignDriveLetters(const std::vector<MountEntry>& table);

[[nodiscard]] bool isRemoteFileSystem(const std::string& fsType);

// The drive type code of a volume; removableDevice is what its block device
// says of itself.
[[nodiscard]] unsigned volumeType(const MountEntry& mount, bool removableDevice);

// The drive form of a path ("/home/x" on c: gives "c:\home\x"); the path
// itself when the volume holding it is not a drive.
[[nodiscard]] std::string drivePathOf(const std::string& path, const std::vector<MountEntry>& table,
                                      const std::vector<LetteredMount>& drives);

}  // namespace quarvo
