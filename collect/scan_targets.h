#pragma once
// Targets named on a command line: a drive letter ("c:") or a folder walked
// as if it were the root of a drive. quarvo-report and the program take
// them alike.

#include <memory>
#include <string>
#include <string_view>

#include "collect/scan_run.h"
#include "system/volume_api.h"

namespace quarvo {

// "c:" or "C:", with or without a backslash after the colon.
[[nodiscard]] bool isDriveLetter(std::string_view target);

// The target as a run takes it: a drive as its lower-case letter and a
// colon, a folder by its path.
[[nodiscard]] ScanTarget scanTargetOf(const std::string& target);

// Why a target cannot be scanned; empty when it can.
[[nodiscard]] std::string targetProblem(const std::string& target, VolumeApi& volumes);
// The line that tells the user why a target is not scanned.
[[nodiscard]] std::string cannotScanText(const std::string& target, const std::string& problem);
// Why a folder cannot be scanned; empty when it can. From the platform's
// back end, like folderVolumeApi.
[[nodiscard]] std::string folderProblem(const std::string& folder);

// The volume that holds a folder, answering as the drive
// ScanRun::kFolderLetter; nullptr when it can't be asked. A run's
// FolderVolumes.
[[nodiscard]] std::unique_ptr<VolumeApi> folderVolumeApi(const std::string& folder);

}  // namespace quarvo
