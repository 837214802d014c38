#pragma once
// The volume services of Windows, each operation one call of the system. The
// 64-bit space query is looked up by name on every use, so the program also
// runs where kernel32.dll lacks it and falls back to the older query.

#include "system/volume_api.h"

namespace quarvo {

class Win32VolumeApi : public VolumeApi {
public:
    std::uint32_t logicalDrives() override;
    unsigned driveType(const std::string& root) override;
    std::optional<std::string> volumeLabel(const std::string& root) override;
    std::optional<std::string> networkName(const std::string& letterColon) override;
    unsigned setErrorMode(unsigned mode) override;
    std::optional<DiskGeometry> diskFreeSpace(const std::string& root) override;
    bool hasDiskFreeSpaceEx() override;
    std::optional<DiskSpace> diskFreeSpaceEx(const std::string& root) override;
    std::string currentDirectory() override;
    std::string rootFolder(const std::string& root) override;
};

}  // namespace quarvo
