#pragma once
// The volume that holds a folder, answered as if it were the one drive c:,
// so that a folder scanned as the root of a drive gets its cluster size the
// way a drive of that size would.

#include <optional>
#include <string>

#include "system/posix/posix_volume_api.h"
#include "system/volume_api.h"

namespace quarvo {

class FolderVolumeApi : public VolumeApi {
public:
    // The letter under which the folder's volume answers.
    static constexpr char kLetter = 'c';

    // Without a volume the drive is not ready.
    FolderVolumeApi(std::string folder, std::optional<FolderVolume> volume)
        : folder_(std::move(folder)), volume_(std::move(volume)) {}

    std::uint32_t logicalDrives() override;
    unsigned driveType(const std::string& root) override;
    std::optional<std::string> volumeLabel(const std::string& root) override;
    std::optional<std::string> networkName(const std::string&) override { return std::nullopt; }
    unsigned setErrorMode(unsigned mode) override;
    std::optional<DiskGeometry> diskFreeSpace(const std::string& root) override;
    bool hasDiskFreeSpaceEx() override { return true; }
    std::optional<DiskSpace> diskFreeSpaceEx(const std::string& root) override;
    std::string currentDirectory() override { return folder_; }
    std::string rootFolder(const std::string& root) override;

private:
    [[nodiscard]] bool isOurs(const std::string& root) const;

    std::string folder_;
    std::optional<FolderVolume> volume_;
    unsigned errorMode_ = 0;
};

}  // namespace quarvo
