#pragma once
// Which mounted volumes are offered as drives and of which type. Pure
// functions over a parsed mount table; the letters are drive_letters.h's.

#include <functional>
#include <string>
#include <vector>

#include "system/posix/drive_letters.h"
#include "system/posix/mount_table.h"

namespace quarvo {

// Whether a local mount's root is a folder; a single file bound onto another
// (containers get /etc/hosts so) is no drive. Never asked of network volumes.
using FolderTest = std::function<bool(const MountEntry&)>;

// The volumes of a table that are drives, in mount-point order. Left out:
// - mounts hidden by a later mount on the same point;
// - pseudo file systems, and volumes below /proc, /sys, /dev and /run (but
//   for /run/media);
// - read-only images (squashfs and the like) anywhere but "/", and whatever
//   is mounted inside the folders where snaps and container engines keep
//   their images and containers' views (/snap, /var/lib/docker, ...);
// - mounts whose root is not a folder;
// - a second path to a folder already offered: a mount of the same file
//   system (the same btrfs subvolume) whose root lies within the root of
//   another mount of it. "/" is always kept, then mount points that already
//   hold a letter, then the mount of the widest folder, then the one mounted
//   first.
[[nodiscard]] std::vector<MountEntry> driveVolumes(const std::vector<MountEntry>& table,
                                                   const FolderTest& isFolder,
                                                   const DriveLetters& letters);

[[nodiscard]] bool isRemoteFileSystem(const std::string& fsType);

// The drive type code of a volume; removableDevice is what its block device
// says of itself.
[[nodiscard]] unsigned volumeType(const MountEntry& mount, bool removableDevice);

// The drive form of a path ("/home/x" on c: gives "c:\home\x"); the path
// itself when the volume holding it is not a drive.
[[nodiscard]] std::string drivePathOf(const std::string& path, const std::vector<MountEntry>& table,
                                      const std::vector<LetteredMount>& drives);

}  // namespace quarvo
