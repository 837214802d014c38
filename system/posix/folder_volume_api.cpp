#include "system/posix/folder_volume_api.h"

#include <utility>

namespace quarvo {

bool FolderVolumeApi::isOurs(const std::string& root) const {
    return volume_ && !root.empty() && (root[0] == kLetter || root[0] == kLetter - 'a' + 'A');
}

std::uint32_t FolderVolumeApi::logicalDrives() {
    return volume_ ? 1u << (kLetter - 'a') : 0;
}

unsigned FolderVolumeApi::driveType(const std::string& root) {
    return isOurs(root) ? kDriveFixed : kDriveNoRootDir;
}

std::optional<std::string> FolderVolumeApi::volumeLabel(const std::string& root) {
    if (!isOurs(root)) return std::nullopt;
    return folder_;
}

unsigned FolderVolumeApi::setErrorMode(unsigned mode) {
    return std::exchange(errorMode_, mode);
}

std::optional<DiskGeometry> FolderVolumeApi::diskFreeSpace(const std::string& root) {
    if (!isOurs(root)) return std::nullopt;
    return volume_->geometry;
}

std::optional<DiskSpace> FolderVolumeApi::diskFreeSpaceEx(const std::string& root) {
    if (!isOurs(root)) return std::nullopt;
    return volume_->space;
}

std::string FolderVolumeApi::rootFolder(const std::string& root) {
    return isOurs(root) ? folder_ : std::string();
}

}  // namespace quarvo
