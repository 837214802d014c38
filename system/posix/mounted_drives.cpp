#include "system/posix/mounted_drives.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <tuple>

#include "system/volume_api.h"

namespace quarvo {
namespace {

constexpr std::string_view kPseudoFileSystems[] = {
    "proc",       "sysfs",      "cgroup",  "cgroup2",     "devpts",          "devtmpfs",
    "securityfs", "debugfs",    "tracefs", "configfs",    "fusectl",         "mqueue",
    "hugetlbfs",  "pstore",     "bpf",     "binfmt_misc", "autofs",          "efivarfs",
    "selinuxfs",  "rpc_pipefs", "nsfs",    "nfsd",        "fuse.gvfsd-fuse", "fuse.portal",
};

constexpr std::string_view kRemoteFileSystems[] = {
    "nfs",         "nfs4",      "cifs",  "smb3",      "smbfs",          "sshfs", "fuse.sshfs",
    "9p",          "afs",       "ceph",  "glusterfs", "fuse.glusterfs", "davfs", "fuse.davfs2",
    "fuse.rclone", "fuse.s3fs", "ncpfs", "coda",      "lustre",
};

// Read-only images: snaps, live systems' and programs' packed trees.
constexpr std::string_view kImageFileSystems[] = {
    "squashfs", "erofs", "cramfs", "romfs", "fuse.squashfuse",
};

// Where snaps and container engines mount their images and the views of
// their containers; a volume mounted at one of these folders is the user's.
constexpr std::string_view kManagedFolders[] = {
    "/snap", "/var/snap", "/var/lib/snapd", "/var/lib/docker", "/var/lib/containers",
};

template <std::size_t N>
bool listed(const std::string_view (&names)[N], const std::string& name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool isWithin(const std::string& path, std::string_view folder) {
    if (folder == "/") return path.starts_with('/');
    return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

bool isSystemFolder(const std::string& mountPoint) {
    if (isWithin(mountPoint, "/run/media")) return false;
    return isWithin(mountPoint, "/proc") || isWithin(mountPoint, "/sys") ||
           isWithin(mountPoint, "/dev") || isWithin(mountPoint, "/run");
}

bool isInsideManagedFolder(const std::string& mountPoint) {
    return std::any_of(std::begin(kManagedFolders), std::end(kManagedFolders),
                       [&](std::string_view folder) {
                           return mountPoint != folder && isWithin(mountPoint, folder);
                       });
}

// Mounts that are never drives, whatever else is mounted.
bool isLeftOut(const MountEntry& entry) {
    return listed(kPseudoFileSystems, entry.fsType) || isSystemFolder(entry.mountPoint) ||
           isInsideManagedFolder(entry.mountPoint) ||
           (listed(kImageFileSystems, entry.fsType) && entry.mountPoint != "/");
}

// The value of one option in a comma-separated list; empty when absent.
std::string optionValue(const std::string& options, std::string_view name) {
    for (std::size_t at = 0; at < options.size();) {
        const std::size_t end = std::min(options.find(',', at), options.size());
        const std::string_view option(options.data() + at, end - at);
        if (option.size() > name.size() && option.starts_with(name) && option[name.size()] == '=')
            return std::string(option.substr(name.size() + 1));
        at = end + 1;
    }
    return {};
}

// The table gives every mount of one btrfs file system the same device,
// though each subvolume is a tree of its own (stat gives it a device number
// of its own, so a walk of "/" never enters /home): the subvolume counts too.
std::string fileSystemOf(const MountEntry& entry) {
    if (entry.fsType != "btrfs") return entry.device;
    return entry.device + " subvolid " + optionValue(entry.superOptions, "subvolid");
}

// A later mount on the same point hides the earlier one.
std::vector<MountEntry> visibleMounts(const std::vector<MountEntry>& table) {
    std::map<std::string, std::size_t> topmost;  // by mount point
    for (std::size_t i = 0; i < table.size(); ++i) topmost[table[i].mountPoint] = i;
    std::vector<MountEntry> visible;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (topmost[table[i].mountPoint] == i) visible.push_back(table[i]);
    }
    return visible;
}

// Which of several mounts of one file system is kept: see driveVolumes.
auto preference(const MountEntry& entry, const DriveLetters& letters) {
    return std::make_tuple(entry.mountPoint != "/", !letters.holds(entry.mountPoint),
                           entry.root.size());
}

// Keeps the mounts through which no kept mount already reaches: a mount of
// the same file system whose root holds this one's root. Mounts come in table
// order, so of two mounts of one folder the one mounted first is kept.
std::vector<MountEntry> withoutSecondPaths(std::vector<MountEntry> mounts,
                                           const DriveLetters& letters) {
    std::stable_sort(mounts.begin(), mounts.end(), [&](const MountEntry& a, const MountEntry& b) {
        return preference(a, letters) < preference(b, letters);
    });
    std::vector<MountEntry> kept;
    for (MountEntry& entry : mounts) {
        const bool reached = std::any_of(kept.begin(), kept.end(), [&](const MountEntry& k) {
            return fileSystemOf(k) == fileSystemOf(entry) && isWithin(entry.root, k.root);
        });
        if (!reached) kept.push_back(std::move(entry));
    }
    return kept;
}

// The part of path below folder: empty or beginning with "/".
std::string below(const std::string& folder, const std::string& path) {
    if (path == folder) return "";
    return folder == "/" ? path : path.substr(folder.size());
}

std::string joinPath(const std::string& folder, const std::string& rest) {
    if (folder == "/") return rest.empty() ? "/" : rest;
    return folder + rest;
}

std::string driveForm(char letter, const std::string& rest) {
    std::string out = std::string(1, letter) + ":\\";
    for (std::size_t i = rest.starts_with('/') ? 1 : 0; i < rest.size(); ++i)
        out += rest[i] == '/' ? '\\' : rest[i];
    return out;
}

}  // namespace

std::vector<MountEntry> driveVolumes(const std::vector<MountEntry>& table,
                                     const FolderTest& isFolder, const DriveLetters& letters) {
    std::vector<MountEntry> candidates;
    for (MountEntry& entry : visibleMounts(table)) {
        if (isLeftOut(entry)) continue;
        // A network volume is never touched here: its server may be gone.
        const bool folder =
            entry.mountPoint == "/" || isRemoteFileSystem(entry.fsType) || isFolder(entry);
        if (folder) candidates.push_back(std::move(entry));
    }
    std::vector<MountEntry> volumes = withoutSecondPaths(std::move(candidates), letters);
    std::sort(volumes.begin(), volumes.end(),
              [](const MountEntry& a, const MountEntry& b) { return a.mountPoint < b.mountPoint; });
    return volumes;
}

bool isRemoteFileSystem(const std::string& fsType) {
    return listed(kRemoteFileSystems, fsType);
}

unsigned volumeType(const MountEntry& mount, bool removableDevice) {
    if (mount.fsType == "iso9660" || mount.fsType == "udf") return kDriveCdrom;
    if (mount.fsType == "tmpfs" || mount.fsType == "ramfs") return kDriveRamDisk;
    if (isRemoteFileSystem(mount.fsType)) return kDriveRemote;
    if (removableDevice || isWithin(mount.mountPoint, "/media") ||
        isWithin(mount.mountPoint, "/run/media"))
        return kDriveRemovable;
    return kDriveFixed;
}

std::string drivePathOf(const std::string& path, const std::vector<MountEntry>& table,
                        const std::vector<LetteredMount>& drives) {
    const std::vector<MountEntry> visible = visibleMounts(table);
    const MountEntry* holder = nullptr;
    for (const MountEntry& entry : visible) {
        if (isWithin(path, entry.mountPoint) &&
            (!holder || entry.mountPoint.size() > holder->mountPoint.size()))
            holder = &entry;
    }
    if (!holder) return path;
    // The holder may be a second mount of a drive's device (a bind mount), so
    // the path is followed into the file system and back out through the drive.
    const std::string inVolume = joinPath(holder->root, below(holder->mountPoint, path));
    for (const LetteredMount& drive : drives) {
        if (fileSystemOf(drive.mount) == fileSystemOf(*holder) &&
            isWithin(inVolume, drive.mount.root))
            return driveForm(drive.letter, below(drive.mount.root, inVolume));
    }
    return path;
}

}  // namespace quarvo
