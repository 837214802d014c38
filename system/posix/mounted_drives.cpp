#include "system/posix/mounted_drives.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <tuple>

#include "system/volume_api.h"

namespace quarvo {
namespace {

constexpr int kMaxDrives = 24;  // c: to z:

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

// A later mount on the same point hides the earlier one.
std::vector<MountEntry> visibleMounts(const std::vector<MountEntry>& table) {
    std::map<std::string, MountEntry> byPoint;
    for (const MountEntry& entry : table) byPoint[entry.mountPoint] = entry;
    std::vector<MountEntry> visible;
    for (auto& [point, entry] : byPoint) visible.push_back(std::move(entry));
    return visible;
}

// Of several mounts of one device the one listed is "/" if it is among them,
// then a mount of the whole file system rather than of a folder of it, then
// the first in mount-point order.
auto preference(const MountEntry& entry) {
    return std::make_tuple(entry.mountPoint != "/", entry.root != "/", entry.mountPoint);
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

std::vector<LetteredMount> assignDriveLetters(const std::vector<MountEntry>& table) {
    std::map<std::string, MountEntry> byDevice;
    for (const MountEntry& entry : visibleMounts(table)) {
        if (listed(kPseudoFileSystems, entry.fsType) || isSystemFolder(entry.mountPoint)) continue;
        auto [at, added] = byDevice.try_emplace(entry.device, entry);
        if (!added && preference(entry) < preference(at->second)) at->second = entry;
    }
    std::vector<MountEntry> volumes;
    for (auto& [device, entry] : byDevice) volumes.push_back(std::move(entry));
    std::sort(volumes.begin(), volumes.end(),
              [](const MountEntry& a, const MountEntry& b) { return a.mountPoint < b.mountPoint; });
    if (volumes.size() > kMaxDrives) volumes.resize(kMaxDrives);

    std::vector<LetteredMount> drives;
    for (MountEntry& volume : volumes)
        drives.push_back({static_cast<char>('c' + drives.size()), std::move(volume)});
    return drives;
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
        if (drive.mount.device == holder->device && isWithin(inVolume, drive.mount.root))
            return driveForm(drive.letter, below(drive.mount.root, inVolume));
    }
    return path;
}

}  // namespace quarvo
